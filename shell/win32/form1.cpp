#include "shell/win32/form1.hpp"

#include <shellapi.h>

#include <iterator>
#include <utility>

#include "shell/win32/icon.hpp"
#include "shell/window_caption.hpp"

namespace velni::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"velni2qx.Form1";
constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;
constexpr int kFontPoints = 9;
constexpr int kClientWidth = 9090;
constexpr int kClientHeight = 6495;
// The background of Picture1, light grey.
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);

// One control: its system name, window class, caption, style and place in twips
// within the window (the frames' children moved by their frame's place).
struct ControlPlan {
  ControlId id;
  const char16_t* name;
  const wchar_t* windowClass;
  const char16_t* caption;
  DWORD style;
  int left, top, width, height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kList = kChild | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kDropDownList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;

// In the keyboard's tab order: Dir1, Drive1, File1, Combo1, Dir2, Drive2, Command1,
// Command2, Text1, Text2; the frames and labels take no focus.
const ControlPlan kControls[] = {
    {kFrame1, u"Frame1", L"BUTTON", u"変換元ファイル名選択", kChild | BS_GROUPBOX, 240, 1680, 5175, 2895},
    {kFrame2, u"Frame2", L"BUTTON", u"変換先フォルダ名選択", kChild | BS_GROUPBOX, 5580, 1680, 3135, 2895},
    {kFrame3, u"Frame3", L"BUTTON", u"メッセージ", kChild | BS_GROUPBOX, 240, 4740, 8475, 675},
    {kDir1, u"Dir1", L"LISTBOX", u"", kList, 240 + 2640, 1680 + 420, 2415, 1530},
    {kDrive1, u"Drive1", L"COMBOBOX", u"", kDropDownList, 240 + 2640, 1680 + 2220, 2415, 3000},
    {kFile1, u"File1", L"LISTBOX", u"", kList, 240 + 120, 1680 + 420, 2415, 1770},
    {kCombo1, u"Combo1", L"COMBOBOX", u"", kDropDownList, 240 + 120, 1680 + 2220, 2415, 3000},
    {kDir2, u"Dir2", L"LISTBOX", u"", kList, 5580 + 180, 1680 + 420, 2595, 1530},
    {kDrive2, u"Drive2", L"COMBOBOX", u"", kDropDownList, 5580 + 180, 1680 + 2220, 2595, 3000},
    {kCommand1, u"Command1", L"BUTTON", u"実  行", kChild | WS_TABSTOP | BS_PUSHBUTTON, 2520, 5580, 1935, 555},
    {kCommand2, u"Command2", L"BUTTON", u"終  了", kChild | WS_TABSTOP | BS_PUSHBUTTON, 5160, 5580, 2055, 555},
    {kText1, u"Text1", L"EDIT", u"", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 2400, 300, 6255, 405},
    {kText2, u"Text2", L"EDIT", u"", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 2400, 900, 6255, 405},
    {kLabel3, u"Label3", L"STATIC", u"", kChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 240 + 180, 4740 + 240, 8175, 315},
    {kLabel2, u"Label2", L"STATIC", u"変換先フォルダ名：", kChild | SS_NOPREFIX, 240, 960, 2235, 315},
    {kLabel1, u"Label1", L"STATIC", u"変換元ファイル名：", kChild | SS_NOPREFIX, 240, 360, 2235, 315},
};

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

std::size_t Index(LRESULT selection) { return static_cast<std::size_t>(selection); }

ControlId DriveOf(ListSide side) { return side == ListSide::Source ? kDrive1 : kDrive2; }
ControlId DirOf(ListSide side) { return side == ListSide::Source ? kDir1 : kDir2; }

void Fill(HWND list, UINT add, UINT reset, const std::vector<std::wstring>& lines) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, reset, 0, 0);
  for (const std::wstring& line : lines) SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

std::u16string WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf16(text);
}

Form1::Form1(WindowServices services) : presenter_(std::move(services), *this) {}

Form1::~Form1() {
  // Let go without ending the program: only a window the operator closes does that.
  if (const HWND window = std::exchange(hwnd_, nullptr)) DestroyWindow(window);
  if (font_ != nullptr) DeleteObject(font_);
  if (background_ != nullptr) DeleteObject(background_);
}

