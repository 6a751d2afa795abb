#pragma once
// The boring-log picture of one main data file in a window of its own: scrolled
// and zoomed, saved as PDF, SVG or PNG, printed, and checked. A boring that cannot
// be read opens with an empty picture; its check lists why.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "exchange/exchange_version.hpp"
#include "picture/drawing.hpp"
#include "shell/message_box.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

class CheckDialog;
class PictureView;

struct PictureSource {
  std::u16string sourcePath;      // the main data file
  std::u16string dataFolderPath;  // with its final separator
  SoilNameStore* soilNames = nullptr;  // the window's store, only looked up in
};

inline constexpr char16_t kCannotWritePictureFile[] = u"図のファイルを書き込めません: ";

class PictureWindow : public QWidget {
  Q_OBJECT

 public:
  PictureWindow(PictureSource source, MessageBoxFunction showMessage, QWidget* parent);

  const std::u16string& SourcePath() const { return source_.sourcePath; }
  const Drawing& Picture() const;
  // Why the boring could not be read (file, record and field); empty when it was.
  const std::u16string& ReadFailure() const { return readFailure_; }

  // Writes the picture in the format of the path's extension; a failure is said
  // in a message box.
  bool SaveTo(const std::u16string& path);
  // Exports the boring to the exchange XML of `version` (read afresh from its
  // files); a failure is said in a message box with its file, record and field.
  bool SaveExchangeTo(const std::u16string& path, ExchangeVersion version);
  // Checks the boring again (its files may have changed) and shows the list.
  CheckDialog* ShowCheck();

 private:
  void CreateControls();
  void AskAndSave();
  void AskAndSaveExchange();
  void Print();

  PictureSource source_;
  MessageBoxFunction showMessage_;
  std::u16string readFailure_;
  PictureView* view_ = nullptr;
};

}  // namespace velni
