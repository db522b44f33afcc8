// Output-name rules as pure string functions, aware of double-byte characters.
#include "join/output_name.h"

namespace cordwain {

std::ptrdiff_t FindLastChar(const std::string& text, char wanted, ByteTest isLeadByte)
{
    std::ptrdiff_t found = -1;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (text[i] == wanted)
            found = static_cast<std::ptrdiff_t>(i);
        // A lead byte swallows the byte after it, which may look like '.' or '\' on its own.
        i += (isLeadByte(byte) && i + 1 < text.size()) ? 2 : 1;
    }
    return found;
}

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

int FindInList(const JoinList& list, const std::string& outputPath)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Text(i) == outputPath)
            return i;
    }
    return -1;
}

}  // namespace cordwain
