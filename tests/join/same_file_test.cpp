// The identity rule: two names are one file only when the system identified both, alike.
#include <gtest/gtest.h>

#include "join/same_file.h"

namespace cordwain {
namespace {

TEST(FileIdentity, OnlyKnownEqualIdentitiesAreOneFile)
{
    const FileIdentity file{7, {1}};
    FileIdentity refsTwin = file;  // ReFS: the same low 64 bits, another file
    refsTwin.index[15] = 1;
    EXPECT_TRUE(SameIdentity(file, file));
    EXPECT_FALSE(SameIdentity(file, refsTwin));
    EXPECT_FALSE(SameIdentity(file, FileIdentity{8, {1}}));
    const FileIdentity unknown{7, {}};  // a redirector that reports no index
    EXPECT_FALSE(SameIdentity(unknown, unknown));
}

}  // namespace
}  // namespace cordwain
