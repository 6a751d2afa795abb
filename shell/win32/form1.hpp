#pragma once
// The main window drawn with the Windows API, for Windows where there is no Qt: the
// system's controls (two drive lists, two folder lists, the file list with the
// choice of what it lists, two text boxes, the run and end buttons, the message line) in their places, handing the
// operator's events to the presenter (MainWindow) and showing what it says.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/win32/picture_window.hpp"
#include "window/main_window.hpp"

namespace velni::win32 {

// The controls' numbers (GetDlgItem), also for programs that drive a running window.
enum ControlId {
  kFrame3 = 100, kLabel3, kText2, kText1, kCommand2, kCommand1, kFrame2, kDrive2, kDir2, kFrame1, kFile1,
  kDrive1, kDir1, kLabel2, kLabel1, kCombo1,
};

class Form1 : public MainWindowView {
 public:
  explicit Form1(WindowServices services);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window (hidden) and runs start-up; false when there is no data
  // folder (the message has been shown).
  bool Form_Load();
  HWND Handle() const { return hwnd_; }
  // A control by its system name ("Command1", "Text2", "Label3").
  HWND Control(const std::u16string& name) const;
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

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void LayOut(UINT dpi);
  int Pixels(int twips) const;
  void Command(int id, int notification);
  void EnterPressed();
  void DropFiles(HDROP drop);

  MainWindow presenter_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  bool busy_ = false;
  // The picture windows opened from this one; they close with it.
  std::vector<std::unique_ptr<PictureWindow>> pictures_;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
};

// The window's text and back.
std::wstring Wide(const std::u16string& text);
std::u16string Utf16(const std::wstring& text);
std::u16string WindowText(HWND control);

}  // namespace velni::win32
