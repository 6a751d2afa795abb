#include "window/picture_presenter.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "check/boring_check.hpp"
#include "exchange/exchange_file.hpp"
#include "exchange/survey_facts.hpp"
#include "picture/boring_picture.hpp"
#include "platform/host_path.hpp"
#include "platform/run_ui.hpp"
#include "readers/boring_reader.hpp"
#include "readers/exchange_reader.hpp"
#include "render/picture_files.hpp"
#include "run/protected_files.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

constexpr double kSmallestZoom = 1;
constexpr double kLargestZoom = 24;
constexpr double kZoomStep = 1.25;

std::u16string StemOf(const std::u16string& path) {
  const std::u16string name = FileNameOf(path);
  return name.substr(0, name.rfind(u'.'));
}

std::u16string Number(std::ptrdiff_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

bool IsFault(const CheckProblem& problem) { return problem.severity == Severity::Fault; }

bool IsExchangeSource(const std::u16string& path) { return IsExchangeFileName(FileNameOf(path)); }

// What the export reads: the boring's own files, the facts above it and the data
// folder's tables. A delivered exchange file is one file of its own.
std::vector<ProtectedFile> FilesTheExportReads(const PictureSource& source) {
  std::vector<ProtectedFile> files = IsExchangeSource(source.sourcePath)
                                         ? std::vector<ProtectedFile>{{source.sourcePath, u"変換元の交換用データ"}}
                                         : SourceFilesOf(source.sourcePath);
  for (ProtectedFile& file : DataFolderFiles(source.dataFolderPath)) files.push_back(std::move(file));
  if (auto facts = NearestSurveyFacts(source.sourcePath, kSurveyFactsFileName, u"")) {
    files.push_back({std::move(*facts), u"調査の事実のファイル"});
  }
  return files;
}

}  // namespace

PicturePresenter::PicturePresenter(PictureSource source, PictureWindowView& view)
    : source_(std::move(source)), view_(view) {
  try {
    drawing_ = LayOutBoringPicture(ReadAnyBoring(source_.sourcePath, FileNameOf(source_.sourcePath)));
  } catch (const RunError& error) {
    readFailure_ = error.Message();
  }
}

std::u16string PicturePresenter::Title() const { return u"柱状図 - " + FileNameOf(source_.sourcePath); }

std::u16string PicturePresenter::StatusLine() const {
  return readFailure_.empty() ? source_.sourcePath : u"読み込めません (「チェック」で問題の一覧): " + readFailure_;
}

std::u16string PicturePresenter::SuggestedPicturePath() const {
  return FolderHolding(source_.sourcePath) + StemOf(source_.sourcePath) + u".pdf";
}

// A delivered exchange file is not offered as its own destination.
std::u16string PicturePresenter::SuggestedExchangePath() const {
  const std::u16string suffix = IsExchangeSource(source_.sourcePath) ? u"_再出力" : u"";
  return FolderHolding(source_.sourcePath) + StemOf(source_.sourcePath) + suffix + u".XML";
}

bool PicturePresenter::SaveTo(const std::u16string& path) {
  const auto format = render::FormatOfPath(path);
  if (format && render::SavePicture(drawing_, path, *format)) return true;
  view_.ShowMessage(kCannotWritePictureFile + path, kStyleExclamation);
  return false;
}

bool PicturePresenter::SaveExchangeTo(const std::u16string& path, ExchangeVersion version) {
  if (const auto file = ProtectedFileAt(path, FilesTheExportReads(source_))) {
    view_.ShowMessage(u"保存先 " + path + u" は" + file->what + u" " + file->path +
                          u" に当たるため、書き込みません。別の名前を指定してください。",
                      kStyleExclamation);
    return false;
  }
  try {
    // The window has no option for it: a facts file of the default name above the boring.
    ExportExchangeFile(source_.sourcePath, path, version, SurveyFactsAbove(source_.sourcePath));
    return true;
  } catch (const RunError& error) {
    view_.ShowMessage(error.Message(), kStyleExclamation);
    return false;
  }
}

void PicturePresenter::PrintFailed() { view_.ShowMessage(kCannotPrintPicture, kStyleExclamation); }

CheckList PicturePresenter::Check() const {
  CheckProblems problems = CheckBoring(source_.sourcePath, source_.dataFolderPath, source_.soilNames);
  // A fault stops the conversion: it heads the list, each kind in the order found.
  std::stable_partition(problems.begin(), problems.end(), IsFault);
  const auto faults = std::count_if(problems.begin(), problems.end(), IsFault);
  const auto warnings = static_cast<std::ptrdiff_t>(problems.size()) - faults;
  CheckList list{u"チェック - " + FileNameOf(source_.sourcePath),
                 u"誤り " + Number(faults) + u" 件、警告 " + Number(warnings) + u" 件",
                 {}};
  for (const CheckProblem& problem : problems) list.lines.push_back(ProblemLine(problem));
  if (problems.empty()) list.lines.push_back(kNoProblemsLine);
  return list;
}

std::u16string WithPictureExtension(const std::u16string& path, const std::u16string& extension) {
  if (render::FormatOfPath(path)) return path;
  return path + u"." + (extension.empty() ? u"pdf" : extension);
}

void PictureZoom::ZoomIn() { factor_ = std::min(factor_ * kZoomStep, kLargestZoom); }

void PictureZoom::ZoomOut() { factor_ = std::max(factor_ / kZoomStep, kSmallestZoom); }

int PictureZoom::Pixels(double millimetres) const {
  return static_cast<int>(std::ceil(millimetres * factor_)) + 2 * kPaperMargin;
}

}  // namespace velni
