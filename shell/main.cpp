// velni2qx: the window of the conversion program.
#include <QApplication>

#include "platform/file_system.hpp"
#include "shell/data_folder_search.hpp"
#include "shell/form1.hpp"
#include "shell/qt_text.hpp"
#include "shell/search_progress_window.hpp"

namespace {

// The program ends with this status when there is no data folder, as the command
// line does.
constexpr int kNoDataFolderStatus = 3;

std::u16string SearchWithProgressWindow() {
  velni::SearchProgressWindow progress;
  return velni::FindDataFolder(velni::MachineDataFolderSearch(
      [&progress](const std::u16string& folder, std::size_t visited) { return progress.Visit(folder, visited); }));
}

velni::ShellServices MachineServices() {
  velni::ShellServices services;
  services.volumes = velni::MountedVolumes();
  services.findDataFolder = SearchWithProgressWindow;
  services.showMessage = [](const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
    return velni::ShowMessageBox(QApplication::activeWindow(), prompt, style, title);
  };
  services.programFolder = velni::fs::ProgramFolder();
  return services;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Message boxes without a title of their own show the program's caption.
  QApplication::setApplicationDisplayName(velni::ToQString(velni::kWindowCaption));
  // The search window closing must not end the program before its window opens.
  QApplication::setQuitOnLastWindowClosed(false);
  velni::Form1 form(MachineServices());
  if (!form.Form_Load()) return kNoDataFolderStatus;
  QApplication::setQuitOnLastWindowClosed(true);
  form.show();
  return QApplication::exec();
}
