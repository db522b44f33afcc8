// Hashing an output while the kernel copies into it: the copy never passes through a buffer the
// program could hash, so a second thread reads the output's own bytes as they land, trailing the
// copy, and the hash ends soon after the copy does rather than starting then.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "join/digest.h"
#include "join/file_system.h"

namespace cordwain {

class TrailingDigest {
public:
    // `digest` must outlive this.
    explicit TrailingDigest(Digest& digest) : m_digest(digest) {}
    // A reading still under way is abandoned.
    ~TrailingDigest();
    TrailingDigest(const TrailingDigest&) = delete;
    TrailingDigest& operator=(const TrailingDigest&) = delete;

    // Starts reading the file at `path`, just created, as a writer appends to it. Once only.
    void Follow(const std::string& path);
    // The writer has closed the file: reads it to the end, telling `progress` how many bytes are
    // hashed now and then. False when it was never followed or could not all be read.
    bool Finish(const std::function<void(std::int64_t hashed)>& progress);

private:
    void ReadWhileWritten(const std::string& path);

    Digest& m_digest;
    std::thread m_reader;
    std::atomic<bool> m_writerDone{false};
    std::atomic<bool> m_abandoned{false};
    std::atomic<bool> m_readToEnd{false};
    std::mutex m_mutex;
    std::condition_variable m_finishedSignal;
    bool m_finished = false;  // under m_mutex
    std::atomic<std::int64_t> m_hashed{0};
};

// A file system whose output, as soon as it is created, a TrailingDigest follows. The streams
// are the wrapped file system's own, so its kernel copies go on.
class TrailingDigestFileSystem final : public FileSystem {
public:
    // Both must outlive this.
    TrailingDigestFileSystem(FileSystem& files, TrailingDigest& trail) : m_files(files), m_trail(trail) {}

    std::int64_t SizeOf(const std::string& path) override { return m_files.SizeOf(path); }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override { return m_files.OpenRead(path); }
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override
    {
        std::unique_ptr<FileStream> output = m_files.CreateWrite(path);
        if (output)
            m_trail.Follow(path);
        return output;
    }

private:
    FileSystem& m_files;
    TrailingDigest& m_trail;
};

}  // namespace cordwain
