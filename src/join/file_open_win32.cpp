// CreateFileW under the C streams: the handle becomes a run-time descriptor, then a stream.
#include "join/file_open_win32.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "framework/wide_path.h"

namespace cordwain {

namespace {

// An output that is not there yet is created as new, not "created or truncated": truncating,
// even a file of no bytes, makes some file systems (ext4 under Wine) write the whole output out
// when it is closed, which costs a join of a gigabyte half a second. Any failure of the new file
// leaves the answer, and the reason, to the ordinary way.
HANDLE CreateOutput(const std::wstring& name)
{
    const HANDLE created = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE)
        return created;
    return ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

}  // namespace

std::FILE* OpenFileStream(const std::string& path, bool output)
{
    const std::wstring name = FileSystemName(path);
    const HANDLE handle =
        output ? CreateOutput(name)
               : ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    // From here the descriptor owns the handle, and the stream the descriptor.
    const int descriptor =
        ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), (output ? _O_WRONLY : _O_RDONLY) | _O_BINARY);
    if (descriptor == -1) {
        ::CloseHandle(handle);
        ::SetLastError(ERROR_TOO_MANY_OPEN_FILES);
        return nullptr;
    }
    std::FILE* const stream = ::_fdopen(descriptor, output ? "wb" : "rb");
    if (stream == nullptr) {
        ::_close(descriptor);
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return stream;
}

std::int64_t FileSizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(FileSystemName(path).c_str(), GetFileExInfoStandard, &data))
        return 0;
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

}  // namespace cordwain
