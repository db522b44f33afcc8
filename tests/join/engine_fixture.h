// The join engine's whole surroundings in one test fixture: the list, the run gate, the progress
// display, the pause and a file system of made-up files, each recording what the engine asks of
// it. Run with the parameter true, the made-up files also copy inside the "kernel", one chunk a
// step, so both ways of copying go through every case.
#pragma once

#include <gtest/gtest.h>

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
};

class EngineFixture : public ::testing::TestWithParam<bool>,
                      public JoinList,
                      public ProgressSink,
                      public RunGate,
                      public Pause,
                      public FileSystem {
public:
    // The output as the made-up streams use it.
    std::size_t WriteOutput(const char* data, std::size_t size);
    bool CanTake(std::size_t size) const { return capacity < 0 || writtenCount + std::int64_t(size) <= capacity; }
    bool CloseOutput() { return events.push_back("close output"), !closeFails; }

protected:
    void Add(const std::string& path, FakeFile file = FakeFile{})
    {
        files[path] = std::move(file), paths.push_back(path);
    }
    // Runs one job over this fixture (or over `other` files) and checks what every job must keep.
    JoinOutcome Run(bool dividers = false, FileSystem* other = nullptr, const std::string& output = "out");
    std::vector<std::string> Opened() const;  // the inputs opened, in order

    int FileCount() const override { return static_cast<int>(paths.size()); }
    std::string FilePath(int index) const override;
    void SetRange() override { Record("range"); }
    bool IsVisible() override { return Record(""), visible; }
    void PostPosition(int position) override { Record("position"), positions.push_back(position); }
    void ShowCurrentFile(const std::string& path) override { events.push_back("show " + path); }
    void Hide() override { events.push_back("hide"); }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;
    void RequestClose() override { events.push_back("close"); }
    void Enter() override { held = true; }
    void Leave() override { held = false; }
    bool IsRunning() const override;
    void For(std::chrono::milliseconds duration) override
    {
        events.push_back("pause " + std::to_string(duration.count()));
    }
    std::int64_t SizeOf(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;

    std::vector<std::string> paths;
    std::map<std::string, FakeFile> files;
    std::function<void(int)> onRead;  // runs before each read of a list entry
    int falseFromRead = 0;            // the running flag reads false from this read on (1-based)
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

private:
    void Record(const std::string& event);
    bool held = false;
    mutable int m_reads = 0;
};

}  // namespace cordwain
