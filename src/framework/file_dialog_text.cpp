// The file dialog's text rules.
#include "framework/file_dialog_text.h"

std::vector<char> FileDialogFilter(std::string_view filter, LeadByteTest isLeadByte)
{
    std::vector<char> result;
    for (std::size_t i = 0; i < filter.size();) {
        const std::size_t length = CharacterLength(filter, i, isLeadByte);
        if (length == 1 && filter[i] == '|')
            result.push_back('\0');
        else
            result.insert(result.end(), filter.begin() + i, filter.begin() + i + length);
        i += length;
    }
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

bool IsWholeAnswer(std::string_view buffer)
{
    for (std::size_t begin = 0;;) {
        const std::size_t end = buffer.find('\0', begin);
        if (end == std::string_view::npos)
            return false;
        if (end == begin)
            return true;
        begin = end + 1;
    }
}

std::string JoinSelectedName(std::string_view folder, std::string_view name, LeadByteTest isLeadByte)
{
    const std::ptrdiff_t lastBackslash = FindLastChar(folder, '\\', isLeadByte);
    std::string path(folder);
    if (lastBackslash < 0)
        path += '/';
    else if (lastBackslash + 1 != static_cast<std::ptrdiff_t>(folder.size()))
        path += '\\';
    return path.append(name);
}
