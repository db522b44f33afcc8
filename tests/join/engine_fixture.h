// The join engine's whole surroundings in one test fixture: the list, the run gate, the progress
// display, the pause and a file system of made-up files, each recording what the engine asks of
// it. Run with the parameter true, the made-up files also copy inside the "kernel", one chunk a
// step, so both ways of copying go through every case.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>

#include "join/copy_engine.h"

namespace cordwain {

struct FakeFile {
    std::string bytes;  // what reading yields; with `length`, that many zeros instead
    std::int64_t length = -1;
    std::int64_t sized = -1;      // what the size query answers, -1: the real length
    std::int64_t failAfter = -1;  // bytes read before the stream fails, -1 never
    std::int64_t Length() const { return length >= 0 ? length : std::int64_t(bytes.size()); }
};

struct EngineFixture : ::testing::TestWithParam<bool>, JoinList, ProgressSink, RunGate, Pause, FileSystem {
    void Add(const std::string& path, FakeFile file = FakeFile{})
    {
        files[path] = std::move(file), paths.push_back(path);
    }

    // Runs one job and checks what every job must keep.
    JoinOutcome Run(bool dividers = false)
    {
        events.clear();
        positions.clear();
        reads = 0;
        const JoinOutcome outcome =
            RunJoinJob(JoinServices{*this, *this, *this, *this, *this}, {"out", dividers}, succeeded);
        EXPECT_EQ(succeeded.load(), outcome.succeeded);  // set before the close is asked for
        EXPECT_EQ(events.back(), "close");               // the job's last act
        EXPECT_FALSE(held);
        return outcome;
    }
    std::vector<std::string> Opened() const  // the inputs opened, in order
    {
        std::vector<std::string> opened;
        for (const std::string& event : events) {
            if (event.rfind("open ", 0) == 0 && event != "open output")
                opened.push_back(event.substr(5));
        }
        return opened;
    }
    // The output's bytes as the made-up streams write them: up to the capacity, the first 64 MiB kept.
    std::size_t WriteOutput(const char* data, std::size_t size)
    {
        writeSizes.push_back(size);
        const auto n = std::size_t(capacity < 0 ? size : std::min<std::int64_t>(size, capacity - writtenCount));
        if (written.size() + n <= (64u << 20))
            written.append(data, n);
        writtenCount += std::int64_t(n);
        return n;
    }
    void Record(const std::string& event)
    {
        EXPECT_TRUE(held) << event << " outside the gate";
        if (!event.empty())
            events.push_back(event);
    }

    int FileCount() const override { return int(paths.size()); }
    std::string FilePath(int index) const override
    {
        if (onRead)
            onRead(index);
        return paths.at(std::size_t(index));
    }
    void SetRange() override { Record("range"); }
    bool IsVisible() override { return Record(""), visible; }
    void PostPosition(int position) override { Record("position"), positions.push_back(position); }
    void ShowCurrentFile(const std::string& path) override { events.push_back("show " + path); }
    void Hide() override { events.push_back("hide"); }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override
    {
        EXPECT_EQ(style, caption == "Well..." ? 0x40u : 0x10u);
        messages.push_back(caption + "\n" + text), events.push_back("message");
    }
    void RequestClose() override { events.push_back("close"); }
    void Enter() override { held = true; }
    void Leave() override { held = false; }
    bool IsRunning() const override
    {
        EXPECT_TRUE(held) << "the running flag read outside the gate";
        return falseFromRead == 0 || ++reads < falseFromRead;
    }
    void For(std::chrono::milliseconds duration) override
    {
        events.push_back("pause " + std::to_string(duration.count()));
    }
    std::int64_t SizeOf(const std::string& path) override
    {
        const auto found = files.find(path);
        return found == files.end() ? 0 : found->second.sized >= 0 ? found->second.sized : found->second.Length();
    }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;

