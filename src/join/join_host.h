// What a join needs from the program that runs it: the list, the progress display, the run gate
// and the files. The Windows worker provides them with messages to real windows; the
// command-line joiner and the tests provide them directly.
#pragma once

#include <cstdint>
#include <string>

#include "join/file_system.h"

namespace cordwain {

// The ordered list of paths. Asked afresh every time; the engine keeps no copy.
class JoinList {
public:
    virtual int FileCount() const = 0;
    virtual std::string FilePath(int index) const = 0;

protected:
    ~JoinList() = default;
};

// How much a report matters: the join could not be done at all, or it ran with problems to tell.
enum class Severity { kInformation, kError };

// The progress display. Calls marked "under the gate" are made while the run gate is held and
// only while the join runs, so they must never wait for the thread that clears the running flag.
class ProgressSink {
public:
    // The copy begins, `totalBytes` being the sizes found before it. Under the gate.
    virtual void BeginCopy(std::int64_t totalBytes) = 0;
    // `doneBytes` of `totalBytes` read so far; more than the total when files grew after they
    // were sized, and any amount of a total of 0. Under the gate.
    virtual void ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes) = 0;
    virtual void ShowCurrentFile(const std::string& path) = 0;
    // Every file was copied: the display goes before the job ends.
    virtual void Hide() = 0;
    // Returns once the user has seen it.
    virtual void Report(Severity severity, const std::string& caption, const std::string& text) = 0;

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

struct JoinHost {
    const JoinList& list;
    ProgressSink& progress;
    RunGate& gate;
    FileSystem& files;
};

}  // namespace cordwain
