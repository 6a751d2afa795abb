#pragma once
// The main window: the source file and destination folder chosen in drive, folder
// and file lists, the run and end buttons, and the message line. It holds no
// conversion logic: the run button hands Text1 and Text2 to the conversion run.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/volumes.hpp"
#include "run/conversion_run.hpp"
#include "shell/folder_memory.hpp"
#include "shell/message_box.hpp"
#include "shell/window_caption.hpp"

namespace velni {

class DriveList;
class FileList;
class FolderList;
class PictureArea;
class WindowRunUi;

inline constexpr char16_t kMainDataPattern[] = u"MDT*.JDF";

// What the window asks of the machine; tests hand in temporary volumes, a data
// folder of their own and message boxes that answer without being shown.
struct ShellServices {
  std::vector<Volume> volumes;
  std::function<std::u16string()> findDataFolder;
  MessageBoxFunction showMessage;
  std::function<RunResult(const RunRequest&, RunUi&)> run = ConversionRun;
  std::u16string programFolder;
  FolderMemory folderMemory;  // may be left empty: the lists start in the current folder
};

inline constexpr char16_t kDataFolderLinePrefix[] = u"データフォルダ: ";

class Form1 : public QWidget {
 public:
  explicit Form1(ShellServices services, QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up: centres the window, finds the data folder and primes the lists.
  // False when there is no data folder: the message has been shown and the program
  // is to end without showing the window.
  bool Form_Load();
  const std::u16string& DataFolderPath() const { return dataFolderPath_; }

  void Drive1_Change();
  void Drive2_Change();
  void Dir1_Change();
  void Dir2_Change();
  void File1_Click();
  // Opens the picture window of the chosen main data file (double click or Enter).
  void File1_DblClick();
  void Command1_Click();
  void Command2_Click();
  void Picture1_MouseMove();

  // What the last run returned; its completion message stands until the mouse
  // moves over the background.
  const std::optional<RunResult>& LastRun() const { return lastRun_; }

  // A main data file dropped on the window becomes the source, as if chosen in the
  // lists; false (and nothing changes) for anything else.
  bool TakeDroppedFile(const std::u16string& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void StartWhereLeft(DriveList& drive, const QString& key);
  void Remember(const QString& key, const std::u16string& folder);
  bool OnLocalVolume(const std::u16string& folder) const;
  void CreateControls();
  void ConnectEvents();
  void SetTabOrder();
  void CentreOnScreen();
  void DriveChange(DriveList& drive, FolderList& folders, std::u16string& lastDrive);
  std::u16string CurrentFolderOfDrive(const std::u16string& root) const;
  std::optional<std::u16string> RootHolding(const std::u16string& folder) const;
  void MakeCurrentFolder(const std::u16string& folder);

  ShellServices services_;
  std::vector<std::u16string> roots_;
  std::u16string dataFolderPath_;
  // The soil-name tables, read once for the whole session and again only when
  // their files change.
  std::optional<SoilNameStore> soilNames_;
  std::u16string LastDrive1;
  std::u16string LastDrive2;
  // Each volume keeps the folder last made current on it, as a drive does.
  std::map<std::u16string, std::u16string> currentFolderOfVolume_;
  bool runInProgress_ = false;
  std::optional<RunResult> lastRun_;

  PictureArea* Picture1 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  DriveList* Drive2 = nullptr;
  FolderList* Dir2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  FileList* File1 = nullptr;
  DriveList* Drive1 = nullptr;
  FolderList* Dir1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  std::unique_ptr<WindowRunUi> runUi_;
};

}  // namespace velni
