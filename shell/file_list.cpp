#include "shell/file_list.hpp"

#include <QKeyEvent>

#include "platform/file_system.hpp"
#include "shell/qt_text.hpp"

namespace velni {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
  // Long names are cut at the edge, as the lists have always done.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemClicked, this, &FileList::FileClicked);
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (!selectedItems().isEmpty()) emit FileClicked();
  });
  connect(this, &QListWidget::itemDoubleClicked, this, &FileList::FileOpened);
}

void FileList::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !selectedItems().isEmpty()) {
    emit FileOpened();
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FileList::SetPattern(const std::u16string& pattern) {
  const QRegularExpression wanted = QRegularExpression::fromWildcard(ToQString(pattern), Qt::CaseInsensitive);
  if (wanted == pattern_) return;
  pattern_ = wanted;
  Fill();
}

void FileList::SetPath(const std::u16string& folder) {
  path_ = folder;
  Fill();
}

bool FileList::Select(const std::u16string& name) {
  const QList<QListWidgetItem*> found = findItems(ToQString(name), Qt::MatchExactly);
  if (found.isEmpty()) return false;
  setCurrentItem(found.front());
  return true;
}

std::u16string FileList::FileName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? std::u16string() : FromQString(selected.front()->text());
}

void FileList::Fill() {
  clear();
  if (path_.empty()) return;
  for (const std::u16string& name : fs::ListFiles(path_)) {
    const QString text = ToQString(name);
    if (pattern_.match(text).hasMatch()) addItem(text);
  }
}

}  // namespace velni
