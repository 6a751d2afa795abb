#pragma once
// A folder list: the ancestors of its path from the root down, the path itself, and
// its sub-folders below. Opening an entry (double click or Enter) moves there.
#include <QListWidget>
#include <string>
#include <vector>

namespace velni {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent);

  // The folder shown, without a final separator except at the root.
  const std::u16string& Path() const { return path_; }
  // Moves to `folder` and raises PathChanged when that moves the list; false, and
  // no move, when the folder cannot be listed (a volume without its medium).
  bool SetPath(const std::u16string& folder);

 signals:
  void PathChanged();

 private:
  void Fill(const std::vector<std::u16string>& subfolders);
  void AddEntry(const std::u16string& name, const std::u16string& path, int depth, bool open);
  void OpenEntry(QListWidgetItem* item);

  std::u16string path_;
};

}  // namespace velni
