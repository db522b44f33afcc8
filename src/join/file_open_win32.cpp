// CreateFileW under the C streams: the handle becomes a run-time descriptor, then a stream.
#include "join/file_open_win32.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "framework/wide_path.h"

namespace cordwain {

std::FILE* OpenFileStream(const std::string& path, bool output)
{
    const DWORD access = output ? GENERIC_WRITE : GENERIC_READ;
    const DWORD sharing = output ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE handle = ::CreateFileW(FileSystemName(path).c_str(), access, sharing, nullptr,
                                        output ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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
