// What a join needs from its surroundings: the list, the progress display, the run gate and a
// pause. The Windows worker implements these with messages to real windows; the command-line
// joiner and the tests implement them directly.
#pragma once

#include <chrono>
#include <string>

namespace cordwain {

// The ordered list of paths. Asked afresh every time; the engine keeps no copy.
class JoinList {
public:
    virtual int FileCount() const = 0;
    virtual std::string FilePath(int index) const = 0;

protected:
    ~JoinList() = default;
};

// The progress display. Calls marked "under the gate" are made while the run gate is held, and
// so must never wait for the thread that clears the running flag (post, don't send).
class ProgressSink {
public:
    // Range 0..1000. Under the gate.
    virtual void SetRange() = 0;
    // Under the gate.
    virtual bool IsVisible() = 0;
    // Under the gate.
    virtual void PostPosition(int position) = 0;
    virtual void ShowCurrentFile(const std::string& path) = 0;
    virtual void Hide() = 0;
    // Returns once the user has dismissed the box.
    virtual void ShowMessage(const std::string& text, const std::string& caption, unsigned style) = 0;
    // The job's last act: ask the progress display to close.
    virtual void RequestClose() = 0;

protected:
    ~ProgressSink() = default;
};

// The lock around the running flag. The flag is cleared by whoever cancels, under the same lock.
class RunGate {
public:
    virtual void Enter() = 0;
    virtual void Leave() = 0;
    // Only called between Enter and Leave.
    virtual bool IsRunning() const = 0;

protected:
    ~RunGate() = default;
};

class GateLock {
public:
    explicit GateLock(RunGate& gate) : m_gate(gate) { m_gate.Enter(); }
    ~GateLock() { m_gate.Leave(); }
    GateLock(const GateLock&) = delete;
    GateLock& operator=(const GateLock&) = delete;

private:
    RunGate& m_gate;
};

class Pause {
public:
    virtual void For(std::chrono::milliseconds duration) = 0;

protected:
    ~Pause() = default;
};

// Returns at once: for front ends with no dialog to wait for.
class NoPause final : public Pause {
public:
    void For(std::chrono::milliseconds) override {}
};

}  // namespace cordwain
