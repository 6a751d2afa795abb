#pragma once
// Where the bytes of an OutputFile go: a file on disk (see files/) or memory, so
// that formatting never depends on the file system.
#include <string>
#include <string_view>

namespace velni {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Takes the bytes; a failure is the run-time failure naming the sink's file.
  virtual void Append(std::string_view bytes) = 0;
  // Makes every byte taken final (flushed, closed); a failure to do so is the
  // run-time failure. Called once.
  virtual void Close() {}
};

// Appends to a string that the caller owns and that outlives the sink.
class MemorySink final : public ByteSink {
 public:
  explicit MemorySink(std::string& target) : target_(target) {}
  void Append(std::string_view bytes) override { target_.append(bytes); }

 private:
  std::string& target_;
};

}  // namespace velni
