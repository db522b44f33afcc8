// The file operations the join engine needs, so it can run over real files or a test double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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

// Real files through the C run-time streams.
class StdioFileSystem final : public FileSystem {
public:
    std::int64_t SizeOf(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;
};

}  // namespace cordwain
