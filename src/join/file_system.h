// The file operations the join engine needs, so it can run over real files or a test double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cordwain {

// Files are copied through one buffer of this size, where they go through a buffer at all.
constexpr std::size_t kJoinChunkSize = 524288;

// What one step of copying did.
enum class ChunkResult {
    kCopied,       // a chunk went to the output whole
    kEnd,          // the input had nothing more: the file is done
    kReadFailed,   // reading stopped before the end of the input
    kWriteFailed,  // the output took fewer bytes than the chunk held
    kHeld,         // a chunk was there, and `mayWrite` kept it out of the output
};

struct ChunkCopy {
    ChunkResult result = ChunkResult::kEnd;
    std::size_t bytes = 0;  // bytes read for this chunk, whether or not they were written
};

// An open stream; closing it is destroying it.
class FileStream {
public:
    virtual ~FileStream() = default;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Copies the next chunk of this input to the end of `output`, whichever way the file layer
    // copies. `mayWrite` is asked once a chunk is known to be there and before any of it is
    // written, and only then: when it says no, nothing of the chunk reaches the output.
    virtual ChunkCopy CopyChunkTo(FileStream& output, const std::function<bool()>& mayWrite) = 0;
    // Writes `size` bytes, like fwrite with element size 1; returns how many were written.
    virtual std::size_t Write(const char* data, std::size_t size) = 0;
    // Closes the stream, like fclose: false when data still buffered could not be written.
    // A stream that is destroyed without Close is closed all the same, unchecked.
    virtual bool Close() = 0;

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

// Whether StdioFileSystem copies inside the kernel, where no buffer of the program sees the bytes.
#ifdef __linux__
constexpr bool kStdioCopiesInKernel = true;
#else
constexpr bool kStdioCopiesInKernel = false;
#endif

// The kernel's copies between files start at this step and grow up to the largest where they
// take no time (file systems that share extents rather than copy).
constexpr std::size_t kKernelStep = 8 << 20;
constexpr std::size_t kMaxKernelStep = std::size_t{1} << 30;

// A file operation that failed, with the system's error code (see join/system_error.h).
struct FileFailure {
    std::string path;
    int error = 0;
};

// Real files through the C run-time streams, copied inside the kernel where it can (Linux), else
// through one buffer of kJoinChunkSize that serves every file. The output is unbuffered: what a
// write returned for is in the file, even if the process is ended while another file's read
// hangs. Every failure is kept, in order, with the system's reason.
class StdioFileSystem final : public FileSystem {
public:
    std::int64_t SizeOf(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;
    const std::vector<FileFailure>& Failures() const { return m_shared.failures; }

    // What every stream opened here shares.
    struct Shared {
        std::size_t kernelStep = kKernelStep;  // learned over every copy
        std::vector<char> buffer;              // allocated at the first buffered chunk, kept for the job
        std::vector<FileFailure> failures;
    };

private:
    std::unique_ptr<FileStream> Open(const std::string& path, const char* mode);

    Shared m_shared;
};

}  // namespace cordwain
