// The output's disk on Windows. The copy there goes through the buffer, so no extents are shared.
#include <windows.h>

#include "framework/wide_path.h"
#include "join/file_open_win32.h"
#include "join/free_space.h"

namespace cordwain {

std::optional<OutputDisk> QueryOutputDisk(const std::string& outputPath)
{
    // The folder with its backslash, as a share's root needs it.
    const std::wstring full = FileSystemName(outputPath);
    const std::size_t separator = full.find_last_of(L'\\');
    if (separator == std::wstring::npos)
        return std::nullopt;
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExW(full.substr(0, separator + 1).c_str(), &available, nullptr, nullptr))
        return std::nullopt;
    OutputDisk answer;
    answer.freeBytes = static_cast<std::int64_t>(available.QuadPart);
    answer.replacedBytes = FileSizeOf(outputPath);
    return answer;
}

bool MayShareExtents(const std::string&, const std::string&) { return false; }

}  // namespace cordwain
