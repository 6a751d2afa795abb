#include "text/output_file.hpp"

#include <cerrno>
#include <utility>

#include "platform/file_system.hpp"
#include "platform/system_error.hpp"
#include "text/cp932.hpp"
#include "text/run_error.hpp"

namespace velni {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::OutputFile(const std::u16string& path, Mode mode) : path_(path) {
  const char* openMode = mode == Mode::Create ? "wb" : "ab";
  file_ = std::fopen(fs::NativePath(fs::Resolve(path)).c_str(), openMode);
  if (file_ == nullptr) throw SystemFailure(errno, failure::kCannotCreate, path);
  std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

OutputFile::OutputFile(std::u16string name, std::string& memory) : path_(std::move(name)), memory_(&memory) {}

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
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
  memory_ = nullptr;
  if (file_ == nullptr) return;
  std::FILE* file = std::exchange(file_, nullptr);
  errno = 0;
  const bool flushed = std::fflush(file) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!flushed || !closed) throw SystemFailure(flushed ? errno : flushError, failure::kCannotWrite, path_);
}

void OutputFile::WriteBytes(std::string_view bytes) {
  if (memory_ != nullptr) {
    memory_->append(bytes);
    return;
  }
  if (file_ == nullptr) throw RunError(failure::kCannotWrite, path_);
  if (bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    throw SystemFailure(errno, failure::kCannotWrite, path_);
  }
}

}  // namespace velni
