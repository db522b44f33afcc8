// A file system whose output feeds every byte written to it to a running hash: a join checked
// against its published checksum hashes each chunk on its way to the output, with no second read.
// Copies inside the kernel need both ends to be the file layer's own streams, so the output's
// bytes all go through the buffer, where they can be hashed.
#pragma once

#include <memory>
#include <string>

#include "join/digest.h"
#include "join/file_system.h"

namespace cordwain {

class DigestingFileSystem final : public FileSystem {
public:
    // Both must outlive every stream opened here.
    DigestingFileSystem(FileSystem& files, Digest& digest) : m_files(files), m_digest(digest) {}

    std::int64_t SizeOf(const std::string& path) override { return m_files.SizeOf(path); }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override { return m_files.OpenRead(path); }
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;

private:
    FileSystem& m_files;
    Digest& m_digest;
};

}  // namespace cordwain
