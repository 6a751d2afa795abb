#include "files/file_sink.hpp"

#include <cerrno>
#include <utility>

#include "platform/file_system.hpp"
#include "platform/system_error.hpp"
#include "text/run_error.hpp"

namespace velni {

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

FileSink::FileSink(const std::u16string& path, std::u16string name, Mode mode) : name_(std::move(name)) {
  file_ = fs::OpenStdioFile(path, mode == Mode::Append);
  if (file_ == nullptr) throw SystemFailure(errno, failure::kCannotCreate, name_);
  std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

FileSink::~FileSink() {
  if (file_ != nullptr) std::fclose(file_);
}

void FileSink::Append(std::string_view bytes) {
  if (file_ == nullptr) throw RunError(failure::kCannotWrite, name_);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    throw SystemFailure(errno, failure::kCannotWrite, name_);
  }
}

void FileSink::Close() {
  if (file_ == nullptr) return;
  std::FILE* file = std::exchange(file_, nullptr);
  errno = 0;
  const bool flushed = std::fflush(file) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!flushed || !closed) throw SystemFailure(flushed ? errno : flushError, failure::kCannotWrite, name_);
}

}  // namespace velni
