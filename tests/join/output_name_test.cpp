// The name proposed for the output and its folder; the output_name fuzz target states where names are cut.
#include <gtest/gtest.h>

#include "join/output_name.h"

namespace cordwain {
namespace {

TEST(OutputName, ProposedNameAndFolderComeFromTheFirstEntry)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\video\\film.avi.001", "D:\\video\\film.avi"},
        {"D:\\video\\film.", "D:\\video\\film"},  // an empty extension is a number without digits
        {".001", ".001"},                         // the only dot first: nothing to drop
    };
    for (const auto& [path, proposed] : cases)
        EXPECT_EQ(SuggestedOutputName(path, CodePage()), proposed) << path;
    const CodePage doubleByte([](unsigned char byte) { return byte == 0x95; });
    EXPECT_EQ(SuggestedOutputName("a.\x95.", doubleByte), "");  // 0x95 '.' is one character: no number
    const CodePage superscriptTwo([](unsigned char) { return false; }, {}, [](unsigned char b) { return b == 0xB2; });
    EXPECT_EQ(SuggestedOutputName("x.\xB2", superscriptTwo) + SuggestedOutputName("x.1", superscriptTwo), "x");
    EXPECT_EQ(InitialOutputFolder("D:\\part.001", CodePage()), "D:");  // the fuzz target states the rest
}

}  // namespace
}  // namespace cordwain
