// A folder's names through FindFirstFileW, so long paths and names outside the code page are listed.
#include "join/folder_listing.h"

#include <windows.h>

#include <algorithm>

#include "framework/handles.h"
#include "framework/wide_path.h"

namespace cordwain {
namespace {

// Names in the process's code page (UTF-8 under the manifest), as the program's paths are.
std::string NarrowFromWide(const wchar_t* wide)
{
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string narrow(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow.data(), size, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

}  // namespace

std::vector<std::string> FileNamesEndingIn(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const CFindHandle search(::FindFirstFileW(FileSystemName(folder + "*").c_str(), &found));
    if (!search)
        return names;
    do {
        const std::string name = NarrowFromWide(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && EndsInIgnoringCase(name, suffix))
            names.push_back(name);
    } while (::FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace cordwain
