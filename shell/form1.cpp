#include "shell/form1.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>
#include <utility>

#include "shell/drive_list.hpp"
#include "shell/file_list.hpp"
#include "shell/folder_list.hpp"
#include "shell/picture_area.hpp"
#include "shell/picture_window.hpp"
#include "shell/qt_text.hpp"

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

// The local files among dropped URLs; a URL of anything else stands as an empty path.
std::vector<std::u16string> DroppedPaths(const QMimeData* data) {
  std::vector<std::u16string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls()) paths.push_back(url.isLocalFile() ? FromQString(url.toLocalFile()) : u"");
  return paths;
}

}  // namespace

Form1::Form1(WindowServices services, MessageBoxFunction showMessage, QWidget* parent)
    : QWidget(parent), showMessage_(std::move(showMessage)), presenter_(std::move(services), *this) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kWindowCaption));
  CreateControls();
  setFixedSize(FromTwips(0, 0, 9090, 6495).size());
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
  // The file list leaves room below it for the choice of what it lists, beside Drive1.
  File1 = Place(new FileList(Frame1), "File1", FromTwips(120, 420, 2415, 1770));
  Combo1 = Place(new QComboBox(Frame1), "Combo1", FromTwips(120, 2220, 2415, 390));
  Drive1 = Place(new DriveList(Frame1), "Drive1", FromTwips(2640, 2220, 2415, 390));
  Dir1 = Place(new FolderList(Frame1), "Dir1", FromTwips(2640, 420, 2415, 1530));
  Label2 = Place(PlainLabel(QStringLiteral("変換先フォルダ名："), Picture1), "Label2", FromTwips(240, 960, 2235, 315));
  Label1 = Place(PlainLabel(QStringLiteral("変換元ファイル名："), Picture1), "Label1", FromTwips(240, 360, 2235, 315));
}

void Form1::ConnectEvents() {
  const auto index = [](int row) { return static_cast<std::size_t>(row); };
  connect(Drive1, &QComboBox::currentIndexChanged, this,
          [this, index](int row) { presenter_.DriveChosen(ListSide::Source, index(row)); });
  connect(Drive2, &QComboBox::currentIndexChanged, this,
          [this, index](int row) { presenter_.DriveChosen(ListSide::Destination, index(row)); });
  connect(Dir1, &FolderList::EntryOpened, this,
          [this, index](int row) { presenter_.FolderOpened(ListSide::Source, index(row)); });
  connect(Dir2, &FolderList::EntryOpened, this,
          [this, index](int row) { presenter_.FolderOpened(ListSide::Destination, index(row)); });
  connect(File1, &FileList::FileClicked, this, [this, index](int row) { presenter_.FileChosen(index(row)); });
  connect(File1, &FileList::FileOpened, this, [this, index](int row) { presenter_.FileOpened(index(row)); });
  connect(Combo1, &QComboBox::currentIndexChanged, this, [this, index](int row) { presenter_.FilterChosen(index(row)); });
  connect(Command1, &QPushButton::clicked, this, [this] { presenter_.RunClicked(); });
  connect(Command2, &QPushButton::clicked, this, [this] { presenter_.QuitClicked(); });
  connect(Picture1, &PictureArea::BackgroundMouseMove, this, [this] { presenter_.BackgroundMouseMove(); });
}

void Form1::SetTabOrder() {
  QWidget* const order[] = {Dir1, Drive1, File1, Combo1, Dir2, Drive2, Command1, Command2, Text1, Text2};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

DriveList& Form1::Drive(ListSide side) const { return side == ListSide::Source ? *Drive1 : *Drive2; }

FolderList& Form1::Dir(ListSide side) const { return side == ListSide::Source ? *Dir1 : *Dir2; }

void Form1::ShowDrives(ListSide side, const std::vector<std::u16string>& texts, std::size_t current) {
  Drive(side).SetDrives(texts, current);
}

void Form1::ShowCurrentDrive(ListSide side, std::size_t index) { Drive(side).SetCurrent(index); }

void Form1::ShowFolders(ListSide side, const std::vector<FolderEntry>& entries, std::size_t current) {
  Dir(side).SetEntries(entries, current);
}

void Form1::ShowFiles(const std::vector<std::u16string>& names) { File1->SetNames(names); }

void Form1::ShowSelectedFile(std::size_t index) { File1->Select(index); }

void Form1::ShowFileFilters(const std::vector<std::u16string>& texts, std::size_t current) {
  const QSignalBlocker quiet(Combo1);
  Combo1->clear();
  for (const std::u16string& text : texts) Combo1->addItem(ToQString(text));
  Combo1->setCurrentIndex(static_cast<int>(current));
  // A text may be longer than the box: the open list shows it whole.
  Combo1->view()->setMinimumWidth(Combo1->view()->sizeHintForColumn(0));
}

std::u16string Form1::SourceText() const { return FromQString(Text1->text()); }

void Form1::SetSourceText(const std::u16string& text) { Text1->setText(ToQString(text)); }

std::u16string Form1::DestinationText() const { return FromQString(Text2->text()); }

void Form1::SetDestinationText(const std::u16string& text) { Text2->setText(ToQString(text)); }

void Form1::SetMessageLine(const std::u16string& text) { Label3->setText(ToQString(text)); }

int Form1::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
  if (showMessage_) return showMessage_(prompt, style, title);
  return ShowMessageBox(isVisible() ? this : nullptr, prompt, style, title);
}

// The hourglass covers the whole program, controls included, until the run ends.
void Form1::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void Form1::YieldToWindowSystem() { QApplication::processEvents(); }

void Form1::SelectDestinationText() {
  Text2->setFocus();
  Text2->selectAll();
}

void Form1::CentreOnScreen() {
  const QRect area = screen()->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Form1::FocusSourceFolders() { Dir1->setFocus(); }

void Form1::OpenPictureWindow(const PictureSource& source) {
  // A child window: it closes with the main window, and the store it looks names
  // up in outlives it.
  auto* window = new PictureWindow(source, showMessage_, this);
  window->show();
}

void Form1::Close() { close(); }

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (MainWindow::AcceptsDrop(DroppedPaths(event->mimeData()))) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  if (presenter_.DropFiles(DroppedPaths(event->mimeData()))) event->acceptProposedAction();
}

}  // namespace velni
