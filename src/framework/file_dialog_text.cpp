// The file dialog's text rules.
#include "framework/file_dialog_text.h"

#include "framework/path_text.h"
#include "framework/text_scan.h"

std::vector<char> FileDialogFilter(std::string_view filter, const CodePage& codePage)
{
    std::vector<char> result;
    for (std::size_t i = 0; i < filter.size();) {
        const std::size_t length = CharacterLength(filter, i, codePage);
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

std::string JoinSelectedName(std::string_view folder, std::string_view name, const CodePage& codePage)
{
    // A folder written without backslashes takes a slash.
    const std::string_view separator = NameStart(folder, codePage, "\\") == 0 ? "/" : "\\";
    return JoinPath(folder, name, codePage, separator);
}
