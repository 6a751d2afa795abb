#include "text/text_array.hpp"

#include "text/run_error.hpp"

namespace velni {

namespace {

void CheckIndex(int index, int upper) {
  if (index < 0 || index > upper) throw RunError(failure::kSubscriptOutOfRange);
}

}  // namespace

std::u16string& TextArray::operator[](int index) {
  CheckIndex(index, Upper());
  return items_[static_cast<std::size_t>(index)];
}

const std::u16string& TextArray::operator[](int index) const {
  CheckIndex(index, Upper());
  return items_[static_cast<std::size_t>(index)];
}

}  // namespace velni
