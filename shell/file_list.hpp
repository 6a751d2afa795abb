#pragma once
// A file list: the names the presenter gives (the main data files of one folder).
#include <QListWidget>
#include <string>
#include <vector>

namespace velni {

class FileList : public QListWidget {
  Q_OBJECT

 public:
  explicit FileList(QWidget* parent);

  void SetNames(const std::vector<std::u16string>& names);
  // Selects the name as a click would, without raising FileClicked.
  void Select(std::size_t index);

 signals:
  // A name was clicked or chosen with the keys.
  void FileClicked(int row);
  // A name was double-clicked, or Enter was pressed on it: the file is to be opened.
  void FileOpened(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velni
