#include "shell/folder_list.hpp"

#include <QSignalBlocker>
#include <QStyle>

#include "shell/qt_text.hpp"

namespace velni {

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  // Long names are cut at the edge, as the lists have always done.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { emit EntryOpened(row(item)); });
}

void FolderList::SetEntries(const std::vector<FolderEntry>& entries, std::size_t current) {
  const QSignalBlocker quiet(this);
  clear();
  for (const FolderEntry& entry : entries) {
    const QIcon icon = style()->standardIcon(entry.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    addItem(new QListWidgetItem(icon, QString(entry.depth * 2, u' ') + ToQString(entry.name)));
  }
  setCurrentRow(static_cast<int>(current));
}

}  // namespace velni
