// velni2qx: the window of the conversion program.
#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/data_folder_places.hpp"
#include "platform/file_system.hpp"
#include "shell/background_search.hpp"
#include "shell/data_folder_search.hpp"
#include "shell/form1.hpp"
#include "shell/qt_text.hpp"
#include "shell/search_progress_window.hpp"

namespace {

// The program ends with this status when there is no data folder, as the command
// line does, and with 1 when there is no display to show it on.
constexpr int kNoDataFolderStatus = 3;
constexpr int kNoDisplayStatus = 1;

constexpr char kNoDisplayLine[] =
    "velni2qx: 画面 (ディスプレイ) に接続できません。表示のない環境ではコマンドライン版 velni2qx-cli を使ってください "
    "(velni2qx-cli --help)。\n";

// Without a display the window system's start fails with a fatal message and an
// abort; the operator gets one line pointing to the command line instead.
// What the window system says while it starts is held back until it has started,
// so that a failed start says only that one line.
QStringList& StartUpMessages() {
  static QStringList messages;
  return messages;
}

void OnStartUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplayLine, stderr);
    std::_Exit(kNoDisplayStatus);
  }
  StartUpMessages().append(message);
}

void StartedUp() {
  qInstallMessageHandler(nullptr);
  for (const QString& message : StartUpMessages()) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

bool AskedForVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) return true;
  }
  return false;
}

// The data folder in the order both programs share; when none of those is one, the
// volumes are searched, and the folder found is kept in the user's settings so that
// the command line uses it too. All of it on a thread of its own.
std::u16string FindDataFolderOffTheWindowThread() {
  velni::BackgroundSearch search([](const velni::FolderVisit& onVisit) {
    const velni::DataFolderChoice choice = velni::ChooseDataFolder(velni::MachineDataFolderPlaces(std::nullopt));
    if (!choice.folder.empty()) return choice.folder;
    std::u16string found = velni::FindDataFolder(velni::MachineDataFolderSearch(onVisit));
    if (!found.empty()) velni::SaveDataFolderSetting(velni::SettingsFilePath(), found);
    return found;
  });
  velni::SearchProgressWindow progress;
  return progress.WaitFor(search);
}

velni::ShellServices MachineServices() {
  velni::ShellServices services;
  services.volumes = velni::MountedVolumes();
  services.findDataFolder = FindDataFolderOffTheWindowThread;
  services.showMessage = [](const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
    return velni::ShowMessageBox(QApplication::activeWindow(), prompt, style, title);
  };
  services.programFolder = velni::fs::ProgramFolder();
  services.folderMemory = velni::SettingsFolderMemory();
  return services;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AskedForVersion(argc, argv)) {
    std::printf("velni2qx %s\n", VELNI_VERSION);
    return 0;
  }
  qInstallMessageHandler(OnStartUpMessage);
  QApplication application(argc, argv);
  StartedUp();
  QApplication::setOrganizationName(QStringLiteral("velni2qx"));
  QApplication::setApplicationName(QStringLiteral("window"));
  // No application display name: on X11 it would be appended to every window title,
  // so a message box would not show exactly the title the run gives it.
  // The search window closing must not end the program before its window opens.
  QApplication::setQuitOnLastWindowClosed(false);
  velni::Form1 form(MachineServices());
  if (!form.Form_Load()) return kNoDataFolderStatus;
  QApplication::setQuitOnLastWindowClosed(true);
  form.show();
  return QApplication::exec();
}