    std::vector<std::string> paths;
    std::map<std::string, FakeFile> files;
    std::function<void(int)> onRead;  // runs before each read of a list entry
    int falseFromRead = 0;            // the running flag reads false from this read on (1-based)
    mutable int reads = 0;
    bool held = false;  // the run gate
    bool visible = true;
    bool outputFails = false;       // the output cannot be created
    std::int64_t capacity = -1;     // bytes the output takes before writes come up short
    bool closeFails = false;        // the close fails, as when buffered data can't be written
    bool refuseKernelCopy = false;  // the "kernel" refuses every copy: the buffer takes over
    std::string written;            // the output's bytes (the first 64 MiB), and their count
    std::int64_t writtenCount = 0;
    std::vector<std::size_t> writeSizes;
    std::vector<int> positions;
    std::vector<std::string> events;    // progress calls, opens and closes, in order
    std::vector<std::string> messages;  // caption, a line break, the text
    std::atomic<bool> succeeded{true};  // a stale success from an earlier join must be cleared
};

// One made-up stream: an input over a made-up file, or without one the output.
class FakeStream final : public FileStream {
public:
    FakeStream(EngineFixture& owner, std::string path, const FakeFile* file)
        : m_owner(owner), m_path(std::move(path)), m_file(file ? *file : FakeFile{}), m_isInput(file != nullptr)
    {
        m_owner.events.push_back("open " + m_path);
    }
    ~FakeStream() override { m_isInput ? m_owner.events.push_back("close " + m_path) : void(Close()); }

    std::size_t Read(char* buffer, std::size_t size) override
    {
        const std::size_t n = Available(size);
        if (m_file.length < 0)
            m_file.bytes.copy(buffer, n, std::size_t(m_position));
        else
            std::fill_n(buffer, n, '\0');
        m_atEnd = n == 0 && m_position >= m_file.Length();
        m_position += std::int64_t(n);
        return n;
    }
    bool AtEnd() const override { return m_atEnd; }
    std::size_t Write(const char* data, std::size_t size) override { return m_owner.WriteOutput(data, size); }
    bool Close() override
    {
        if (m_isInput || std::exchange(m_closed, true))
            return true;
        m_owner.events.push_back("close output");
        return !m_owner.closeFails;
    }
    std::size_t KernelCopyStep() const override { return EngineFixture::GetParam() ? 524288 : 0; }
    std::optional<bool> HasMoreBytes() override
    {
        if (Available(1) == 0 && m_position < m_file.Length())
            return std::nullopt;  // a read that fails: the buffer's read says so
        return Available(1) > 0;
    }
    // All or nothing, as the kernel's copy into a full disk fails at once.
    std::optional<std::size_t> CopyTo(FileStream&, std::size_t size) override
    {
        std::vector<char> chunk(Available(size));
        const bool fits = m_owner.capacity < 0 || m_owner.writtenCount + std::int64_t(chunk.size()) <= m_owner.capacity;
        if (m_owner.refuseKernelCopy || chunk.empty() || !fits)
            return std::nullopt;
        Read(chunk.data(), chunk.size());
        return m_owner.WriteOutput(chunk.data(), chunk.size());
    }

private:
    std::size_t Available(std::size_t size) const
    {
        const std::int64_t end = m_file.failAfter >= 0 ? std::min(m_file.failAfter, m_file.Length()) : m_file.Length();
        return std::size_t(std::max<std::int64_t>(0, std::min<std::int64_t>(size, end - m_position)));
    }

    EngineFixture& m_owner;
    std::string m_path;
    FakeFile m_file;
    bool m_isInput;
    bool m_closed = false;
    std::int64_t m_position = 0;
    bool m_atEnd = false;
};

inline std::unique_ptr<FileStream> EngineFixture::OpenRead(const std::string& path)
{
    const auto found = files.find(path);
    return found == files.end() ? nullptr : std::make_unique<FakeStream>(*this, path, &found->second);
}

inline std::unique_ptr<FileStream> EngineFixture::CreateWrite(const std::string&)
{
    if (outputFails)
        return nullptr;
    written.clear(), writtenCount = 0;
    return std::make_unique<FakeStream>(*this, "output", nullptr);
}

}  // namespace cordwain
