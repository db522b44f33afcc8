// Program paths to the wide functions' names: converted from the process's code page, resolved
// against the current folder, and extended past the classic limit.
#include <windows.h>

#include "framework/wide_path.h"

namespace {

// CP_ACP is UTF-8 where the system honours the manifest's code page, and still the code page the
// program's names came in where an older system does not.
std::wstring WideFromNarrow(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

// The extended form is taken literally (no '/', "..", trailing dots or relative parts), so the
// system's own resolution runs first, against the current folder, which the program keeps where
// it was at start-up. (Wine opens long paths without the prefix too; Windows does not.)
std::wstring FileSystemName(const std::string& path)
{
    const std::wstring wide = WideFromNarrow(path);
    const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return wide;
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return wide;
    full.resize(length);
    return ExtendedLengthName(full);
}
