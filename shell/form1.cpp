#include "shell/form1.hpp"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "platform/current_folder.hpp"
#include "platform/data_folder.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "run/main_data_files.hpp"
#include "shell/drive_list.hpp"
#include "shell/file_list.hpp"
#include "shell/folder_list.hpp"
#include "shell/picture_area.hpp"
#include "shell/picture_window.hpp"
#include "shell/qt_text.hpp"
#include "shell/window_run_ui.hpp"

namespace velni {
namespace {

// 15 twips make one pixel at 96 dots per inch; Qt scales these pixels to the screen.
constexpr double kTwipsPerPixel = 15.0;

int Pixels(int twips) { return qRound(twips / kTwipsPerPixel); }

QRect FromTwips(int left, int top, int width, int height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}

QLabel* PlainLabel(const QString& text, QWidget* container) {
  auto* label = new QLabel(text, container);
  label->setTextFormat(Qt::PlainText);
  return label;
}

const QString kSourceFolderKey = QStringLiteral("folders/source");
const QString kDestinationFolderKey = QStringLiteral("folders/destination");

// The one local main data file among dropped URLs; empty otherwise.
std::u16string DroppedMainDataFile(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  const std::u16string path = FromQString(data->urls().front().toLocalFile());
  return IsMainDataFileName(FileNameOf(path)) ? path : std::u16string();
}

std::vector<std::u16string> RootsOf(const std::vector<Volume>& volumes) {
  std::vector<std::u16string> roots;
  for (const Volume& volume : volumes) roots.push_back(volume.root);
  return roots;
}

}  // namespace

Form1::Form1(ShellServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), roots_(RootsOf(services_.volumes)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kWindowCaption));
  CreateControls();
  setFixedSize(FromTwips(0, 0, 9090, 6495).size());
  runUi_ = std::make_unique<WindowRunUi>(*Label3, *Text2, services_.showMessage);
  Drive1->SetVolumes(services_.volumes, CurrentFolder());
  Drive2->SetVolumes(services_.volumes, CurrentFolder());
  ConnectEvents();
  SetTabOrder();
  setAcceptDrops(true);
}

Form1::~Form1() = default;

// In the order the controls were first laid out, each over the ones before it.
void Form1::CreateControls() {
  Picture1 = Place(new PictureArea(this), "Picture1", FromTwips(0, 0, 9075, 6495));
  Frame3 = Place(new QGroupBox(QStringLiteral("メッセージ"), Picture1), "Frame3", FromTwips(240, 4740, 8475, 675));
  Label3 = Place(PlainLabel(QString(), Frame3), "Label3", FromTwips(180, 240, 8175, 315));
  Text2 = Place(new QLineEdit(Picture1), "Text2", FromTwips(2400, 900, 6255, 405));
  Text1 = Place(new QLineEdit(Picture1), "Text1", FromTwips(2400, 300, 6255, 405));
  Command2 = Place(new QPushButton(QStringLiteral("終  了"), Picture1), "Command2", FromTwips(5160, 5580, 2055, 555));
  Command1 = Place(new QPushButton(QStringLiteral("実  行"), Picture1), "Command1", FromTwips(2520, 5580, 1935, 555));
  Frame2 = Place(new QGroupBox(QStringLiteral("変換先フォルダ名選択"), Picture1), "Frame2",
                 FromTwips(5580, 1680, 3135, 2895));
  Drive2 = Place(new DriveList(Frame2), "Drive2", FromTwips(180, 2220, 2595, 390));
  Dir2 = Place(new FolderList(Frame2), "Dir2", FromTwips(180, 420, 2595, 1530));
  Frame1 = Place(new QGroupBox(QStringLiteral("変換元ファイル名選択"), Picture1), "Frame1",
                 FromTwips(240, 1680, 5175, 2895));
  File1 = Place(new FileList(Frame1), "File1", FromTwips(120, 420, 2415, 2190));
  Drive1 = Place(new DriveList(Frame1), "Drive1", FromTwips(2640, 2220, 2415, 390));
  Dir1 = Place(new FolderList(Frame1), "Dir1", FromTwips(2640, 420, 2415, 1530));
  Label2 = Place(PlainLabel(QStringLiteral("変換先フォルダ名："), Picture1), "Label2", FromTwips(240, 960, 2235, 315));
  Label1 = Place(PlainLabel(QStringLiteral("変換元ファイル名："), Picture1), "Label1", FromTwips(240, 360, 2235, 315));
}

