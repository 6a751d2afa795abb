#include "shell/win32/picture_window.hpp"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "render/picture_sheet.hpp"
#include "render/windows/gdiplus_pages.hpp"
#include "shell/win32/form1.hpp"
#include "shell/win32/icon.hpp"

namespace velni::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"velni2qx.PictureWindow";
constexpr wchar_t kCanvasClass[] = L"velni2qx.PictureCanvas";
constexpr int kButtonHeight = 28;
constexpr int kStatusHeight = 22;
constexpr int kScrollStep = 40;

enum ButtonId { kZoomIn = 200, kZoomOut, kSave, kSaveExchange, kPrint, kCheck };

struct ButtonPlan {
  ButtonId id;
  const char16_t* caption;
  int width;
};

const ButtonPlan kButtons[] = {
    {kZoomIn, u"拡大", 70},
    {kZoomOut, u"縮小", 70},
    {kSave, u"保存...", 90},
    {kSaveExchange, u"交換用データ (XML) で保存...", 220},
    {kPrint, u"印刷...", 90},
    {kCheck, u"チェック", 90},
};

void Register(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(VELNI_ICON));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

// The path the operator chose in the save dialog, and which of its filters; empty
// when cancelled. `filters` holds "name\0pattern\0" pairs.
std::pair<std::u16string, int> AskPath(HWND owner, const std::u16string& title, const std::wstring& filters,
                                       const std::u16string& suggested) {
  std::vector<wchar_t> path(32768, L'\0');
  const std::wstring first = Wide(suggested);
  first.copy(path.data(), path.size() - 1);
  const std::wstring caption = Wide(title);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = caption.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return {u"", 0};
  return {Utf16(path.data()), static_cast<int>(dialog.nFilterIndex)};
}

// The printer the operator chose in the print dialog, on A4 upright unless changed
// there; nullptr when cancelled. `failed` tells a machine without a printer (the
// dialog is not opened: it would only say so in words of its own) and a dialog
// that could not open from a cancel.
HDC AskPrinter(HWND owner, bool& failed) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
  failed = !PrintDlgW(&dialog) || dialog.hDevMode == nullptr;
  if (!failed) {
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(dialog.hDevMode))) {
      mode->dmPaperSize = DMPAPER_A4;
      mode->dmOrientation = DMORIENT_PORTRAIT;
      mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
      GlobalUnlock(dialog.hDevMode);
    }
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
    const bool chosen = PrintDlgW(&dialog);
    failed = !chosen && CommDlgExtendedError() != 0;
    if (!chosen) dialog.hDC = nullptr;
  }
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  return dialog.hDC;
}

}  // namespace

PictureWindow::PictureWindow(PictureSource source, HWND owner) : presenter_(std::move(source), *this) {
  Register(kWindowClass, WindowProcedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  Register(kCanvasClass, CanvasProcedure, nullptr);
  hwnd_ = CreateWindowExW(0, kWindowClass, Wide(presenter_.Title()).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 900, 700, owner, nullptr, GetModuleHandleW(nullptr), this);
  CreateControls();
  LayOut();
  UpdateScrollBars();
}

PictureWindow::~PictureWindow() {
  if (const HWND window = std::exchange(hwnd_, nullptr)) DestroyWindow(window);
}

void PictureWindow::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  int left = 8;
  for (const ButtonPlan& plan : kButtons) {
    const HWND button = CreateWindowExW(0, L"BUTTON", Wide(plan.caption).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, left, 6, plan.width,
                                        kButtonHeight, hwnd_, reinterpret_cast<HMENU>(INT_PTR{plan.id}), instance,
                                        nullptr);
    SendMessageW(button, WM_SETFONT, font, FALSE);
    // Nothing to save of a boring that could not be read.
    if ((plan.id == kSave || plan.id == kSaveExchange || plan.id == kPrint) && !presenter_.CanSave()) {
      EnableWindow(button, FALSE);
    }
    left += plan.width + 6;
  }
  canvas_ = CreateWindowExW(WS_EX_CLIENTEDGE, kCanvasClass, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0,
                            0, 0, 0, hwnd_, nullptr, instance, this);
  status_ = CreateWindowExW(0, L"STATIC", Wide(presenter_.StatusLine()).c_str(),
                            WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0, 0, 0, 0, hwnd_, nullptr,
                            instance, nullptr);
  SendMessageW(status_, WM_SETFONT, font, FALSE);
}

void PictureWindow::LayOut() {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int top = kButtonHeight + 12;
  MoveWindow(canvas_, 0, top, client.right, client.bottom - top - kStatusHeight, TRUE);
  MoveWindow(status_, 8, client.bottom - kStatusHeight + 3, client.right - 16, kStatusHeight - 4, TRUE);
}

