// Test doubles for the join engine's surroundings, recording what the engine asks of them.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "join/copy_engine.h"
#include "join/file_system.h"
#include "join/join_host.h"

namespace cordwain::testing {

class VectorList final : public JoinList {
public:
    explicit VectorList(std::vector<std::string> entries) : paths(std::move(entries)) {}
    int Count() const override { return static_cast<int>(paths.size()); }
    std::string Text(int index) const override
    {
        if (onText)
            onText(index);
        return paths.at(static_cast<std::size_t>(index));
    }

    std::vector<std::string> paths;
    std::function<void(int)> onText;
};

// The running flag with a script: it reads true until the `falseFromRead`-th read (1-based).
class ScriptedGate final : public RunGate {
public:
    void Enter() override
    {
        if (held)
            ++nestedEnters;
        held = true;
    }
    void Leave() override { held = false; }
    bool IsRunning() const override
    {
        ++reads;
        if (!held)
            ++unlockedReads;
        if (falseFromRead > 0 && reads >= falseFromRead)
            running = false;
        return running;
    }
    void Cancel() { running = false; }

    mutable bool running = true;
    mutable int reads = 0;
    mutable int unlockedReads = 0;
    int falseFromRead = 0;
    bool held = false;
    int nestedEnters = 0;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style;
};

class RecordingProgress final : public ProgressSink {
public:
    RecordingProgress(const ScriptedGate& gate, const std::atomic<bool>& succeeded) : gate_(gate), succeeded_(succeeded)
    {
    }

    void SetRange() override
    {
        ++rangeCalls;
        if (!gate_.held)
            ++callsOutsideGate;
        events.push_back("range");
    }
    bool IsVisible() override
    {
        if (!gate_.held)
            ++callsOutsideGate;
        return visible;
    }
    void PostPosition(int position) override
    {
        if (!gate_.held)
            ++callsOutsideGate;
        positions.push_back(position);
        events.push_back("position");
    }
    void ShowCurrentFile(const std::string& path) override
    {
        shownFiles.push_back(path);
        events.push_back("show " + path);
    }
    void Hide() override
    {
        ++hideCalls;
        events.push_back("hide");
    }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override
    {
        messages.push_back({text, caption, style});
        events.push_back("message");
    }
    void RequestClose() override
    {
        ++closeRequests;
        succeededAtClose = succeeded_;
        events.push_back("close");
    }

    bool visible = true;
    int rangeCalls = 0;
    int hideCalls = 0;
    int closeRequests = 0;
    int callsOutsideGate = 0;
    bool succeededAtClose = false;
    std::vector<int> positions;
    std::vector<std::string> shownFiles;
    std::vector<ShownMessage> messages;
    std::vector<std::string> events;

private:
    const ScriptedGate& gate_;
    const std::atomic<bool>& succeeded_;
};

class RecordingPause final : public Pause {
public:
    void For(std::chrono::milliseconds duration) override { pauses.push_back(duration); }
    std::vector<std::chrono::milliseconds> pauses;
};

// A file system of made-up files, for faults real files can't show: a read that fails
// mid-file, sizes beyond 4 GiB, a disk that fills up. Content is not kept.
class FakeFileSystem final : public FileSystem {
public:
    struct File {
        std::int64_t reportedSize = 0;    // what the size query answers
        std::int64_t length = 0;          // what reading yields
        std::int64_t failReadAfter = -1;  // bytes read before the stream fails, -1 never
    };

    std::int64_t SizeOf(const std::string& path) override
    {
        const auto found = files.find(path);
        return found == files.end() ? 0 : found->second.reportedSize;
    }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override;

    std::map<std::string, File> files;
    std::int64_t outputCapacity = -1;  // bytes the output takes before writes come up short, -1 no limit
    std::int64_t bytesWritten = 0;
    bool failOutputClose = false;  // the output's close fails, as when buffered data can't be written
    std::vector<std::size_t> writeSizes;
    std::vector<std::string> events;  // opens and closes, in order
};

}  // namespace cordwain::testing
