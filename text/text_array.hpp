#pragma once
// The run's arrays: indices 0 to a fixed upper bound, index 0 unused, the bound a
// hard limit (an index beyond it is the subscript-out-of-range failure).
#include <string>
#include <vector>

namespace velni {

class TextArray {
 public:
  explicit TextArray(int upper) : items_(static_cast<std::size_t>(upper) + 1) {}

  std::u16string& operator[](int index);
  const std::u16string& operator[](int index) const;
  int Upper() const { return static_cast<int>(items_.size()) - 1; }

 private:
  std::vector<std::u16string> items_;
};

}  // namespace velni
