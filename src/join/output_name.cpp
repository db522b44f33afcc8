// Output-name rules as string functions, aware of double-byte characters.
#include "join/output_name.h"

#include "join/same_file.h"

namespace cordwain {

std::string SuggestedOutputName(const std::string& firstPath, const CharClasses& classes)
{
    const std::ptrdiff_t dot = FindLastChar(firstPath, '.', classes.isLeadByte);
    if (dot == 0)
        return firstPath;
    const std::size_t tailStart = static_cast<std::size_t>(dot + 1);  // 0 when there is no dot
    for (std::size_t i = firstPath.size(); i > tailStart; --i) {
        if (!classes.isDigit(static_cast<unsigned char>(firstPath[i - 1])))
            return std::string();
    }
    if (dot < 0)
        return std::string();
    return firstPath.substr(0, static_cast<std::size_t>(dot));
}

std::optional<std::string> InitialOutputFolder(const std::string& firstPath, const CharClasses& classes)
{
    const std::ptrdiff_t slash = FindLastChar(firstPath, '\\', classes.isLeadByte);
    if (slash == 0)
        return std::nullopt;
    if (slash < 0)
        return std::string();
    return firstPath.substr(0, static_cast<std::size_t>(slash));
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
