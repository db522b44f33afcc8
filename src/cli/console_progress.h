// The join's progress display on a console: the current file and a bar in thousandths,
// drawn only on a terminal; message boxes become text on the error stream. The names of the
// inputs are shown quoted where they hold control characters.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "join/join_host.h"

namespace cordwain {

class ConsoleProgress final : public ProgressSink {
public:
    ConsoleProgress(std::ostream& err, bool terminal, std::vector<std::string> names = {})
        : m_err(err), m_terminal(terminal), m_names(std::move(names))
    {
    }

    void SetRange() override {}
    bool IsVisible() override { return m_terminal; }
    void PostPosition(int position) override;
    void ShowCurrentFile(const std::string& path) override;
    void Hide() override { ClearLine(); }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;
    void RequestClose() override { ClearLine(); }

private:
    void Draw();
    void ClearLine();

    std::ostream& m_err;
    const bool m_terminal;
    const std::vector<std::string> m_names;
    std::string m_currentFile;
    int m_position = 0;
    bool m_drawn = false;
};

}  // namespace cordwain
