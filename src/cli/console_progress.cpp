// Drawing of the console progress line.
#include "cli/console_progress.h"

#include <algorithm>
#include <iomanip>

#include "cli/shown_name.h"
#include "join/join_texts.h"
#include "join/progress_position.h"

namespace cordwain {
namespace {

constexpr int kBarWidth = 30;
constexpr std::size_t kNameWidth = 40;

}  // namespace

void ConsoleProgress::ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes)
{
    if (!m_terminal)
        return;
    m_position = ProgressPosition(doneBytes, totalBytes);
    m_doneBytes = doneBytes;
    Draw();
}

void ConsoleProgress::ShowCurrentFile(const std::string& path)
{
    m_currentFile = ShownName(path);
    if (m_terminal)
        Draw();
}

void ConsoleProgress::Report(Severity, const std::string& caption, const std::string& text)
{
    ClearLine();
    std::string shown = text;
    for (const std::string& name : m_names)
        shown = WithShownName(shown, name);
    m_err << caption << '\n' << shown << '\n';
    m_err.flush();
}

void ConsoleProgress::Draw()
{
    // A grown file can push the position past 1000 (or wrap it); the bar just stays in bounds.
    const int filled = std::clamp(m_position, 0, kProgressScale) * kBarWidth / kProgressScale;
    std::string name = m_currentFile;
    if (name.size() > kNameWidth)
        name = "..." + name.substr(name.size() - (kNameWidth - 3));
    if (m_totalKnown)
        m_err << "\r\x1b[K[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << std::setw(4) << m_position
              << '/' << kProgressScale << ' ' << name;
    else
        m_err << "\r\x1b[K" << GroupedDigits(m_doneBytes) << " bytes copied " << name;
    m_err.flush();
    m_drawn = true;
}

void ConsoleProgress::ClearLine()
{
    if (!m_drawn)
        return;
    m_err << "\r\x1b[K";
    m_err.flush();
    m_drawn = false;
}

}  // namespace cordwain
