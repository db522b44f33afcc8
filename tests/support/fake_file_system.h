// Made-up files for the join engine, for the faults real ones can't show: reads that fail part
// way, outputs that fill up or fail to close, sizes beyond what a test can write. Opens and
// closes go to a shared event log, in order with whatever else the test logs there.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "join/file_system.h"

namespace cordwain {

struct FakeFile {
    std::string bytes;  // what reading yields; with `length`, that many zeros instead
    std::int64_t length = -1;
    std::int64_t sized = -1;      // what the size query answers, -1: the real length
    std::int64_t failAfter = -1;  // bytes read before the stream fails, -1 never
    std::int64_t Length() const { return length >= 0 ? length : std::int64_t(bytes.size()); }
};

class FakeFileSystem final : public FileSystem {
public:
    explicit FakeFileSystem(std::vector<std::string>& events) : m_events(events) {}

    std::int64_t SizeOf(const std::string& path) override
    {
        const auto found = files.find(path);
        return found == files.end() ? 0 : found->second.sized >= 0 ? found->second.sized : found->second.Length();
    }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return nullptr;
        opened.push_back(path);
        return std::make_unique<Stream>(*this, path, &found->second);
    }
    std::unique_ptr<FileStream> CreateWrite(const std::string&) override
    {
        if (outputFails)
            return nullptr;
        opened.clear(), written.clear(), writtenCount = 0, writeSizes.clear();
        return std::make_unique<Stream>(*this, "output", nullptr);
    }

    std::map<std::string, FakeFile> files;
    bool outputFails = false;    // the output cannot be created
    std::int64_t capacity = -1;  // bytes the output takes before writes come up short
    bool closeFails = false;     // the output's close fails, as when buffered data can't be written
    std::string written;         // the output's bytes (the first 64 MiB), and their count
    std::int64_t writtenCount = 0;
    std::vector<std::size_t> writeSizes;
    std::vector<std::string> opened;  // the inputs opened since the output was created, in order

private:
    // An input over a made-up file, or without one the output.
    class Stream final : public FileStream {
    public:
        Stream(FakeFileSystem& owner, std::string path, const FakeFile* file)
            : m_owner(owner), m_path(std::move(path)), m_file(file ? *file : FakeFile{}), m_isInput(file != nullptr)
        {
            m_owner.m_events.push_back("open " + m_path);
        }
        ~Stream() override { m_isInput ? m_owner.m_events.push_back("close " + m_path) : void(Close()); }

        ChunkCopy CopyChunkTo(FileStream& output, const std::function<bool()>& mayWrite) override
        {
            const auto end = m_file.failAfter >= 0 ? std::min(m_file.failAfter, m_file.Length()) : m_file.Length();
            const auto n = std::size_t(std::clamp<std::int64_t>(end - m_position, 0, kJoinChunkSize));
            if (n == 0)
                return {m_position >= m_file.Length() ? ChunkResult::kEnd : ChunkResult::kReadFailed, 0};
            const auto chunk =
                m_file.length < 0 ? m_file.bytes.substr(std::size_t(m_position), n) : std::string(n, '\0');
            m_position += std::int64_t(n);
            if (!mayWrite())
                return {ChunkResult::kHeld, n};
            return {output.Write(chunk.data(), n) < n ? ChunkResult::kWriteFailed : ChunkResult::kCopied, n};
        }
        std::size_t Write(const char* data, std::size_t size) override
        {
            m_owner.writeSizes.push_back(size);
            const auto room = m_owner.capacity < 0 ? std::int64_t(size) : m_owner.capacity - m_owner.writtenCount;
            const auto n = std::size_t(std::clamp<std::int64_t>(room, 0, std::int64_t(size)));
            if (m_owner.written.size() + n <= (64u << 20))
                m_owner.written.append(data, n);
            m_owner.writtenCount += std::int64_t(n);
            return n;
        }
        bool Close() override
        {
            if (m_isInput || std::exchange(m_closed, true))
                return true;
            m_owner.m_events.push_back("close output");
            return !m_owner.closeFails;
        }

    private:
        FakeFileSystem& m_owner;
        std::string m_path;
        FakeFile m_file;
        bool m_isInput;
        bool m_closed = false;
        std::int64_t m_position = 0;
    };

    std::vector<std::string>& m_events;
};

}  // namespace cordwain
