// The usual causes of a failed system call in the operator's words.
#include "platform/system_error.hpp"

#include <gtest/gtest.h>

#include <cerrno>

namespace velni {
namespace {

// Mended: an unreadable file that exists was "not found", a read-only table "cannot
// be created", a path too long "no source file selected".
TEST(SystemFailureTest, EachUsualCauseHasItsMessageAndKeepsErrno) {
  const struct {
    int error;
    const char16_t* what;
  } cases[] = {
      {EACCES, failure::kAccessDenied},  {EPERM, failure::kAccessDenied},
      {EROFS, failure::kReadOnly},      {ENOSPC, failure::kDiskFull},      {ENAMETOOLONG, failure::kPathTooLong},
      {EIO, failure::kIoError},         {EISDIR, failure::kCannotCreate},  // anything else: what the call failed to do
  };
  for (const auto& c : cases) {
    const RunError error = SystemFailure(c.error, failure::kCannotCreate, u"/d/X1.TXT");
    EXPECT_EQ(error.What(), c.what) << c.error;
    EXPECT_EQ(error.SystemError(), c.error);
    EXPECT_EQ(error.Path(), u"/d/X1.TXT");
  }
  EXPECT_EQ(SystemFailure(ENOENT, failure::kFileNotFound, u"f").What(), failure::kFileNotFound);
  EXPECT_EQ(SystemFailure(ENOENT, failure::kCannotCreate, u"f").What(), failure::kCannotCreate);
}

}  // namespace
}  // namespace velni