LRESULT CALLBACK PictureWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* window = reinterpret_cast<PictureWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK PictureWindow::CanvasProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* window = reinterpret_cast<PictureWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->canvas_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      window->PaintCanvas();
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      window->Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      // Ctrl with the wheel zooms; the wheel alone scrolls.
      if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
        window->Zoom(GET_WHEEL_DELTA_WPARAM(wParam) > 0);
      } else {
        window->Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      }
      return 0;
    case WM_SIZE:
      window->UpdateScrollBars();
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam));
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void PictureWindow::Command(int id) {
  switch (id) {
    case kZoomIn: Zoom(true); break;
    case kZoomOut: Zoom(false); break;
    case kSave: AskAndSave(); break;
    case kSaveExchange: AskAndSaveExchange(); break;
    case kPrint: Print(); break;
    case kCheck: ShowCheck(); break;
    default: break;
  }
}

void PictureWindow::Zoom(bool in) {
  if (in) {
    zoom_.ZoomIn();
  } else {
    zoom_.ZoomOut();
  }
  UpdateScrollBars();
  InvalidateRect(canvas_, nullptr, TRUE);
}

// The scroll bars span the sheet (the drawing and its margin) at the present zoom;
// the page is the canvas.
void PictureWindow::UpdateScrollBars() {
  RECT client;
  GetClientRect(canvas_, &client);
  const Drawing& drawing = presenter_.Picture();
  const std::pair<int, int> spans[] = {{SB_HORZ, zoom_.Pixels(drawing.width + 2 * render::kSheetMargin)},
                                       {SB_VERT, zoom_.Pixels(drawing.height + 2 * render::kSheetMargin)}};
  for (const auto& [bar, span] : spans) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, span, 0, 0, 0};
    info.nPage = static_cast<UINT>(bar == SB_HORZ ? client.right : client.bottom);
    SetScrollInfo(canvas_, bar, &info, TRUE);
  }
}

void PictureWindow::Scroll(int bar, WPARAM request) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(canvas_, bar, &info);
  int position = info.nPos;
  switch (LOWORD(request)) {
    case SB_LINEUP: position -= kScrollStep; break;
    case SB_LINEDOWN: position += kScrollStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    default: break;
  }
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(canvas_, bar, &info, TRUE);
  InvalidateRect(canvas_, nullptr, FALSE);
}

// Painted into a bitmap of the canvas's size first, so that scrolling does not flicker.
void PictureWindow::PaintCanvas() {
  PAINTSTRUCT paint;
  const HDC screen = BeginPaint(canvas_, &paint);
  RECT client;
  GetClientRect(canvas_, &client);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  {
    Gdiplus::Graphics graphics(memory);
    graphics.TranslateTransform(static_cast<Gdiplus::REAL>(-GetScrollPos(canvas_, SB_HORZ)),
                                static_cast<Gdiplus::REAL>(-GetScrollPos(canvas_, SB_VERT)));
    if (painter_.Started()) painter_.Paint(graphics, presenter_.Picture(), zoom_.Factor());
  }
  BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(canvas_, &paint);
}

void PictureWindow::AskAndSave() {
  static const wchar_t kFilters[] = L"PDF (*.pdf)\0*.pdf\0SVG (*.svg)\0*.svg\0PNG (*.png)\0*.png\0";
  const auto [path, filter] = AskPath(hwnd_, u"柱状図の保存", std::wstring(kFilters, std::size(kFilters)),
                                      presenter_.SuggestedPicturePath());
  if (path.empty()) return;
  const char16_t* const extensions[] = {u"pdf", u"svg", u"png"};
  presenter_.SaveTo(WithPictureExtension(path, extensions[filter >= 1 && filter <= 3 ? filter - 1 : 0]));
}

void PictureWindow::AskAndSaveExchange() {
  static const wchar_t kFilters[] = L"交換用データ DTD 4.00 (*.XML)\0*.XML\0交換用データ DTD 3.00 (*.XML)\0*.XML\0";
  const auto [path, filter] = AskPath(hwnd_, u"交換用データの保存", std::wstring(kFilters, std::size(kFilters)),
                                      presenter_.SuggestedExchangePath());
  if (path.empty()) return;
  presenter_.SaveExchangeTo(path, filter == 2 ? ExchangeVersion::V300 : ExchangeVersion::V400);
}

// The same pages as the PDF file, through the print dialog; a printer that refuses
// the document, or none at all, is said.
void PictureWindow::Print() {
  bool failed = false;
  const HDC printer = AskPrinter(hwnd_, failed);
  if (printer != nullptr) {
    failed = !render::PrintDrawing(painter_, presenter_.Picture(), printer, presenter_.Title());
    DeleteDC(printer);
  }
  if (failed) presenter_.PrintFailed();
}

// The check's list in a box of its own: the summary, then one line per problem.
void PictureWindow::ShowCheck() {
  const CheckList list = presenter_.Check();
  std::u16string text = list.summary + u"\n";
  for (const std::u16string& line : list.lines) text += u"\n" + line;
  MessageBoxW(hwnd_, Wide(text).c_str(), Wide(list.title).c_str(), MB_OK);
}

void PictureWindow::ShowMessage(const std::u16string& prompt, int style) {
  MessageBoxW(hwnd_, Wide(prompt).c_str(), Wide(presenter_.Title()).c_str(), static_cast<UINT>(style));
}

}  // namespace velni::win32
