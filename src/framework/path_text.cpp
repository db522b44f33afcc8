// Splitting and joining path text.
#include "framework/path_text.h"

#include "framework/text_scan.h"

std::size_t NameStart(std::string_view path, const CodePage& codePage, std::string_view separators)
{
    return static_cast<std::size_t>(FindLastOf(path, separators, codePage) + 1);
}

std::string FolderPart(std::string_view path, const CodePage& codePage, std::string_view separators)
{
    return std::string(path.substr(0, NameStart(path, codePage, separators)));
}

std::string NamePart(std::string_view path, const CodePage& codePage, std::string_view separators)
{
    return std::string(path.substr(NameStart(path, codePage, separators)));
}

std::string JoinPath(std::string_view folder, std::string_view name, const CodePage& codePage,
                     std::string_view separators)
{
    std::string path(folder);
    if (NameStart(folder, codePage, separators) != folder.size())
        path += separators.front();
    return path.append(name);
}
