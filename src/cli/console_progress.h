// The join's progress display on a console: the current file and a bar in thousandths,
// drawn only on a terminal; message boxes become text on the error stream. The names of the
// inputs are shown quoted where they hold control characters. Where the total is not known (the
// standard input is one of the inputs), the bytes copied are shown instead of the bar.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "join/join_host.h"

namespace cordwain {

class ConsoleProgress final : public ProgressSink {
public:
    ConsoleProgress(std::ostream& err, bool terminal, std::vector<std::string> names = {}, bool totalKnown = true)
        : m_err(err), m_terminal(terminal), m_names(std::move(names)), m_totalKnown(totalKnown)
    {
    }

    void BeginCopy(std::int64_t) override {}
    // The bar in thousandths of the total, on a terminal only.
    void ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes) override;
    void ShowCurrentFile(const std::string& path) override;
    void Hide() override { ClearLine(); }
    // The caption and the text, whatever the severity: the exit status tells the rest.
    void Report(Severity severity, const std::string& caption, const std::string& text) override;
    // Takes the progress line off the screen, so what follows starts a line of its own.
    void ClearLine();

private:
    void Draw();

    std::ostream& m_err;
    const bool m_terminal;
    const std::vector<std::string> m_names;
    const bool m_totalKnown;
    std::string m_currentFile;
    int m_position = 0;
    std::int64_t m_doneBytes = 0;
    bool m_drawn = false;
};

}  // namespace cordwain
