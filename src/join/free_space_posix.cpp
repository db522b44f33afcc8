// The output's disk on POSIX systems: statvfs for the space, statfs for the kind of file system.
#include <sys/stat.h>
#include <sys/statvfs.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif

#include "framework/path_text.h"
#include "join/free_space.h"

namespace cordwain {
namespace {

// The folder the output is created in: its disk is the output's.
std::string FolderOf(const std::string& outputPath)
{
    const std::string folder = FolderPart(outputPath, SystemCodePage());
    return folder.empty() ? "." : folder;
}

}  // namespace

std::optional<OutputDisk> QueryOutputDisk(const std::string& outputPath)
{
    struct statvfs disk {};
    if (statvfs(FolderOf(outputPath).c_str(), &disk) != 0)
        return std::nullopt;
    OutputDisk answer;
    answer.freeBytes = static_cast<std::int64_t>(disk.f_bavail) * static_cast<std::int64_t>(disk.f_frsize);
    // A device or a pipe takes the bytes without keeping them on the disk.
    struct stat existing {};
    if (stat(outputPath.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return std::nullopt;
        answer.replacedBytes = static_cast<std::int64_t>(existing.st_size);
    }
    return answer;
}

bool MayShareExtents(const std::string& inputPath, const std::string& outputPath)
{
#ifdef __linux__
    constexpr decltype(statfs::f_type) kBtrfs = 0x9123683E;
    constexpr decltype(statfs::f_type) kXfs = 0x58465342;
    const std::string folder = FolderOf(outputPath);
    struct stat input {};
    struct stat output {};
    struct statfs kind {};
    return stat(inputPath.c_str(), &input) == 0 && stat(folder.c_str(), &output) == 0 &&
           input.st_dev == output.st_dev && statfs(folder.c_str(), &kind) == 0 &&
           (kind.f_type == kBtrfs || kind.f_type == kXfs);
#else
    static_cast<void>(inputPath);
    static_cast<void>(outputPath);
    return false;
#endif
}

}  // namespace cordwain
