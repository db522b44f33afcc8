// File identity on Windows: volume serial number and file index of an open handle.
#include <windows.h>

#include <memory>
#include <optional>

#include "join/same_file.h"

namespace cordwain {
namespace {

struct HandleCloser {
    using pointer = HANDLE;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

struct FileIdentity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
};

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    // No access rights are needed to read the identity, and sharing everything means a file
    // that another program holds open is still recognised. Backup semantics admit folders.
    const HANDLE raw = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (raw == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const FileHandle handle(raw);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle.get(), &info))
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

bool IsSameExistingFile(const std::string& a, const std::string& b)
{
    const auto first = IdentityOf(a);
    if (!first)
        return false;
    const auto second = IdentityOf(b);
    if (!second)
        return false;
    return first->volume == second->volume && first->indexHigh == second->indexHigh &&
           first->indexLow == second->indexLow;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The attributes are those of a link itself, never of its target.
bool NameTaken(const std::string& path) { return PathExists(path); }

}  // namespace cordwain
