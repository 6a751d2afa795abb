#include "cli/picture_command.hpp"

#include <ostream>
#include <string>

#include "cli/absolute_path.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/output_guard.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/run_report.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/survey_driver.hpp"
#include "picture/boring_picture.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "readers/boring_reader.hpp"
#include "render/picture_files.hpp"
#include "render/svg_picture.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

constexpr char16_t kCannotWritePicture[] = u"図のファイルを書き込めません: ";
constexpr char16_t kPictureDrawn[] = u"図を描きました: ";
constexpr SurveyWording kPictureWording{"図の一括出力の結果", "描画"};

// Reads and draws one boring; the failure's message (file, record and field) when it
// cannot be read or the file cannot be written, empty when drawn.
std::u16string DrawOne(const std::u16string& source, const std::u16string& output, render::PictureFormat format) {
  try {
    // The boring is gone before the picture is painted: a boring of 100,000 layers
    // and its painted picture do not take their memory at once.
    const Drawing drawing = LayOutBoringPicture(ReadAnyBoring(source, FileNameOf(source)));
    const std::u16string failure = render::WritePicture(drawing, output, format);
    return failure.empty() ? u"" : kCannotWritePicture + output + u"\n" + failure;
  } catch (const RunError& error) {
    return error.Message();
  }
}

// One PDF, at the boring's place below the output folder.
BoringResult DrawPlanned(const PlannedBoring& planned, const std::vector<ProtectedFile>& tables) {
  BoringResult boring = ResultFor(planned);
  const std::u16string output = planned.destinationPath + u".pdf";
  if (auto refusal = RefusedOutput(u"--pictures", output, Joined(SourceFilesOf(planned.sourcePath), tables));
      !refusal.empty()) {
    boring.outcome = RunOutcome::Refused;
    boring.message = OneLine(refusal);
    return boring;
  }
  std::u16string failure = fs::CreateFoldersAbove(output) ? kCannotWritePicture + output : u"";
  if (failure.empty()) failure = DrawOne(planned.sourcePath, output, render::PictureFormat::Pdf);
  boring.outcome = failure.empty() ? RunOutcome::Completed : RunOutcome::Failed;
  boring.message = failure.empty() ? ToUtf8(kPictureDrawn + output) : OneLine(failure);
  return boring;
}

int Refuse(const std::u16string& refusal, std::ostream& errors) {
  errors << kErrorPrefix << ToUtf8(refusal) << std::endl;
  return kExitRefused;
}

// "-": the SVG, written in memory, goes to standard output.
int PictureToStandardOutput(const std::string& source, std::ostream& errors) {
  std::u16string failure;
  try {
    const std::u16string path = AbsolutePath(source);
    const std::string svg = render::SvgPicture(LayOutBoringPicture(ReadAnyBoring(path, FileNameOf(path))));
    if (!WriteWholeFile(kStandardOutputName, svg)) failure = u"標準出力に書き込めません。";
  } catch (const RunError& error) {
    failure = error.Message();
  }
  if (failure.empty()) return kExitCompleted;
  errors << kErrorPrefix << ToUtf8(failure) << std::endl;
  return kExitFailed;
}

}  // namespace

int RunPicture(const std::string& output, const std::string& source, std::ostream& errors) {
  if (output == kStandardOutputName) return PictureToStandardOutput(source, errors);
  const std::u16string outputPath = AbsolutePath(output);
  const auto format = render::FormatOfPath(outputPath);
  if (!format) {
    return UsageError("図のファイルの拡張子は .svg、.png、.pdf のどれかです: " + output, errors);
  }
  const std::u16string sourcePath = AbsolutePath(source);
  const auto refusal =
      RefusedOutput(u"--picture", outputPath, Joined(SourceFilesOf(sourcePath), KnownDataFolderFiles()));
  if (!refusal.empty()) return Refuse(refusal, errors);
  const std::u16string failure = DrawOne(sourcePath, outputPath, *format);
  if (failure.empty()) return kExitCompleted;
  errors << kErrorPrefix << ToUtf8(failure) << std::endl;
  return kExitFailed;
}

int RunPictureBatch(const std::string& outputFolder, const std::string& sourceFolder, Verbosity verbosity,
                    std::ostream& out, std::ostream& errors) {
  const auto survey = OpenSurvey(sourceFolder, outputFolder, errors);
  if (!survey) return kExitRefused;
  std::vector<std::u16string> sources;
  for (const PlannedBoring& planned : survey->plan) sources.push_back(planned.sourcePath);
  const std::vector<ProtectedFile> tables = KnownDataFolderFiles();
  if (const auto refusal = RefusedBatchFolder(u"--pictures", AbsolutePath(outputFolder), sources, tables);
      !refusal.empty()) {
    return Refuse(refusal, errors);
  }
  const auto draw = [&](std::size_t, const PlannedBoring& planned) { return DrawPlanned(planned, tables); };
  const auto results = DriveSurvey(*survey, EachBoring(draw), verbosity, errors);
  SummariseSurvey(results, kPictureWording, verbosity, out);
  return AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
