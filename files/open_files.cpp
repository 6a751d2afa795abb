#include "files/open_files.hpp"

#include <memory>

#include "files/file_sink.hpp"
#include "platform/file_system.hpp"

namespace velni {

namespace {

OutputFile OpenOutputFile(const std::u16string& path, FileSink::Mode mode) {
  return OutputFile(path, std::make_unique<FileSink>(fs::Resolve(path), path, mode));
}

}  // namespace

InputFile ReadInputFile(const std::u16string& path) { return InputFile::FromBytes(path, fs::ReadWholeFile(path)); }

OutputFile CreateOutputFile(const std::u16string& path) { return OpenOutputFile(path, FileSink::Mode::Create); }

OutputFile AppendToOutputFile(const std::u16string& path) { return OpenOutputFile(path, FileSink::Mode::Append); }

}  // namespace velni
