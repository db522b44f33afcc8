// File identity on Windows: the 128-bit FILE_ID_INFO of an open handle where the system gives it,
// else the volume serial number and 64-bit file index.

// FILE_ID_INFO is declared from Windows 8 on; where the system is older the query fails at run
// time and the 64-bit index serves, so only this file is built against the newer headers.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#include <windows.h>

#include <cstring>
#include <optional>

#include "framework/handles.h"
#include "framework/wide_path.h"
#include "join/same_file.h"

namespace cordwain {
namespace {

// FileIdInfo needs Windows 8 or later and a file system that answers it (Wine answers it with the
// host's device and inode, so there the two indexes agree).
std::optional<FileIdentity> IdentityOf(HANDLE handle)
{
    FileIdentity identity;
    FILE_ID_INFO id{};
    if (GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        static_assert(sizeof id.FileId.Identifier == sizeof identity.index, "a 128-bit index");
        std::memcpy(identity.index.data(), id.FileId.Identifier, identity.index.size());
        return identity;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    identity.volume = info.dwVolumeSerialNumber;
    const std::uint64_t index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    std::memcpy(identity.index.data(), &index, sizeof index);  // little-endian, as FILE_ID_128 holds it
    return identity;
}

std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    // No access rights are needed to read the identity, and sharing everything means a file
    // that another program holds open is still recognised. Backup semantics admit folders.
    const CHandle handle(CreateFileW(FileSystemName(path).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle)
        return std::nullopt;
    return IdentityOf(handle.Get());
}

}  // namespace

bool IsSameExistingFile(const std::string& a, const std::string& b)
{
    const auto first = IdentityOf(a);
    if (!first)
        return false;
    const auto second = IdentityOf(b);
    return second && SameIdentity(*first, *second);
}

bool IsStandardStreamFile(StandardStream stream, const std::string& path)
{
    const HANDLE handle = GetStdHandle(stream == StandardStream::kInput ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    const auto open = IdentityOf(handle);
    auto named = open ? IdentityOf(path) : std::nullopt;
    // A handle Wine was given by the host for a redirection has no volume, only the host's inode,
    // which its named files' indexes are as well.
    if (named && open->volume == 0)
        named->volume = 0;
    return named && SameIdentity(*open, *named);
}

bool StandardStreamsAreOneFile()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE || output == nullptr || output == INVALID_HANDLE_VALUE ||
        GetFileType(output) != FILE_TYPE_DISK)
        return false;
    const auto in = IdentityOf(input);
    const auto out = in ? IdentityOf(output) : std::nullopt;
    return out && SameIdentity(*in, *out);
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesW(FileSystemName(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The attributes are those of a link itself, never of its target.
bool NameTaken(const std::string& path) { return PathExists(path); }

}  // namespace cordwain
