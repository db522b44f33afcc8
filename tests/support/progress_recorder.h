// A progress display for tests that writes down what it is told, and checks that what must come
// under the gate does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_gate.h"

namespace cordwain {

class ProgressRecorder final : public ProgressSink {
public:
    ProgressRecorder(std::vector<std::string>& events, const FakeGate& gate) : m_events(events), m_gate(gate) {}

    void BeginCopy(std::int64_t bytes) override { UnderGate("begin"), m_events.push_back("begin"), total = bytes; }
    void ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes) override
    {
        UnderGate("progress"), done.push_back(doneBytes);
        EXPECT_EQ(totalBytes, total);
    }
    void ShowCurrentFile(const std::string& path) override { m_events.push_back("show " + path); }
    void Hide() override { m_events.push_back("hide"); }
    void Report(Severity severity, const std::string& caption, const std::string& text) override
    {
        m_events.push_back(severity == Severity::kError ? "error box" : "information box");
        reports.push_back(caption + "\n" + text);
    }

    std::int64_t total = -1;
    std::vector<std::int64_t> done;    // each progress's bytes done
    std::vector<std::string> reports;  // caption, a line break, the text

private:
    void UnderGate(const char* call) const { EXPECT_TRUE(m_gate.held) << call << " outside the gate"; }

    std::vector<std::string>& m_events;
    const FakeGate& m_gate;
};

}  // namespace cordwain
