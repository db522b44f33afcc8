// Drawing of the console progress line.
#include "cli/console_progress.h"

#include <algorithm>
#include <iomanip>

namespace cordwain {
namespace {

constexpr int kBarWidth = 30;
constexpr std::size_t kNameWidth = 40;

}  // namespace

void ConsoleProgress::PostPosition(int position)
{
    position_ = position;
    Draw();
}

void ConsoleProgress::ShowCurrentFile(const std::string& path)
{
    currentFile_ = path;
    if (terminal_)
        Draw();
}

void ConsoleProgress::ShowMessage(const std::string& text, const std::string& caption, unsigned)
{
    ClearLine();
    err_ << caption << '\n' << text << '\n';
    err_.flush();
}

void ConsoleProgress::Draw()
{
    // A grown file can push the position past 1000 (or wrap it); the bar just stays in bounds.
    const int filled = std::clamp(position_, 0, 1000) * kBarWidth / 1000;
    std::string name = currentFile_;
    if (name.size() > kNameWidth)
        name = "..." + name.substr(name.size() - (kNameWidth - 3));
    err_ << "\r\x1b[K[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << std::setw(4) << position_
         << "/1000 " << name;
    err_.flush();
    drawn_ = true;
}

void ConsoleProgress::ClearLine()
{
    if (!drawn_)
        return;
    err_ << "\r\x1b[K";
    err_.flush();
    drawn_ = false;
}

}  // namespace cordwain
