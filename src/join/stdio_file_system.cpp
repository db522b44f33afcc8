// Real files for the join engine: C streams in binary mode, a 64-bit size query by path, and on
// Linux the kernel's own copy between files.
#include "join/file_system.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#ifdef __linux__
#include <unistd.h>
#endif

#ifdef _WIN32
#include "join/file_open_win32.h"
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
    StdioStream(FilePtr file, std::string path, std::size_t& kernelStep, std::vector<FileFailure>& failures)
        : m_file(std::move(file)), m_path(std::move(path)), m_kernelStep(kernelStep), m_failures(failures)
    {
    }

    std::size_t Read(char* buffer, std::size_t size) override
    {
        return Checked(std::fread(buffer, 1, size, m_file.get()), size, std::ferror(m_file.get()) != 0);
    }
    bool AtEnd() const override { return std::feof(m_file.get()) != 0; }
    std::size_t Write(const char* data, std::size_t size) override
    {
        return Checked(std::fwrite(data, 1, size, m_file.get()), size, true);
    }
    bool Close() override { return Checked(std::fclose(m_file.release()) == 0 ? 1 : 0, 1, true) == 1; }

#ifdef __linux__
    std::size_t KernelCopyStep() const override { return m_kernelStep; }

    std::optional<bool> HasMoreBytes() override
    {
        char byte = 0;
        const off_t at = ::lseek(Descriptor(), 0, SEEK_CUR);
        const ssize_t got = at < 0 ? -1 : ::pread(Descriptor(), &byte, 1, at);
        return got < 0 ? std::nullopt : std::optional<bool>(got == 1);
    }

    // Both descriptors' positions move with the copy; the output's stream holds nothing unwritten
    // while it runs, and this input's stream has read nothing yet (the engine falls back for good).
    std::optional<std::size_t> CopyTo(FileStream& output, std::size_t size) override
    {
        auto* const to = dynamic_cast<StdioStream*>(&output);
        if (to == nullptr || std::fflush(to->m_file.get()) != 0)
            return std::nullopt;
        const auto start = std::chrono::steady_clock::now();
        const ssize_t copied = ::copy_file_range(Descriptor(), nullptr, to->Descriptor(), nullptr, size, 0);
        AdaptStep(std::chrono::steady_clock::now() - start);
        return copied < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(copied));
    }

private:
    int Descriptor() const { return ::fileno(m_file.get()); }

    // Steps of 8 MiB keep progress and Cancel close on the page cache; where the file system only
    // shares extents, a step takes microseconds, and larger ones save the calls.
    void AdaptStep(std::chrono::steady_clock::duration took)
    {
        if (took < std::chrono::milliseconds(2))
            m_kernelStep = std::min(m_kernelStep * 2, kMaxKernelStep);
        else if (took > std::chrono::milliseconds(50))
            m_kernelStep = std::max(m_kernelStep / 2, kKernelStep);
    }
#endif

    // Keeps the system's reason when fewer than `asked` came through and `failed` says why.
    std::size_t Checked(std::size_t done, std::size_t asked, bool failed)
    {
        if (done < asked && failed)
            m_failures.push_back({m_path, LastSystemError()});
        return done;
    }

    FilePtr m_file;
    std::string m_path;
    std::size_t& m_kernelStep;  // the file system's, learned over every copy
    std::vector<FileFailure>& m_failures;
};

}  // namespace

std::unique_ptr<FileStream> StdioFileSystem::Open(const std::string& path, const char* mode)
{
#ifdef _WIN32
    FilePtr file(OpenFileStream(path, mode[0] == 'w'));
#else
    FilePtr file(std::fopen(path.c_str(), mode));
#endif
    if (!file) {
        m_failures.push_back({path, LastSystemError()});
        return nullptr;
    }
    if (mode[0] == 'w')
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return std::make_unique<StdioStream>(std::move(file), path, m_kernelStep, m_failures);
}

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