bool Form1::Form_Load() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  background_ = CreateSolidBrush(kLightGrey);
  windowClass.hbrBackground = background_;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(VELNI_ICON));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, kWindowClass, Wide(kWindowCaption).c_str(), kWindowStyle,
                          CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
  if (hwnd_ == nullptr) return false;
  CreateControls();
  LayOut(GetDpiForWindow(hwnd_));
  return presenter_.Load();
}

void Form1::CreateControls() {
  for (const ControlPlan& plan : kControls) {
    CreateWindowExW(0, plan.windowClass, Wide(plan.caption).c_str(), plan.style, 0, 0, 0, 0, hwnd_,
                    reinterpret_cast<HMENU>(INT_PTR{plan.id}), GetModuleHandleW(nullptr), nullptr);
  }
}

// Places, sizes and the font at the monitor's resolution: the layout is in twips,
// so the window looks the same on every monitor.
void Form1::LayOut(UINT dpi) {
  dpi_ = static_cast<int>(dpi);
  RECT frame{0, 0, Pixels(kClientWidth), Pixels(kClientHeight)};
  AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, WS_EX_ACCEPTFILES, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
  const HFONT old = std::exchange(font_, CreateFontW(-MulDiv(kFontPoints, dpi_, kPointsPerInch), 0, 0, 0, FW_NORMAL,
                                                     FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                                     L"MS UI Gothic"));
  for (const ControlPlan& plan : kControls) {
    const HWND control = GetDlgItem(hwnd_, plan.id);
    SetWindowPos(control, nullptr, Pixels(plan.left), Pixels(plan.top), Pixels(plan.width), Pixels(plan.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  // The kinds of file are longer than their box: the open list shows them whole.
  SendDlgItemMessageW(hwnd_, kCombo1, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Pixels(3600)), 0);
  if (old != nullptr) DeleteObject(old);
}

int Form1::Pixels(int twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }

HWND Form1::Control(const std::u16string& name) const {
  for (const ControlPlan& plan : kControls) {
    if (name == plan.name) return GetDlgItem(hwnd_, plan.id);
  }
  return nullptr;
}

LRESULT CALLBACK Form1::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr || form->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  return form->OnMessage(message, wParam, lParam);
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      // Labels and frames stand on the grey background.
      SetBkColor(reinterpret_cast<HDC>(wParam), kLightGrey);
      return reinterpret_cast<LRESULT>(background_);
    case WM_MOUSEMOVE:
      // Only movements over the background reach the window itself.
      presenter_.BackgroundMouseMove();
      return 0;
    case WM_SETCURSOR:
      if (busy_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor of another resolution: the suggested place, the layout anew.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      LayOut(HIWORD(wParam));
      return 0;
    }
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1::Command(int id, int notification) {
  const auto selection = [this](int control, UINT message) { return SendDlgItemMessageW(hwnd_, control, message, 0, 0); };
  if (notification == CBN_SELCHANGE && (id == kDrive1 || id == kDrive2)) {
    presenter_.DriveChosen(id == kDrive1 ? ListSide::Source : ListSide::Destination, Index(selection(id, CB_GETCURSEL)));
  } else if (notification == LBN_DBLCLK && (id == kDir1 || id == kDir2)) {
    presenter_.FolderOpened(id == kDir1 ? ListSide::Source : ListSide::Destination, Index(selection(id, LB_GETCURSEL)));
  } else if (notification == CBN_SELCHANGE && id == kCombo1) {
    presenter_.FilterChosen(Index(selection(id, CB_GETCURSEL)));
  } else if (notification == LBN_SELCHANGE && id == kFile1) {
    presenter_.FileChosen(Index(selection(id, LB_GETCURSEL)));
  } else if (notification == LBN_DBLCLK && id == kFile1) {
    presenter_.FileOpened(Index(selection(id, LB_GETCURSEL)));
  } else if (id == IDOK) {
    EnterPressed();
  } else if (notification == BN_CLICKED && id == kCommand1) {
    presenter_.RunClicked();
  } else if (notification == BN_CLICKED && id == kCommand2) {
    presenter_.QuitClicked();
  }
}

// Enter (turned into IDOK by the dialog keys) opens the entry chosen in a folder
// list or the file chosen in the file list, as a double click does.
void Form1::EnterPressed() {
  const int focus = GetDlgCtrlID(GetFocus());
  const LRESULT chosen = SendDlgItemMessageW(hwnd_, focus, LB_GETCURSEL, 0, 0);
  if (chosen < 0) return;
  if (focus == kDir1 || focus == kDir2) {
    presenter_.FolderOpened(focus == kDir1 ? ListSide::Source : ListSide::Destination, Index(chosen));
  } else if (focus == kFile1) {
    presenter_.FileOpened(Index(chosen));
  }
}

void Form1::DropFiles(HDROP drop) {
  std::vector<std::u16string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(Utf16(path));
  }
  DragFinish(drop);
  presenter_.DropFiles(paths);
}

void Form1::ShowDrives(ListSide side, const std::vector<std::u16string>& texts, std::size_t current) {
  std::vector<std::wstring> lines;
  for (const std::u16string& text : texts) lines.push_back(Wide(text));
  Fill(GetDlgItem(hwnd_, DriveOf(side)), CB_ADDSTRING, CB_RESETCONTENT, lines);
  ShowCurrentDrive(side, current);
}

void Form1::ShowCurrentDrive(ListSide side, std::size_t index) {
  SendDlgItemMessageW(hwnd_, DriveOf(side), CB_SETCURSEL, index, 0);
}

void Form1::ShowFolders(ListSide side, const std::vector<FolderEntry>& entries, std::size_t current) {
  std::vector<std::wstring> lines;
  for (const FolderEntry& entry : entries) {
    lines.push_back(std::wstring(static_cast<std::size_t>(entry.depth) * 2, L' ') + Wide(entry.name));
  }
  Fill(GetDlgItem(hwnd_, DirOf(side)), LB_ADDSTRING, LB_RESETCONTENT, lines);
  SendDlgItemMessageW(hwnd_, DirOf(side), LB_SETCURSEL, current, 0);
}

void Form1::ShowFiles(const std::vector<std::u16string>& names) {
  std::vector<std::wstring> lines;
  for (const std::u16string& name : names) lines.push_back(Wide(name));
  Fill(GetDlgItem(hwnd_, kFile1), LB_ADDSTRING, LB_RESETCONTENT, lines);
}

void Form1::ShowSelectedFile(std::size_t index) { SendDlgItemMessageW(hwnd_, kFile1, LB_SETCURSEL, index, 0); }

void Form1::ShowFileFilters(const std::vector<std::u16string>& texts, std::size_t current) {
  std::vector<std::wstring> lines;
  for (const std::u16string& text : texts) lines.push_back(Wide(text));
  const HWND filters = GetDlgItem(hwnd_, kCombo1);
  Fill(filters, CB_ADDSTRING, CB_RESETCONTENT, lines);
  SendMessageW(filters, CB_SETCURSEL, current, 0);
}

std::u16string Form1::SourceText() const { return WindowText(GetDlgItem(hwnd_, kText1)); }

void Form1::SetSourceText(const std::u16string& text) { SetDlgItemTextW(hwnd_, kText1, Wide(text).c_str()); }

std::u16string Form1::DestinationText() const { return WindowText(GetDlgItem(hwnd_, kText2)); }

void Form1::SetDestinationText(const std::u16string& text) { SetDlgItemTextW(hwnd_, kText2, Wide(text).c_str()); }

void Form1::SetMessageLine(const std::u16string& text) {
  SetDlgItemTextW(hwnd_, kLabel3, Wide(text).c_str());
  UpdateWindow(GetDlgItem(hwnd_, kLabel3));
}

// The style numbers and the answers are the message box's own (MB_YESNO |
// MB_ICONQUESTION is 36, IDYES 6, IDNO 7).
int Form1::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
  const std::wstring caption = Wide(title ? *title : std::u16string(kWindowCaption));
  return MessageBoxW(IsWindowVisible(hwnd_) ? hwnd_ : nullptr, Wide(prompt).c_str(), caption.c_str(),
                     static_cast<UINT>(style));
}

void Form1::SetBusyPointer(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Form1::YieldToWindowSystem() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!IsDialogMessageW(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void Form1::SelectDestinationText() {
  SetFocus(GetDlgItem(hwnd_, kText2));
  SendDlgItemMessageW(hwnd_, kText2, EM_SETSEL, 0, -1);
}

void Form1::CentreOnScreen() {
  RECT window;
  GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Form1::FocusSourceFolders() { SetFocus(GetDlgItem(hwnd_, kDir1)); }

void Form1::OpenPictureWindow(const PictureSource& source) {
  pictures_.push_back(std::make_unique<PictureWindow>(source, hwnd_));
  ShowWindow(pictures_.back()->Handle(), SW_SHOW);
}

void Form1::Close() { DestroyWindow(hwnd_); }

}  // namespace velni::win32
