#pragma once
// The boring-log picture window's behaviour, free of any window system: the
// picture of one boring (a main data file or a delivered exchange file), saved as PDF, SVG or PNG or as exchange XML,
// zoomed, and checked. A boring that cannot be read opens with an empty picture;
// its check lists why. The view keeps the dialogs, the painting and the printer.
#include <string>
#include <vector>

#include "exchange/exchange_version.hpp"
#include "picture/drawing.hpp"
#include "window/picture_source.hpp"

namespace velni {

inline constexpr char16_t kCannotWritePictureFile[] = u"図のファイルを書き込めません: ";
inline constexpr char16_t kCannotPrintPicture[] = u"柱状図を印刷できませんでした（プリンターの状態を確かめてください）。";
inline constexpr char16_t kNoProblemsLine[] = u"問題はありません。";

class PictureWindowView {
 public:
  virtual ~PictureWindowView() = default;
  virtual void ShowMessage(const std::u16string& prompt, int style) = 0;
};

// What the check found, as the check list shows it: faults first.
struct CheckList {
  std::u16string title;    // "チェック - MDT0101.JDF"
  std::u16string summary;  // "誤り 1 件、警告 2 件"
  std::vector<std::u16string> lines;
};

class PicturePresenter {
 public:
  PicturePresenter(PictureSource source, PictureWindowView& view);

  const std::u16string& SourcePath() const { return source_.sourcePath; }
  const Drawing& Picture() const { return drawing_; }
  // Why the boring could not be read (file, record and field); empty when it was.
  const std::u16string& ReadFailure() const { return readFailure_; }
  std::u16string Title() const;
  // Below the picture: the file shown, or why there is nothing to show.
  std::u16string StatusLine() const;
  // Nothing to save or print of a boring that could not be read.
  bool CanSave() const { return readFailure_.empty(); }

  // Beside the source file, named after it.
  std::u16string SuggestedPicturePath() const;
  std::u16string SuggestedExchangePath() const;

  // Writes the picture in the format of the path's extension; a failure is said.
  bool SaveTo(const std::u16string& path);
  // Exports the boring to the exchange XML of `version` (read afresh from its
  // files); a failure is said with its file, record and field. A path that is, or
  // reaches, a file the export reads (the boring's own files, the facts file, a
  // table of the data folder) is refused and said before anything is read.
  bool SaveExchangeTo(const std::u16string& path, ExchangeVersion version);
  void PrintFailed();
  // Checks the boring again (its files may have changed).
  CheckList Check() const;

 private:
  PictureSource source_;
  PictureWindowView& view_;
  std::u16string readFailure_;
  Drawing drawing_;
};

// A name typed without a picture extension takes the one of the chosen filter
// ("pdf", "svg" or "png").
std::u16string WithPictureExtension(const std::u16string& path, const std::u16string& extension);

// Screen pixels to the millimetre of the drawing, in steps that keep the smallest
// text readable and the largest picture within memory.
class PictureZoom {
 public:
  double Factor() const { return factor_; }
  void ZoomIn();
  void ZoomOut();
  // The paper's size in pixels, with its margin.
  int Pixels(double millimetres) const;
  static constexpr int kPaperMargin = 12;

 private:
  double factor_ = 4;  // a metre of depth is 40 pixels
};

}  // namespace velni
