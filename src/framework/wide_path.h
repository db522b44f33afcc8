// Path names for the system's wide file functions, which reach files past the classic 260-character
// limit. The rule for the extended-length form is portable; the conversion itself is Win32.
#pragma once

#include <cstddef>
#include <string>

// The longest path, in UTF-16 units, that the ordinary form takes everywhere (MAX_PATH less its
// terminator); a longer one needs the extended-length form.
constexpr std::size_t kClassicPathLimit = 259;

// The name to hand the wide functions for a full path: the path itself within the classic limit,
// else its extended-length form ("\\?\C:\...", "\\?\UNC\server\share\..."). A name that is already
// extended or names a device ("\\.\pipe\...") passes unchanged.
std::wstring ExtendedLengthName(const std::wstring& fullPath);

// Win32 only: a path of the program's 8-bit strings (the process's code page, UTF-8 under the
// manifest), possibly relative to the current folder, as the wide functions should be given it:
// resolved to a full path first, and extended past the classic limit.
std::wstring FileSystemName(const std::string& path);
