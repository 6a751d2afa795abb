#include "text/output_file.hpp"

#include <utility>

#include "text/cp932.hpp"
#include "text/run_error.hpp"

namespace velni {

OutputFile::OutputFile(std::u16string name, std::unique_ptr<ByteSink> sink)
    : path_(std::move(name)), sink_(std::move(sink)) {}

OutputFile::OutputFile(std::u16string name, std::string& memory)
    : OutputFile(std::move(name), std::make_unique<MemorySink>(memory)) {}

// A failure while closing is not reported here: Close() is the place to hear of it.
OutputFile::~OutputFile() {
  if (sink_ == nullptr) return;
  try {
    sink_->Close();
  } catch (...) {  // a destructor must not throw
  }
}

void OutputFile::Write(std::u16string_view item) {
  encoded_.clear();
  AppendCp932(item, encoded_);
  WriteBytes(encoded_);
}

void OutputFile::Write(const NumOrText& item) { Write(item.AsItem()); }

void OutputFile::EndLine() { WriteBytes("\r\n"); }

void OutputFile::WriteLine(std::u16string_view item) {
  Write(item);
  EndLine();
}

void OutputFile::Close() {
  if (sink_ == nullptr) return;
  std::unique_ptr<ByteSink> sink = std::exchange(sink_, nullptr);
  sink->Close();
}

void OutputFile::WriteBytes(std::string_view bytes) {
  if (sink_ == nullptr) throw RunError(failure::kCannotWrite, path_);
  if (!bytes.empty()) sink_->Append(bytes);
}

}  // namespace velni
