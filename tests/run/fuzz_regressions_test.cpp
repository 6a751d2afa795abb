// Every input kept for a fuzz target, fed again through the target's entry function:
// inputs that once crashed, hung or broke a promise of the readers or the run, and
// edge inputs written by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fuzz/entries/conversion_run_entry.hpp"
#include "fuzz/entries/cp932_entry.hpp"
#include "fuzz/entries/field_reader_entry.hpp"
#include "fuzz/entries/xml_tree_entry.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using Entry = std::function<std::string(std::string_view)>;

const stdfs::path kRegressions = stdfs::path(VELNI_TEST_DIR) / "fuzz_regressions";

std::vector<stdfs::path> KeptInputs(const char* target) {
  std::vector<stdfs::path> inputs;
  for (const auto& entry : stdfs::directory_iterator(kRegressions / target)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

void ReplayAll(const char* target, const Entry& entry) {
  ASSERT_FALSE(KeptInputs(target).empty()) << "no input kept for " << target;
  for (const stdfs::path& input : KeptInputs(target)) {
    EXPECT_EQ(entry(testing::ReadBytes(input)), "") << input.filename();
  }
}

TEST(FuzzRegressionsTest, FieldReaderInputs) { ReplayAll("field_reader", velni::fuzzing::FieldReaderEntry); }

TEST(FuzzRegressionsTest, Cp932Inputs) { ReplayAll("cp932", velni::fuzzing::Cp932Entry); }

TEST(FuzzRegressionsTest, XmlTreeInputs) { ReplayAll("xml_tree", velni::fuzzing::XmlTreeEntry); }

TEST(FuzzRegressionsTest, ConversionRunInputs) {
  const stdfs::path dataFolder = stdfs::path(VELNI_SOURCE_DIR) / "fuzz" / "data" / "PATDAT";
  ReplayAll("conversion_run",
            [&](std::string_view input) { return velni::fuzzing::ConversionRunEntry(input, dataFolder); });
}

}  // namespace
}  // namespace velni
