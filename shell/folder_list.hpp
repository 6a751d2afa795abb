#pragma once
// A folder list: the entries the presenter gives, the ancestors indented above the
// folder and its sub-folders below. Opening an entry (double click or Enter) is
// handed on; the presenter moves the list.
#include <QListWidget>
#include <vector>

#include "window/main_window_view.hpp"

namespace velni {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent);

  void SetEntries(const std::vector<FolderEntry>& entries, std::size_t current);

 signals:
  void EntryOpened(int row);
};

}  // namespace velni
