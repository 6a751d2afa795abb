#include "fuzz/entries/field_reader_entry.hpp"

#include <algorithm>

#include "text/input_file.hpp"
#include "text/num_or_text.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::fuzzing {
namespace {

enum class Read { Text, NumberOrText, Single, Line, EndTest, Count };

struct Script {
  std::string_view reads;
  std::string_view content;
};

Read ReadOf(char byte) {
  return static_cast<Read>(static_cast<unsigned char>(byte) % static_cast<unsigned>(Read::Count));
}

// A script of end tests alone would never reach the end: it reads text fields instead.
Script SplitInput(std::string_view input) {
  if (input.empty()) return {};
  const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(input[0]) % 9, input.size() - 1);
  Script script{input.substr(1, length), input.substr(1 + length)};
  const bool consumes = std::any_of(script.reads.begin(), script.reads.end(),
                                    [](char byte) { return ReadOf(byte) != Read::EndTest; });
  if (!consumes) script.reads = {};
  return script;
}

Read ReadAt(std::string_view reads, std::size_t step) {
  return reads.empty() ? Read::Text : ReadOf(reads[step % reads.size()]);
}

bool HasLineEnd(const std::u16string& text) { return text.find_first_of(u"\r\n") != std::u16string::npos; }

// One read of the chosen kind; what it gave is turned into the texts the writers
// would make of it, so that a value they cannot format shows up here.
std::string ReadOnce(InputFile& file, Read read, std::size_t step) {
  switch (read) {
    case Read::Text: {
      std::u16string field;
      file.ReadField(field);
      break;
    }
    case Read::NumberOrText: {
      NumOrText field;
      file.ReadField(field);
      if (field.IsNumber() && field.AsItem().back() != u' ') return "a number item without its closing blank";
      field.AsText();
      field.AsNumber();
      break;
    }
    case Read::Single: {
      float field = 0;
      file.ReadField(field);
      if (SingleItem(field).back() != u' ') return "a single item without its closing blank";
      break;
    }
    case Read::Line:
      if (HasLineEnd(file.ReadLine())) return "a line read with its line end in it";
      break;
    case Read::EndTest:
      if (file.AtEnd() && !file.AtEndOfRecords()) return "at the end of the file but not of its records";
      file.BeginRecord(u"項目", static_cast<std::int64_t>(step), 3);
      break;
    case Read::Count:
      break;
  }
  return {};
}

// A read may only fail at the very end of the file, with the read-past-end failure
// naming the file.
std::string CheckFailure(const RunError& error, const InputFile& file, const std::u16string& path) {
  if (error.What() != failure::kReadPastEnd) return "unexpected failure: " + ToUtf8(error.Message());
  if (error.Path() != path) return "failure without the file's path: " + ToUtf8(error.Message());
  if (!file.AtEnd()) return "read-past-end reported before the end of the file";
  return {};
}

}  // namespace

std::string FieldReaderEntry(std::string_view input) {
  const Script script = SplitInput(input);
  const std::u16string pathText = u"fields.txt";
  InputFile file = InputFile::FromBytes(pathText, script.content);
  if (file.Length() != static_cast<std::int64_t>(script.content.size())) return "length differs from the bytes";
  // Every read consumes at least one character or fails, and a script has at most
  // eight steps, so this bound is never met.
  const std::size_t maxSteps = 9 * (2 * script.content.size() + 8);
  for (std::size_t step = 0; step < maxSteps; ++step) {
    try {
      if (std::string wrong = ReadOnce(file, ReadAt(script.reads, step), step); !wrong.empty()) return wrong;
    } catch (const RunError& error) {
      return CheckFailure(error, file, pathText);
    }
  }
  return "the reader stopped making progress";
}

}  // namespace velni::fuzzing
