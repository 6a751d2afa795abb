#pragma once
// A file list: the files of one folder whose names match its pattern, letter case
// aside, listed at once when the folder or the pattern is set.
#include <QListWidget>
#include <QRegularExpression>
#include <string>

namespace velni {

class FileList : public QListWidget {
  Q_OBJECT

 public:
  explicit FileList(QWidget* parent);

  void SetPattern(const std::u16string& pattern);
  void SetPath(const std::u16string& folder);
  // Selects the file of that name as a click would; false when the list lacks it.
  bool Select(const std::u16string& name);
  // The selected file name; empty when none is selected.
  std::u16string FileName() const;

 signals:
  // A name was clicked or chosen with the keys.
  void FileClicked();
  // A name was double-clicked, or Enter was pressed on it: the file is to be opened.
  void FileOpened();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill();

  std::u16string path_;
  QRegularExpression pattern_;
};

}  // namespace velni
