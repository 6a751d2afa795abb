#pragma once
// What the benchmarks share: a front end that answers Yes and keeps the last
// message, and writing a generated source file in code page 932.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/run_ui.hpp"
#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace velni::bench {

class SilentUi : public RunUi {
 public:
  std::u16string last;
  int ShowMessage(const std::u16string& prompt, int, const std::optional<std::u16string>&) override {
    last = prompt;
    return kAnswerYes;
  }
  void SetMessageLine(const std::u16string&) override {}
  void SetBusyPointer(bool) override {}
  void YieldToWindowSystem() override {}
  void SelectDestinationText() override {}
};

inline void WriteCp932(const std::filesystem::path& path, const std::string& utf8) {
  std::ofstream(path, std::ios::binary) << EncodeCp932(FromUtf8(utf8));
}

}  // namespace velni::bench
