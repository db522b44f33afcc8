// Output-name rules as string functions, aware of double-byte characters.
#include "join/output_name.h"

#include "framework/text_scan.h"
#include "join/same_file.h"

namespace cordwain {

std::optional<NumberedName> SplitNumberedName(const std::string& path, const CodePage& codePage)
{
    const std::ptrdiff_t dot = FindLastOf(path, ".", codePage);
    if (dot < 0)
        return std::nullopt;
    const auto digits = static_cast<std::size_t>(dot + 1);
    for (std::size_t i = digits; i < path.size(); ++i) {
        if (!codePage.IsDigit(static_cast<unsigned char>(path[i])))
            return std::nullopt;
    }
    return NumberedName{path.substr(0, digits), path.substr(digits)};
}

std::string SuggestedOutputName(const std::string& firstPath, const CodePage& codePage)
{
    if (FindLastOf(firstPath, ".", codePage) == 0)
        return firstPath;
    const std::optional<NumberedName> name = SplitNumberedName(firstPath, codePage);
    return name ? name->stem.substr(0, name->stem.size() - 1) : std::string();
}

std::optional<std::string> InitialOutputFolder(const std::string& firstPath, const CodePage& codePage)
{
    const std::size_t nameStart = NameStart(firstPath, codePage, "\\");
    if (nameStart == 1)
        return std::nullopt;
    return firstPath.substr(0, nameStart == 0 ? 0 : nameStart - 1);
}

bool IsOutputInList(const JoinList& list, const std::string& output)
{
    for (int i = 0; i < list.FileCount(); ++i) {
        if (list.FilePath(i) == output)
            return true;
    }
    if (!PathExists(output))
        return false;
    for (int i = 0; i < list.FileCount(); ++i) {
        if (IsSameExistingFile(output, list.FilePath(i)))
            return true;
    }
    return false;
}

}  // namespace cordwain
