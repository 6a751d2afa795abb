#pragma once
// The sink of an output file on disk: buffered writes, every failure named with
// the file and its cause.
#include <cstdio>
#include <string>

#include "text/byte_sink.hpp"

namespace velni {

class FileSink final : public ByteSink {
 public:
  enum class Mode { Create, Append };

  // Creates (or empties) the file at `path` (already resolved), or opens it for
  // appending; one that cannot be opened is the cannot-create failure naming
  // `name`, or the failure of its cause.
  FileSink(const std::u16string& path, std::u16string name, Mode mode);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  void Append(std::string_view bytes) override;
  void Close() override;

 private:
  std::u16string name_;
  std::FILE* file_ = nullptr;
};

}  // namespace velni
