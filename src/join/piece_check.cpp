// The pieces' check before a join, in the window program's words.
#include "join/piece_check.h"

#include "framework/path_text.h"
#include "join/join_texts.h"
#include "join/piece_set.h"

namespace cordwain {

std::vector<std::string> PieceFindings(const std::vector<std::string>& paths,
                                       const std::function<std::int64_t(const std::string&)>& sizeOf,
                                       const std::function<bool(const std::string&)>& exists, const CodePage& codePage)
{
    if (paths.empty())
        return {};
    const std::string folder = FolderPart(paths.front(), codePage);
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        if (FolderPart(path, codePage) != folder)
            return {};  // pieces of one set share their folder
        names.push_back(NamePart(path, codePage));
    }
    std::vector<std::string> findings = CheckPieces(
        names, [&](const std::string& name) { return sizeOf(folder + name); }, codePage);
    for (const std::string& name : UnlistedPieces(
             names, [&](const std::string& piece) { return exists(folder + piece); }, codePage))
        findings.push_back(UnlistedPieceFinding(name));
    return findings;
}

std::string PieceCheckText(const std::vector<std::string>& findings)
{
    std::string lines;
    for (std::size_t i = 0; i < findings.size() && i < kMaxShownFindings; ++i)
        lines += findings[i] + "\n";
    if (findings.size() > kMaxShownFindings)
        lines += MoreFindingsLine(findings.size() - kMaxShownFindings);
    return PieceCheckQuestion(lines);
}

}  // namespace cordwain
