#include "fuzz/entries/conversion_run_entry.hpp"

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <vector>

#include "fuzz/entries/scratch_folder.hpp"
#include "fuzz/entries/scripted_run_ui.hpp"
#include "fuzz/entries/soil_table_check.hpp"
#include "run/conversion_run.hpp"
#include "text/utf.hpp"

namespace velni::fuzzing {
namespace {

namespace stdfs = std::filesystem;

inline constexpr char16_t kFileLabel[] = u"ファイル: ";
inline constexpr char16_t kStoppedHeading[] = u"変換を中止しました。";

struct Boring {
  std::string_view main;
  std::optional<std::string_view> remarks;
  std::optional<std::string_view> penetration;
};

Boring CutBoring(std::string_view input) {
  Boring boring;
  const std::size_t first = input.find(kPartSeparator);
  boring.main = input.substr(0, first);
  if (first == std::string_view::npos) return boring;
  const std::size_t second = input.find(kPartSeparator, first + 1);
  const std::size_t remarksEnd = second == std::string_view::npos ? input.size() : second;
  boring.remarks = input.substr(first + 1, remarksEnd - first - 1);
  if (second != std::string_view::npos) boring.penetration = input.substr(second + 1);
  return boring;
}

void WriteFile(const stdfs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadAll(const stdfs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The template's files, read once: writing them afresh for every input is cheaper than
// copying, and is not interrupted by the fuzzer's timer signal as a file copy is.
struct TemplateFile {
  stdfs::path name;
  std::string bytes;
};

const std::vector<TemplateFile>& TemplateFiles(const stdfs::path& dataFolderTemplate) {
  static const stdfs::path loadedFrom = dataFolderTemplate;
  static const std::vector<TemplateFile> files = [&] {
    std::vector<TemplateFile> read;
    for (const auto& entry : stdfs::directory_iterator(dataFolderTemplate)) {
      if (entry.is_regular_file()) read.push_back({entry.path().filename(), ReadAll(entry.path())});
    }
    return read;
  }();
  if (loadedFrom != dataFolderTemplate) throw std::logic_error("one data folder template per process");
  return files;
}

void CopyTemplate(const stdfs::path& dataFolderTemplate, const stdfs::path& data) {
  stdfs::create_directories(data);
  for (const TemplateFile& file : TemplateFiles(dataFolderTemplate)) WriteFile(data / file.name, file.bytes);
}

stdfs::path WriteBoring(const stdfs::path& work, const Boring& boring) {
  const stdfs::path source = work / "src";
  stdfs::create_directories(source);
  WriteFile(source / "MDT0001.JDF", boring.main);
  if (boring.remarks) WriteFile(source / "KDT0001.JDF", *boring.remarks);
  if (boring.penetration) WriteFile(source / "NDT0001.JDF", *boring.penetration);
  return source / "MDT0001.JDF";
}

// Every failure reported must name its file: one line of the message per failure
// carries the file label followed by a path.
bool NamesAFile(const std::u16string& message) {
  const std::size_t label = message.find(kFileLabel);
  if (label == std::u16string::npos) return false;
  const std::size_t path = label + std::char_traits<char16_t>::length(kFileLabel);
  return path < message.size() && message[path] != u'\n';
}

std::string JudgeFailure(const ScriptedRunUi& ui) {
  if (ui.shown.empty()) return "failed without a message";
  const std::u16string& message = ui.shown.back().prompt;
  if (message.rfind(kStoppedHeading, 0) != 0) return "failure message without its heading: " + ToUtf8(message);
  if (!NamesAFile(message)) return "failure message naming no file: " + ToUtf8(message);
  if (!ui.messageLine.empty()) return "message line not cleared after a failure";
  return {};
}

std::string JudgeCompletion(const ScriptedRunUi& ui, const stdfs::path& destination, const stdfs::path& data) {
  if (ui.messageLine != kCompletedMessage) return "completed without the completion message";
  for (const char* workFile : {"N12.TXT", "N12.TMP"}) {
    if (stdfs::exists(destination / workFile)) return std::string("work file left behind: ") + workFile;
  }
  if (stdfs::exists(data / "XKISHITU.TMP")) return "XKISHITU.TMP left behind";
  return {};
}

// The soil-name table only grows at its end; both tables stay whole.
std::string JudgeTables(const stdfs::path& data, const stdfs::path& dataFolderTemplate) {
  const std::string before = ReadAll(dataFolderTemplate / "KISHITU.TXT");
  if (ReadAll(data / "KISHITU.TXT").rfind(before, 0) != 0) return "KISHITU.TXT lost part of what it held";
  for (const char* table : {"KISHITU.TXT", "XKISHITU.TXT"}) {
    if (std::string problem = ReadSoilTableLines(data / table).problem; !problem.empty()) return problem;
  }
  return {};
}

std::string JudgeOutcome(RunOutcome outcome, const ScriptedRunUi& ui, const stdfs::path& destination,
                         const stdfs::path& data) {
  switch (outcome) {
    case RunOutcome::Completed:
      return JudgeCompletion(ui, destination, data);
    case RunOutcome::Failed:
      return JudgeFailure(ui);
    case RunOutcome::Refused:
      break;
  }
  return "the run refused a request it must accept";
}

}  // namespace

std::string ConversionRunEntry(std::string_view input, const stdfs::path& dataFolderTemplate) {
  const stdfs::path work = FreshFolder("run");
  const stdfs::path data = work / "PATDAT";
  CopyTemplate(dataFolderTemplate, data);
  stdfs::create_directories(work / "program");
  const stdfs::path source = WriteBoring(work, CutBoring(input));
  const stdfs::path destination = work / "out" / "B01";

  const RunRequest request{FromUtf8(source.string()), FromUtf8(destination.string()),
                           FromUtf8(data.string() + "/")};
  ScriptedRunUi ui;
  const RunOutcome outcome = ConversionRun(request, ui).outcome;
  if (std::string wrong = JudgeOutcome(outcome, ui, destination, data); !wrong.empty()) return wrong;
  return JudgeTables(data, dataFolderTemplate);
}

}  // namespace velni::fuzzing
