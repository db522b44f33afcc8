// Real files for the join engine: C streams in binary mode, a 64-bit size query by path, and on
// Linux the kernel's own copy between files.
#include "join/file_system.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "join/file_open_win32.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#include "join/system_error.h"

namespace cordwain {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class StdioStream final : public FileStream {
public:
    StdioStream(FilePtr file, std::string path, StdioFileSystem::Shared& shared)
        : m_file(std::move(file)), m_path(std::move(path)), m_shared(shared)
    {
#ifdef __linux__
        struct stat status {};
        m_pipe = fstat(Descriptor(), &status) == 0 && S_ISFIFO(status.st_mode);
        if (m_pipe)
            ::fcntl(Descriptor(), F_SETPIPE_SZ, 1 << 20);
#endif
    }

    // Inside the kernel while it copies; whatever it refuses or fails goes on through the buffer,
    // for good, whose read and write meet and report any fault themselves.
    ChunkCopy CopyChunkTo(FileStream& output, const std::function<bool()>& mayWrite) override
    {
#ifdef __linux__
        if (m_kernelCopy) {
            const std::optional<bool> more = HasMoreBytes();
            if (more && !*more)
                return {ChunkResult::kEnd, 0};
            if (more) {
                if (!mayWrite())
                    return {ChunkResult::kHeld, 0};
                const std::optional<std::size_t> copied = KernelCopyTo(output);
                if (copied && *copied > 0)
                    return {ChunkResult::kCopied, *copied};
            }
            m_kernelCopy = false;
            if (more)
                return BufferCopyTo(output, nullptr);  // the chunk has been let through already
        }
#endif
        return BufferCopyTo(output, &mayWrite);
    }
    std::size_t Write(const char* data, std::size_t size) override
    {
        return Checked(std::fwrite(data, 1, size, m_file.get()), size, true);
    }
    bool Close() override { return Checked(std::fclose(m_file.release()) == 0 ? 1 : 0, 1, true) == 1; }

private:
    // Reads like fread, then asks `mayWrite` (unless null) before the chunk goes out.
    ChunkCopy BufferCopyTo(FileStream& output, const std::function<bool()>* mayWrite)
    {
        std::vector<char>& buffer = m_shared.buffer;
        buffer.resize(kJoinChunkSize);
        const std::size_t n = Checked(std::fread(buffer.data(), 1, buffer.size(), m_file.get()), buffer.size(),
                                      std::ferror(m_file.get()) != 0);
        if (n == 0)
            return {std::feof(m_file.get()) != 0 ? ChunkResult::kEnd : ChunkResult::kReadFailed, 0};
        if (mayWrite != nullptr && !(*mayWrite)())
            return {ChunkResult::kHeld, n};
        return {output.Write(buffer.data(), n) < n ? ChunkResult::kWriteFailed : ChunkResult::kCopied, n};
    }

#ifdef __linux__
    // Whether bytes follow at the read position, found without taking them; nullopt when this
    // input cannot tell (a pipe, a read error).
    std::optional<bool> HasMoreBytes()
    {
        char byte = 0;
        const off_t at = ::lseek(Descriptor(), 0, SEEK_CUR);
        const ssize_t got = at < 0 ? -1 : ::pread(Descriptor(), &byte, 1, at);
        return got < 0 ? std::nullopt : std::optional<bool>(got == 1);
    }

    // Both descriptors' positions move with the copy; the output's stream holds nothing unwritten
    // while it runs, and this input's stream has read nothing yet (a buffered read ends the
    // kernel's copies of this input).
    std::optional<std::size_t> KernelCopyTo(FileStream& output)
    {
        auto* const to = dynamic_cast<StdioStream*>(&output);
        if (to == nullptr || std::fflush(to->m_file.get()) != 0)
            return std::nullopt;
        const auto start = std::chrono::steady_clock::now();
        // Into a pipe (the standard output, piped on) the pages are handed over without a copy.
        const ssize_t copied =
            to->m_pipe ? ::splice(Descriptor(), nullptr, to->Descriptor(), nullptr, m_shared.kernelStep, SPLICE_F_MOVE)
                       : ::copy_file_range(Descriptor(), nullptr, to->Descriptor(), nullptr, m_shared.kernelStep, 0);
        AdaptStep(std::chrono::steady_clock::now() - start);
        return copied < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(copied));
    }

    int Descriptor() const { return ::fileno(m_file.get()); }

    // Steps of 8 MiB keep progress and Cancel close on the page cache; where the file system only
    // shares extents, a step takes microseconds, and larger ones save the calls.
    void AdaptStep(std::chrono::steady_clock::duration took)
    {
        std::size_t& step = m_shared.kernelStep;
        if (took < std::chrono::milliseconds(2))
            step = std::min(step * 2, kMaxKernelStep);
        else if (took > std::chrono::milliseconds(50))
            step = std::max(step / 2, kKernelStep);
    }

    bool m_kernelCopy = true;
    bool m_pipe = false;
#endif

    // Keeps the system's reason when fewer than `asked` came through and `failed` says why.
    std::size_t Checked(std::size_t done, std::size_t asked, bool failed)
    {
        if (done < asked && failed)
            m_shared.failures.push_back({m_path, LastSystemError()});
        return done;
    }

    FilePtr m_file;
    std::string m_path;
    StdioFileSystem::Shared& m_shared;
};

}  // namespace

std::unique_ptr<FileStream> StdioFileSystem::Open(const std::string& path, const char* mode)
{
#ifdef _WIN32
    return Adopt(OpenFileStream(path, mode[0] == 'w'), path, mode);
#else
    return Adopt(std::fopen(path.c_str(), mode), path, mode);
#endif
}

std::unique_ptr<FileStream> StdioFileSystem::OpenStandard(int descriptor, const char* mode)
{
#ifdef _WIN32
    const int copy = ::_dup(descriptor);
    if (copy >= 0)
        ::_setmode(copy, _O_BINARY);
    std::FILE* const file = copy < 0 ? nullptr : ::_fdopen(copy, mode);
    if (copy >= 0 && file == nullptr)
        ::_close(copy);
#else
    const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    std::FILE* const file = copy < 0 ? nullptr : ::fdopen(copy, mode);
    if (copy >= 0 && file == nullptr)
        ::close(copy);
#endif
    return Adopt(file, "-", mode);
}

std::unique_ptr<FileStream> StdioFileSystem::Adopt(std::FILE* file, const std::string& path, const char* mode)
{
    if (file == nullptr) {
        m_shared.failures.push_back({path, LastSystemError()});
        return nullptr;
    }
    if (mode[0] == 'w')
        std::setvbuf(file, nullptr, _IONBF, 0);
    return std::make_unique<StdioStream>(FilePtr(file), path, m_shared);
}

std::unique_ptr<FileStream> StdioFileSystem::OpenStandardInput() { return OpenStandard(0, "rb"); }

std::unique_ptr<FileStream> StdioFileSystem::CreateStandardOutput() { return OpenStandard(1, "wb"); }

std::int64_t StdioFileSystem::SizeOf(const std::string& path)
{
#ifdef _WIN32
    return FileSizeOf(path);
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return 0;
    return static_cast<std::int64_t>(status.st_size);
#endif
}

std::unique_ptr<FileStream> StdioFileSystem::OpenRead(const std::string& path) { return Open(path, "rb"); }

std::unique_ptr<FileStream> StdioFileSystem::CreateWrite(const std::string& path) { return Open(path, "wb"); }

}  // namespace cordwain
