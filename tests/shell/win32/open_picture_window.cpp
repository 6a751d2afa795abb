// Opens the picture window of the file chosen in a running main window, by the
// message a double click on its file list sends; the screenshot script runs it.
#include <windows.h>

#include "shell/win32/form1.hpp"

int wmain() {
  HWND form = nullptr;
  for (int tries = 0; tries < 100 && form == nullptr; ++tries) {
    form = FindWindowW(L"velni2qx.Form1", nullptr);
    if (form == nullptr) Sleep(100);
  }
  const HWND files = form == nullptr ? nullptr : GetDlgItem(form, velni::win32::kFile1);
  if (files == nullptr || SendMessageW(files, LB_GETCURSEL, 0, 0) < 0) return 1;
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(velni::win32::kFile1, LBN_DBLCLK), reinterpret_cast<LPARAM>(files));
  return 0;
}
