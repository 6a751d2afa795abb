// velni2qx: the window of the conversion program.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "shell/folder_memory.hpp"
#include "shell/form1.hpp"
#include "shell/japanese_translations.hpp"
#include "shell/qt_text.hpp"
#include "shell/search_progress_window.hpp"
#include "window/start_up_search.hpp"

namespace {

// The program ends with this status when there is no data folder, as the command
// line does, and with 1 when there is no display to show it on.
constexpr int kNoDataFolderStatus = 3;
constexpr int kNoDisplayStatus = 1;
constexpr int kUsageStatus = 64;

constexpr char kHelpText[] =
    "使い方: velni2qx [主データファイル]\n"
    "        velni2qx [交換用データ]\n"
    "        velni2qx --help | --version\n"
    "\n"
    "VELNI柱状図 -> Qx 変換プログラムのウィンドウを開きます。主データファイル (MDT*.JDF) か\n"
    "交換用データ (*.XML) を指定すると、そのファイルを変換元に選んだ状態で始まります。\n"
    "表示のない環境ではコマンドライン版 velni2qx-cli を使ってください (velni2qx-cli --help)。\n"
    "\n"
    "終了状態: 0 終了しました、1 表示がありません、3 データフォルダがありません、64 使い方の誤り\n";

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

bool Asked(int argc, char* argv[], const char* option) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

// What is left once the window system has taken its own options: at most one file
// to start with. Anything else is a usage error, said on standard error.
std::optional<QString> FileToOpen(const QStringList& arguments, bool& usageError) {
  const QStringList rest = arguments.mid(1);
  usageError = rest.size() > 1 || (rest.size() == 1 && rest.front().startsWith(u'-'));
  if (usageError) {
    std::fprintf(stderr, "velni2qx: 使い方が正しくありません: %s\n説明は velni2qx --help で表示します。\n",
                 rest.join(u' ').toLocal8Bit().constData());
  }
  if (usageError || rest.isEmpty()) return std::nullopt;
  return rest.front();
}

velni::WindowServices MachineServices() {
  velni::WindowServices services;
  services.volumes = velni::MountedVolumes();
  services.findDataFolder = [] {
    velni::SearchProgressWindow progress;
    return velni::FindDataFolderAtStartUp(progress);
  };
  services.folderMemory = velni::SettingsFolderMemory();
  return services;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Both are answered before the window system starts, so they work without a display.
  if (Asked(argc, argv, "--help") || Asked(argc, argv, "-h")) {
    std::fputs(kHelpText, stdout);
    return 0;
  }
  if (Asked(argc, argv, "--version")) {
    std::printf("velni2qx %s\n", VELNI_VERSION);
    return 0;
  }
  qInstallMessageHandler(OnStartUpMessage);
  QApplication application(argc, argv);
  StartedUp();
  velni::LoadJapaneseTranslations(application);
  bool usageError = false;
  const std::optional<QString> fileToOpen = FileToOpen(QApplication::arguments(), usageError);
  if (usageError) return kUsageStatus;
  QApplication::setOrganizationName(QStringLiteral("velni2qx"));
  // The window class (and the Wayland application id) the desktop entry names.
  QApplication::setApplicationName(QStringLiteral("velni2qx"));
  QGuiApplication::setDesktopFileName(QStringLiteral("velni2qx"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/velni2qx.svg")));
  // No application display name: on X11 it would be appended to every window title,
  // so a message box would not show exactly the title the run gives it.
  // The search window closing must not end the program before its window opens.
  QApplication::setQuitOnLastWindowClosed(false);
  velni::Form1 form(MachineServices());
  if (!form.Form_Load()) return kNoDataFolderStatus;
  QApplication::setQuitOnLastWindowClosed(true);
  form.show();
  if (fileToOpen && !form.Presenter().DropFiles({velni::FromQString(QFileInfo(*fileToOpen).absoluteFilePath())})) {
    std::fprintf(stderr, "velni2qx: 主データファイル (MDT*.JDF) でも交換用データ (*.XML) でもないので開きません: %s\n",
                 fileToOpen->toLocal8Bit().constData());
  }
  return QApplication::exec();
}
