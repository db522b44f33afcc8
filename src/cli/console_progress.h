// The join's progress display on a console: the current file and a bar in thousandths,
// drawn only on a terminal; message boxes become text on the error stream.
#pragma once

#include <ostream>
#include <string>

#include "join/join_host.h"

namespace cordwain {

class ConsoleProgress final : public ProgressSink {
public:
    ConsoleProgress(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}

    void SetRange() override {}
    bool IsVisible() override { return terminal_; }
    void PostPosition(int position) override;
    void ShowCurrentFile(const std::string& path) override;
    void Hide() override { ClearLine(); }
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;
    void RequestClose() override { ClearLine(); }

private:
    void Draw();
    void ClearLine();

    std::ostream& err_;
    const bool terminal_;
    std::string currentFile_;
    int position_ = 0;
    bool drawn_ = false;
};

}  // namespace cordwain
