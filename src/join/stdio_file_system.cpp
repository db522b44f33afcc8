// Real files for the join engine: C streams in binary mode and a 64-bit size query by path.
#include "join/file_system.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>

namespace cordwain {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class StdioStream final : public FileStream {
public:
    explicit StdioStream(FilePtr file) : m_file(std::move(file)) {}

    std::size_t Read(char* buffer, std::size_t size) override { return std::fread(buffer, 1, size, m_file.get()); }
    bool AtEnd() const override { return std::feof(m_file.get()) != 0; }
    std::size_t Write(const char* data, std::size_t size) override { return std::fwrite(data, 1, size, m_file.get()); }
    bool Close() override { return std::fclose(m_file.release()) == 0; }

private:
    FilePtr m_file;
};

std::unique_ptr<FileStream> Open(const std::string& path, const char* mode)
{
    FilePtr file(std::fopen(path.c_str(), mode));
    if (!file)
        return nullptr;
    return std::make_unique<StdioStream>(std::move(file));
}

}  // namespace

std::int64_t StdioFileSystem::SizeOf(const std::string& path)
{
#ifdef _WIN32
    struct _stat64 status {};
    if (_stat64(path.c_str(), &status) != 0)
        return 0;
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return 0;
#endif
    return static_cast<std::int64_t>(status.st_size);
}

std::unique_ptr<FileStream> StdioFileSystem::OpenRead(const std::string& path) { return Open(path, "rb"); }

std::unique_ptr<FileStream> StdioFileSystem::CreateWrite(const std::string& path) { return Open(path, "wb"); }

}  // namespace cordwain
