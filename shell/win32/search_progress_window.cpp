#include "shell/win32/search_progress_window.hpp"

#include "shell/win32/form1.hpp"

namespace velni::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"velni2qx.SearchProgress";
constexpr int kCancelId = IDCANCEL;

HWND Child(HWND parent, const wchar_t* windowClass, const std::u16string& text, DWORD style, int top, int width) {
  return CreateWindowExW(0, windowClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 12, top, width, 22,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

SearchProgressWindow::SearchProgressWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kWindowClass, Wide(kSearchProgressTitle).c_str(),
                          WS_POPUP | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 470, 170, nullptr,
                          nullptr, GetModuleHandleW(nullptr), this);
  Child(hwnd_, L"STATIC", kSearchProgressHeading, SS_NOPREFIX, 12, 430);
  count_ = Child(hwnd_, L"STATIC", u"", SS_NOPREFIX, 38, 430);
  folder_ = Child(hwnd_, L"STATIC", u"", SS_NOPREFIX | SS_PATHELLIPSIS, 64, 430);
  const HWND cancel = CreateWindowExW(0, L"BUTTON", Wide(kSearchCancelCaption).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 340, 96, 100, 28,
                                      hwnd_, reinterpret_cast<HMENU>(INT_PTR{kCancelId}), GetModuleHandleW(nullptr),
                                      nullptr);
  for (HWND control : {count_, folder_, cancel}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
}

SearchProgressWindow::~SearchProgressWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK SearchProgressWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* window = reinterpret_cast<SearchProgressWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const bool cancel = (message == WM_COMMAND && LOWORD(wParam) == kCancelId) || message == WM_CLOSE;
  if (window != nullptr && cancel) {
    window->cancelled_ = true;
    ShowWindow(hwnd, SW_HIDE);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void SearchProgressWindow::Show() { ShowWindow(hwnd_, SW_SHOW); }

void SearchProgressWindow::Hide() { ShowWindow(hwnd_, SW_HIDE); }

bool SearchProgressWindow::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void SearchProgressWindow::ShowProgress(const std::u16string& countLine, const std::u16string& folder) {
  SetWindowTextW(count_, Wide(countLine).c_str());
  SetWindowTextW(folder_, Wide(folder).c_str());
}

// Waits for window messages (Cancel answers at once) or the period, whichever comes first.
void SearchProgressWindow::Pump(std::chrono::milliseconds period) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(period.count()), QS_ALLINPUT);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace velni::win32
