#include "writers/title_sheets.hpp"

#include <gtest/gtest.h>

#include <array>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;

TEST(MeshCodeTest, JoinsTheUnpaddedParts) {
  struct Case {
    std::array<float, 6> position;
    const char* code;
  };
  const Case cases[] = {
      {{35, 41, 22, 139, 41, 30}, "53394525"},
      {{43, 3, 45.5f, 141, 21, 1.25f}, "64414278"},
      {{0, 0, 0, 139, 41, 30}, "00000000"},
      {{35, 41, 22, 0, 0, 0}, "00000000"},
      {{5, 0, 0, 139, 0, 0}, "7394000"},   // below 6° 40′: one digit of latitude
      {{-1, 0, 0, 139, 0, 0}, "-139-4000"},  // -1, 39, -4, 0, 0, 0: negative parts keep their sign
  };
  for (const Case& c : cases) {
    const auto& p = c.position;
    EXPECT_EQ(S(MeshCode(p[0], p[1], p[2], p[3], p[4], p[5])), c.code) << c.code;
  }
}

}  // namespace
}  // namespace velni
