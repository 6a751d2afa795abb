#pragma once
// What the main window's presenter asks of a window: controls to fill and texts to
// show. A view only draws and forwards the operator's events to the presenter; none
// of these calls raises an event back.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "window/picture_source.hpp"

namespace velni {

// The source side (drive, folder and file lists) and the destination side (drive
// and folder lists) of the window.
enum class ListSide { Source, Destination };

// One line of a folder list: an ancestor of the folder shown, the folder itself
// (open), or one of its sub-folders.
struct FolderEntry {
  std::u16string name;
  std::u16string path;
  int depth = 0;
  bool open = false;
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  virtual void ShowDrives(ListSide side, const std::vector<std::u16string>& texts, std::size_t current) = 0;
  virtual void ShowCurrentDrive(ListSide side, std::size_t index) = 0;
  // The entries of the folder list; `current` is the folder's own entry.
  virtual void ShowFolders(ListSide side, const std::vector<FolderEntry>& entries, std::size_t current) = 0;
  virtual void ShowFiles(const std::vector<std::u16string>& names) = 0;
  // The kinds of file the file list can offer (below it), `current` the one offered.
  virtual void ShowFileFilters(const std::vector<std::u16string>& texts, std::size_t current) = 0;
  virtual void ShowSelectedFile(std::size_t index) = 0;

  virtual std::u16string SourceText() const = 0;
  virtual void SetSourceText(const std::u16string& text) = 0;
  virtual std::u16string DestinationText() const = 0;
  virtual void SetDestinationText(const std::u16string& text) = 0;
  virtual void SetMessageLine(const std::u16string& text) = 0;

  // A message box over the window; the answer is the number of the button pressed.
  virtual int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) = 0;
  virtual void SetBusyPointer(bool busy) = 0;
  // Lets the window system work through what is pending, once.
  virtual void YieldToWindowSystem() = 0;
  virtual void SelectDestinationText() = 0;

  virtual void CentreOnScreen() = 0;
  virtual void FocusSourceFolders() = 0;
  virtual void OpenPictureWindow(const PictureSource& source) = 0;
  virtual void Close() = 0;
};

}  // namespace velni
