#include "cli/picture_command.hpp"

#include <ostream>
#include <string>

#include "cli/absolute_path.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/output_guard.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/run_report.hpp"
#include "picture/boring_picture.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "readers/boring_reader.hpp"
#include "render/picture_files.hpp"
#include "render/svg_picture.hpp"
#include "run/main_data_files.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

constexpr char16_t kCannotWritePicture[] = u"図のファイルを書き込めません: ";

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

int RunPictureBatch(const std::string& outputFolder, const std::string& sourceFolder, bool quiet, std::ostream& out,
                    std::ostream& errors) {
  const std::u16string from = AbsolutePath(sourceFolder);
  const std::u16string to = AbsolutePath(outputFolder);
  const SurveyListing listing = ListSurvey(from);
  if (listing.borings.empty() && listing.unreadable.empty()) {
    errors << kErrorPrefix << "MDT*.JDF がありません: " << ToUtf8(from) << std::endl;
    return kExitRefused;
  }
  std::vector<std::u16string> sources;
  for (const MainDataFile& boring : listing.borings) sources.push_back(from + kPathSeparator + boring.RelativePath());
  const std::vector<ProtectedFile> tables = KnownDataFolderFiles();
  if (const auto refusal = RefusedBatchFolder(u"--pictures", to, sources, tables); !refusal.empty()) {
    return Refuse(refusal, errors);
  }
  int failed = static_cast<int>(listing.unreadable.size());
  for (const UnreadableFolder& folder : listing.unreadable) {
    errors << kErrorPrefix << "フォルダの中を読めません: " << ToUtf8(from + kPathSeparator + folder.relativeFolder) << ": "
           << ToUtf8(folder.reason) << std::endl;
  }
  for (const MainDataFile& boring : listing.borings) {
    const std::u16string relative = boring.relativeFolder.empty() ? u"" : boring.relativeFolder + kPathSeparator;
    const std::u16string output = to + kPathSeparator + relative + boring.Stem() + u".pdf";
    const std::u16string source = from + kPathSeparator + boring.RelativePath();
    std::u16string failure = RefusedOutput(u"--pictures", output, Joined(SourceFilesOf(source), tables));
    if (failure.empty() && fs::CreateFoldersAbove(output)) failure = kCannotWritePicture + output;
    if (failure.empty()) failure = DrawOne(source, output, render::PictureFormat::Pdf);
    if (!failure.empty()) {
      ++failed;
      errors << kErrorPrefix << ToUtf8(boring.RelativePath()) << ": " << ToUtf8(failure) << std::endl;
    } else if (!quiet) {
      out << ToUtf8(output) << std::endl;
    }
  }
  return failed == 0 ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