void Form1::ConnectEvents() {
  connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
  connect(Drive2, &QComboBox::currentIndexChanged, this, [this] { Drive2_Change(); });
  connect(Dir1, &FolderList::PathChanged, this, [this] { Dir1_Change(); });
  connect(Dir2, &FolderList::PathChanged, this, [this] { Dir2_Change(); });
  connect(File1, &FileList::FileClicked, this, [this] { File1_Click(); });
  connect(File1, &FileList::FileOpened, this, [this] { File1_DblClick(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Picture1, &PictureArea::BackgroundMouseMove, this, [this] { Picture1_MouseMove(); });
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {Dir1, Drive1, File1, Dir2, Drive2, Command1, Command2, Text1, Text2};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::CentreOnScreen() {
  const QRect area = screen()->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

bool Form1::Form_Load() {
  CentreOnScreen();
  dataFolderPath_ = services_.findDataFolder();
  if (dataFolderPath_.empty()) {
    services_.showMessage(kNoDataFolderMessage, kStyleOk, std::nullopt);
    return false;
  }
  lastRun_.reset();
  Label3->setText(ToQString(kDataFolderLinePrefix + dataFolderPath_));
  File1->SetPattern(kMainDataPattern);
  StartWhereLeft(*Drive1, kSourceFolderKey);
  Drive1_Change();
  StartWhereLeft(*Drive2, kDestinationFolderKey);
  Drive2_Change();
  Text1->setText(ToQString(Dir1->Path()));
  Text2->setText(ToQString(Dir2->Path()));
  Dir1->setFocus();
  return true;
}

void Form1::Drive1_Change() { DriveChange(*Drive1, *Dir1, LastDrive1); }

void Form1::Drive2_Change() { DriveChange(*Drive2, *Dir2, LastDrive2); }

void Form1::DriveChange(DriveList& drive, FolderList& folders, std::u16string& lastDrive) {
  const std::u16string chosen = drive.Drive();
  // A drive whose remembered folder has gone opens at its root.
  const bool moved = folders.SetPath(CurrentFolderOfDrive(chosen)) || folders.SetPath(chosen);
  if (moved && ChangeCurrentFolder(folders.Path())) {
    lastDrive = chosen;
    return;
  }
  // A volume that cannot be read (a drive without its medium) is refused without a
  // word: the list returns to the last drive that worked and the folder list, which
  // never moved, stays where it was. Before any drive has worked there is none to
  // return to, and the list is left as chosen.
  if (lastDrive.empty()) return;
  const QSignalBlocker quiet(&drive);
  drive.SetDrive(lastDrive);
}

std::optional<std::u16string> Form1::RootHolding(const std::u16string& folder) const {
  const std::optional<std::size_t> index = VolumeHolding(roots_, folder);
  if (!index) return std::nullopt;
  return roots_[*index];
}

std::u16string Form1::CurrentFolderOfDrive(const std::u16string& root) const {
  if (const auto remembered = currentFolderOfVolume_.find(root); remembered != currentFolderOfVolume_.end()) {
    return remembered->second;
  }
  const std::u16string current = CurrentFolder();
  if (!current.empty() && RootHolding(current) == root) return current;
  return root;
}

void Form1::MakeCurrentFolder(const std::u16string& folder) {
  if (!ChangeCurrentFolder(folder)) return;
  if (const auto root = RootHolding(folder)) currentFolderOfVolume_[*root] = folder;
}

void Form1::Dir1_Change() {
  File1->SetPattern(kMainDataPattern);
  File1->SetPath(Dir1->Path());
  Text1->setText(ToQString(Dir1->Path()));
  MakeCurrentFolder(Dir1->Path());
  Remember(kSourceFolderKey, Dir1->Path());
}

void Form1::Dir2_Change() {
  Text2->setText(ToQString(Dir2->Path()));
  MakeCurrentFolder(Dir2->Path());
  Remember(kDestinationFolderKey, Dir2->Path());
}

// A network volume that does not answer would hold the window before it shows, so
// only folders of local volumes are taken up again.
bool Form1::OnLocalVolume(const std::u16string& folder) const {
  const std::optional<std::size_t> index = VolumeHolding(roots_, folder);
  return index && !services_.volumes[*index].network;
}

// The list opens on the folder it was left in last time, when that folder is still
// there; otherwise where it always has.
void Form1::StartWhereLeft(DriveList& drive, const QString& key) {
  if (!services_.folderMemory.recall) return;
  const std::u16string folder = services_.folderMemory.recall(key);
  if (folder.empty() || !OnLocalVolume(folder) || !fs::IsFolder(folder)) return;
  const std::u16string root = *RootHolding(folder);
  currentFolderOfVolume_[root] = folder;
  const QSignalBlocker quiet(&drive);
  drive.SetDrive(root);
}

void Form1::Remember(const QString& key, const std::u16string& folder) {
  if (services_.folderMemory.keep) services_.folderMemory.keep(key, folder);
}

bool Form1::TakeDroppedFile(const std::u16string& path) {
  const std::u16string folder = path.substr(0, std::max<std::size_t>(path.rfind(kPathSeparator), 1));
  const std::optional<std::u16string> root = RootHolding(folder);
  if (!root || !fs::IsFile(path)) return false;
  currentFolderOfVolume_[*root] = folder;
  if (Drive1->Drive() != *root) {
    Drive1->SetDrive(*root);
  } else {
    Dir1->SetPath(folder);
  }
  if (!File1->Select(FileNameOf(path))) return false;
  File1_Click();
  return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedMainDataFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  if (TakeDroppedFile(DroppedMainDataFile(event->mimeData()))) event->acceptProposedAction();
}

void Form1::File1_Click() {
  const std::u16string name = File1->FileName();
  if (name.empty()) return;
  Text1->setText(ToQString(WithFinalSeparator(Dir1->Path()) + name));
}

void Form1::File1_DblClick() {
  const std::u16string name = File1->FileName();
  if (name.empty()) return;
  if (!soilNames_) soilNames_.emplace(SoilTableFolders{dataFolderPath_});
  const PictureSource source{WithFinalSeparator(Dir1->Path()) + name, dataFolderPath_, &*soilNames_};
  // A child window: it closes with the main window, and the store it looks names
  // up in outlives it.
  auto* window = new PictureWindow(source, services_.showMessage, this);
  window->show();
}

void Form1::Command1_Click() {
  // A second click within the run's one yield must not start a run inside the run.
  if (runInProgress_) return;
  runInProgress_ = true;
  if (!soilNames_) soilNames_.emplace(SoilTableFolders{dataFolderPath_});
  const RunRequest request{FromQString(Text1->text()), FromQString(Text2->text()), dataFolderPath_, &*soilNames_};
  lastRun_ = services_.run(request, *runUi_);
  runInProgress_ = false;
}

void Form1::Command2_Click() { close(); }

void Form1::Picture1_MouseMove() {
  if (!lastRun_ || lastRun_->outcome != RunOutcome::Completed) return;
  Label3->setText(QString());
  lastRun_.reset();
}

}  // namespace velni
