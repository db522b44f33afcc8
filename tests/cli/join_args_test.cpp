// Parsing of cordwain-join's command line.
#include <gtest/gtest.h>

#include "cli/join_args.h"

namespace cordwain {
namespace {

using Strings = std::vector<std::string>;

TEST(ParseJoinArgs, ShortLongAndBundledOptions)
{
    ParsedJoinArgs parsed = ParseJoinArgs({"a", "-dfo", "out", "b"});
    EXPECT_TRUE(parsed.args.dividers && parsed.args.force);
    EXPECT_EQ(parsed.args.output, std::optional<std::string>("out"));
    EXPECT_EQ(parsed.args.inputs, (Strings{"a", "b"}));

    parsed = ParseJoinArgs({"--dividers", "--force", "--output", "-d", "--", "-", "--help"});
    EXPECT_TRUE(parsed.args.dividers && parsed.args.force && !parsed.args.help);
    EXPECT_EQ(parsed.args.output, std::optional<std::string>("-d"));
    EXPECT_EQ(parsed.args.inputs, (Strings{"-", "--help"}));

    EXPECT_EQ(ParseJoinArgs({"-oout", "a"}).args.output, std::optional<std::string>("out"));
    EXPECT_EQ(ParseJoinArgs({"--output=x=y", "a"}).args.output, std::optional<std::string>("x=y"));
}

TEST(ParseJoinArgs, UsageErrors)
{
    const std::pair<Strings, const char*> cases[] = {
        {{"a", "-o"}, "option -o needs a file name"},
        {{"a", "--output"}, "option --output needs a file name"},
        {{"-dx", "a"}, "unknown option -x"},
        {{"--divider", "a"}, "unknown option --divider"},
        {{"-o", "x", "-o", "y", "a"}, "only one output can be given"},
        {{"--output=", "a"}, "the output name is empty"},
        {{"-", "a", "--", "-"}, "the standard input (-) can be read only once"},
    };
    for (const auto& [arguments, error] : cases)
        EXPECT_EQ(ParseJoinArgs(arguments).error, error);
}

TEST(JoinUsage, ListsEachOptionWithItsHelpInOneColumn)
{
    EXPECT_NE(kJoinUsage.find("\n  -o, --output OUTPUT  the file to write, - for the standard output; without it, the\n"
                              "                       first FILE's name without its numbered extension\n"
                              "                       (film.avi.001 -> film.avi)\n"
                              "      --strict         stop before writing"),
              std::string::npos);
}

}  // namespace
}  // namespace cordwain
