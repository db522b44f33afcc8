// What the Join command names before it asks for the output, over a folder of pieces it only sizes.
#include <gtest/gtest.h>

#include <map>

#include "join/join_texts.h"
#include "join/piece_check.h"

namespace cordwain {
namespace {

TEST(PieceCheck, EachKindOfFindingIsNamedByThePiecesNames)
{
    const std::map<std::string, std::int64_t> disk = {
        {"v/p.001", 10}, {"v/p.002", 10}, {"v/p.003", 10}, {"v/p.004", 4}, {"v/q.001", 10},
        {"v/q.002", 4},  {"v/q.003", 10}, {"w/p.002", 10}, {"v/r.000", 1}, {"v/r.001", 1}};
    const auto sizeOf = [&](const std::string& path) { return disk.count(path) ? disk.at(path) : 0; };
    const auto exists = [&](const std::string& path) { return disk.count(path) > 0; };
    const std::string unlisted = " is in the same folder but not in the list";
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"v/p.001", "v/p.002", "v/p.003", "v/p.004"}, {}},  // whole: a short last piece is no fault
        {{"v/p.001", "v/p.002", "v/p.004"}, {"p.003 is missing between p.002 and p.004", "p.003" + unlisted}},
        {{"v/p.001", "v/p.002", "v/p.002", "v/p.003", "v/p.004"}, {"p.002 is given twice"}},
        {{"v/p.002", "v/p.001"},
         {"p.001 comes after p.002: the pieces are out of order", "p.003" + unlisted, "p.004" + unlisted}},
        {{"v/q.001", "v/q.002", "v/q.003"}, {"q.002 is smaller than q.001 (4 bytes against 10): a piece cut short?"}},
        {{"v/r.001"}, {"r.000" + unlisted}},  // before the first
        {{"v/p.001", "v/r.001"}, {}},         // two sets
        {{"v/p.001", "w/p.002"}, {}},         // not one folder
    };
    for (const auto& [paths, findings] : cases)
        EXPECT_EQ(PieceFindings(paths, sizeOf, exists, CodePage()), findings) << paths.size() << " " << paths.back();
}

TEST(PieceCheck, TheQuestionShowsTenFindingsAndCountsTheRest)
{
    const std::string tenLines(kMaxShownFindings, '\n');  // of empty findings
    EXPECT_EQ(PieceCheckText(std::vector<std::string>(12)), PieceCheckQuestion(tenLines + "...and 2 more.\n"));
    EXPECT_EQ(PieceCheckText(std::vector<std::string>(10)), PieceCheckQuestion(tenLines));
}

}  // namespace
}  // namespace cordwain
