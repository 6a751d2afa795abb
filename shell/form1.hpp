#pragma once
// The main window drawn with Qt: it builds the controls, hands the operator's events
// to the presenter (MainWindow) and shows what the presenter says.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "shell/message_box.hpp"
#include "shell/window_caption.hpp"
#include "window/main_window.hpp"

namespace velni {

class DriveList;
class FileList;
class FolderList;
class PictureArea;

class Form1 : public QWidget, public MainWindowView {
 public:
  // Without `showMessage` the window's own message boxes answer.
  Form1(WindowServices services, MessageBoxFunction showMessage = nullptr, QWidget* parent = nullptr);
  ~Form1() override;

  // False when there is no data folder: the message has been shown and the program
  // is to end without showing the window.
  bool Form_Load() { return presenter_.Load(); }
  MainWindow& Presenter() { return presenter_; }

  void ShowDrives(ListSide side, const std::vector<std::u16string>& texts, std::size_t current) override;
  void ShowCurrentDrive(ListSide side, std::size_t index) override;
  void ShowFolders(ListSide side, const std::vector<FolderEntry>& entries, std::size_t current) override;
  void ShowFiles(const std::vector<std::u16string>& names) override;
  void ShowFileFilters(const std::vector<std::u16string>& texts, std::size_t current) override;
  void ShowSelectedFile(std::size_t index) override;
  std::u16string SourceText() const override;
  void SetSourceText(const std::u16string& text) override;
  std::u16string DestinationText() const override;
  void SetDestinationText(const std::u16string& text) override;
  void SetMessageLine(const std::u16string& text) override;
  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetBusyPointer(bool busy) override;
  void YieldToWindowSystem() override;
  void SelectDestinationText() override;
  void CentreOnScreen() override;
  void FocusSourceFolders() override;
  void OpenPictureWindow(const PictureSource& source) override;
  void Close() override;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void ConnectEvents();
  void SetTabOrder();
  DriveList& Drive(ListSide side) const;
  FolderList& Dir(ListSide side) const;

  MessageBoxFunction showMessage_;
  MainWindow presenter_;
  bool busy_ = false;

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
  QComboBox* Combo1 = nullptr;  // the kind of file File1 offers
  DriveList* Drive1 = nullptr;
  FolderList* Dir1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
};

}  // namespace velni
