// The file operations the join engine needs, so it can run over real files or a test double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cordwain {

// An open stream; closing it is destroying it.
class FileStream {
public:
    virtual ~FileStream() = default;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Reads up to `size` bytes, like fread with element size 1.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // The end-of-file test, like feof.
    virtual bool AtEnd() const = 0;
    // Writes `size` bytes, like fwrite with element size 1; returns how many were written.
    virtual std::size_t Write(const char* data, std::size_t size) = 0;
    // Closes the stream, like fclose: false when data still buffered could not be written.
    // A stream that is destroyed without Close is closed all the same, unchecked.
    virtual bool Close() = 0;

    // Copying inside the kernel, where the file layer offers it: the most bytes one copy takes,
    // 0 where the layer has no such copy.
    virtual std::size_t KernelCopyStep() const { return 0; }
    // Whether bytes follow at the read position, found without taking them; nullopt when this
    // input cannot tell (a pipe, a read error).
    virtual std::optional<bool> HasMoreBytes() { return std::nullopt; }
    // Copies up to `size` bytes from this input's position to the end of `output`, inside the
    // kernel: how many, or nullopt when the kernel refuses or fails. The caller then goes on with
    // Read and Write, which meet and report any real fault themselves.
    virtual std::optional<std::size_t> CopyTo(FileStream& output, std::size_t size)
    {
        (void)output;
        (void)size;
        return std::nullopt;
    }

protected:
    FileStream() = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Size in bytes; 0 when the size cannot be queried.
    virtual std::int64_t SizeOf(const std::string& path) = 0;
    // Opens for binary reading ("rb"); null on failure.
    virtual std::unique_ptr<FileStream> OpenRead(const std::string& path) = 0;
    // Creates or truncates for binary writing ("wb"); null on failure.
    virtual std::unique_ptr<FileStream> CreateWrite(const std::string& path) = 0;
};

// The kernel's copies between files start at this step and grow up to the largest where they
// take no time (file systems that share extents rather than copy).
constexpr std::size_t kKernelStep = 8 << 20;
constexpr std::size_t kMaxKernelStep = std::size_t{1} << 30;

// A file operation that failed, with the system's error code (see join/system_error.h).
struct FileFailure {
    std::string path;
    int error = 0;
};

// Real files through the C run-time streams, copied inside the kernel where it can (Linux). The
// output is unbuffered: what a write returned for is in the file, even if the process is ended
// while another file's read hangs. Every failure is kept, in order, with the system's reason.
class StdioFileSystem final : public FileSystem {
public:
    std::int64_t SizeOf(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;
    const std::vector<FileFailure>& Failures() const { return m_failures; }

private:
    std::unique_ptr<FileStream> Open(const std::string& path, const char* mode);

    std::size_t m_kernelStep = kKernelStep;
    std::vector<FileFailure> m_failures;
};

}  // namespace cordwain
