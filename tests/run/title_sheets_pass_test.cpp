#include <gtest/gtest.h>

#include "platform/host_path.hpp"
#include "run/passes.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;

class WriteTitleSheetsPassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.DataFolderPath = data.Text();
    for (int i = 5; i <= 10; ++i) run.Title2Fields[i] = u" 0";
  }

  TempFolder data;
  TempFolder output;
  RunContext run;
};

TEST_F(WriteTitleSheetsPassTest, SheetThatCannotBeCreatedIsRememberedWithItsCause) {
  run.OutputFolder = output.Text() + u"missing" + kPathSeparator;
  WriteTitleSheetsPass(run);  // does not throw: the run goes on
  ASSERT_EQ(run.DeferredFailures.size(), 1u);
  const std::string message = S(run.DeferredFailures[0].message);
  EXPECT_NE(message.find(S(output.Text()) + testing::HostSeparators("missing/Titl01.txt")), std::string::npos)
      << message;
  EXPECT_NE(message.find(S(failure::kCannotCreate)), std::string::npos) << message;
}

TEST_F(WriteTitleSheetsPassTest, FailureBeforeTheSheetsNamesTheFirstSheetAndTheCause) {
  run.OutputFolder = output.Text();
  run.Title2Fields[7] = u"";
  WriteTitleSheetsPass(run);
  ASSERT_EQ(run.DeferredFailures.size(), 1u);
  const std::string message = S(run.DeferredFailures[0].message);
  EXPECT_NE(message.find(S(output.Text()) + "Titl01.txt"), std::string::npos) << message;
  EXPECT_NE(message.find(S(failure::kNotANumber)), std::string::npos) << message;
}

}  // namespace
}  // namespace velni
