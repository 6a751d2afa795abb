#include "shell/file_list.hpp"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "shell/qt_text.hpp"

namespace velni {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
  // Long names are cut at the edge, as the lists have always done.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit FileClicked(row(item)); });
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (!selectedItems().isEmpty()) emit FileClicked(row(selectedItems().front()));
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { emit FileOpened(row(item)); });
}

void FileList::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !selectedItems().isEmpty()) {
    emit FileOpened(row(selectedItems().front()));
    return;
  }
  QListWidget::keyPressEvent(event);
}

void FileList::SetNames(const std::vector<std::u16string>& names) {
  const QSignalBlocker quiet(this);
  clear();
  for (const std::u16string& name : names) addItem(ToQString(name));
}

void FileList::Select(std::size_t index) {
  const QSignalBlocker quiet(this);
  setCurrentRow(static_cast<int>(index));
}

}  // namespace velni
