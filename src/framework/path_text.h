// Paths as text: where the name part starts, the folder and name parts, and a folder and a name
// put together. Portable; a separator is always a whole character, never the trail byte of a
// double-byte one.
#pragma once

#include <string>
#include <string_view>

#include "framework/code_page.h"

// What separates the folders of this system's paths: on Windows the backslash, the slash and a
// drive's colon; elsewhere the slash. The window program's own rules name the backslash alone.
#ifdef _WIN32
constexpr std::string_view kSystemSeparators = "\\/:";
#else
constexpr std::string_view kSystemSeparators = "/";
#endif

// Just after the last separator (any of `separators`), 0 when there is none.
std::size_t NameStart(std::string_view path, const CodePage& codePage, std::string_view separators = kSystemSeparators);

// The folder part with its separator ("" for a bare name), and the name part after it.
std::string FolderPart(std::string_view path, const CodePage& codePage,
                       std::string_view separators = kSystemSeparators);
std::string NamePart(std::string_view path, const CodePage& codePage, std::string_view separators = kSystemSeparators);

// The folder, one separator and the name: a folder that already ends with a separator, or is
// empty, takes none; any other takes the first of `separators`.
std::string JoinPath(std::string_view folder, std::string_view name, const CodePage& codePage,
                     std::string_view separators = kSystemSeparators);
