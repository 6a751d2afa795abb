// velni2qx.exe: the window of the conversion program on Windows.
#include <windows.h>

#include "platform/data_folder_places.hpp"
#include "platform/volumes.hpp"
#include "shell/win32/form1.hpp"
#include "shell/win32/search_progress_window.hpp"
#include "window/settings_file_memory.hpp"
#include "window/start_up_search.hpp"

namespace {

// The program ends with this status when there is no data folder, as the command
// line does.
constexpr int kNoDataFolderStatus = 3;

velni::WindowServices MachineServices() {
  velni::WindowServices services;
  services.volumes = velni::MountedVolumes();
  services.findDataFolder = [] {
    velni::win32::SearchProgressWindow progress;
    return velni::FindDataFolderAtStartUp(progress);
  };
  // Kept in the user's settings file, beside the data-folder line.
  services.folderMemory = velni::SettingsFileFolderMemory(velni::SettingsFilePath());
  return services;
}

int RunMessageLoop(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  velni::win32::Form1 form(MachineServices());
  if (!form.Form_Load()) return kNoDataFolderStatus;
  ShowWindow(form.Handle(), show);
  // A main data file or an exchange XML named on the command line starts as the source.
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
    if (count == 2) form.Presenter().DropFiles({velni::win32::Utf16(arguments[1])});
    LocalFree(arguments);
  }
  return RunMessageLoop(form.Handle());
}
