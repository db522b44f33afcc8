// Parsing of cordwain-join's command line.
#include <gtest/gtest.h>

#include "cli/join_args.h"

namespace cordwain {
namespace {

TEST(ParseJoinArgs, OptionsInTheirShortLongAndBundledForms)
{
    ParsedJoinArgs parsed = ParseJoinArgs({"-d", "--force", "-o", "out", "a", "b"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.args.dividers);
    EXPECT_TRUE(parsed.args.force);
    EXPECT_EQ(parsed.args.output, std::optional<std::string>("out"));
    EXPECT_EQ(parsed.args.inputs, (std::vector<std::string>{"a", "b"}));

    parsed = ParseJoinArgs({"a", "-dfo", "out", "b"});
    EXPECT_TRUE(parsed.args.dividers && parsed.args.force);
    EXPECT_EQ(parsed.args.output, std::optional<std::string>("out"));
    EXPECT_EQ(parsed.args.inputs, (std::vector<std::string>{"a", "b"}));

    EXPECT_EQ(ParseJoinArgs({"-oout", "a"}).args.output, std::optional<std::string>("out"));
    EXPECT_EQ(ParseJoinArgs({"--output=x=y", "a"}).args.output, std::optional<std::string>("x=y"));
    EXPECT_EQ(ParseJoinArgs({"--output", "-d", "a"}).args.output, std::optional<std::string>("-d"));
    EXPECT_FALSE(ParseJoinArgs({"a"}).args.output.has_value());
}

TEST(ParseJoinArgs, NamesThatLookLikeOptions)
{
    const ParsedJoinArgs parsed = ParseJoinArgs({"-", "--", "-d", "--force"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_FALSE(parsed.args.dividers);
    EXPECT_FALSE(parsed.args.force);
    EXPECT_EQ(parsed.args.inputs, (std::vector<std::string>{"-", "-d", "--force"}));
}

TEST(ParseJoinArgs, UsageErrors)
{
    EXPECT_EQ(ParseJoinArgs({"a", "-o"}).error, "option -o needs a file name");
    EXPECT_EQ(ParseJoinArgs({"a", "--output"}).error, "option --output needs a file name");
    EXPECT_EQ(ParseJoinArgs({"-x", "a"}).error, "unknown option -x");
    EXPECT_EQ(ParseJoinArgs({"-dx", "a"}).error, "unknown option -x");
    EXPECT_EQ(ParseJoinArgs({"--divider", "a"}).error, "unknown option --divider");
    EXPECT_EQ(ParseJoinArgs({"-o", "x", "-o", "y", "a"}).error, "only one output can be given");
    EXPECT_EQ(ParseJoinArgs({"--output=", "a"}).error, "the output name is empty");
}

TEST(ParseJoinArgs, HelpAndVersion)
{
    EXPECT_TRUE(ParseJoinArgs({"--help"}).args.help);
    EXPECT_TRUE(ParseJoinArgs({"-h"}).args.help);
    EXPECT_TRUE(ParseJoinArgs({"--version"}).args.version);
}

}  // namespace
}  // namespace cordwain
