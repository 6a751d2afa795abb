#include "window/picture_presenter.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "check/boring_check.hpp"
#include "exchange/exchange_file.hpp"
#include "exchange/survey_facts.hpp"
#include "picture/boring_picture.hpp"
#include "platform/host_path.hpp"
#include "platform/run_ui.hpp"
#include "readers/boring_reader.hpp"
#include "render/picture_files.hpp"
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

}  // namespace

PicturePresenter::PicturePresenter(PictureSource source, PictureWindowView& view)
    : source_(std::move(source)), view_(view) {
  try {
    drawing_ = LayOutBoringPicture(ReadBoring(source_.sourcePath, FileNameOf(source_.sourcePath)));
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

std::u16string PicturePresenter::SuggestedExchangePath() const {
  return FolderHolding(source_.sourcePath) + StemOf(source_.sourcePath) + u".XML";
}

bool PicturePresenter::SaveTo(const std::u16string& path) {
  const auto format = render::FormatOfPath(path);
  if (format && render::SavePicture(drawing_, path, *format)) return true;
  view_.ShowMessage(kCannotWritePictureFile + path, kStyleExclamation);
  return false;
}

bool PicturePresenter::SaveExchangeTo(const std::u16string& path, ExchangeVersion version) {
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
