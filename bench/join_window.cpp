// What a join costs in the window against the engine alone, under Wine, on the same pieces:
// cordwain-join.exe, then the real main window driven through Join and Save As to "It Worked!",
// without and with a SHA-256 of the output beside the pieces. 8 x 128 MiB, hot. Run it as
//   scripts/wine-run <build>/bench/bench_join_window.exe [RUNS [CORDWAIN_JOIN_EXE]]
// It takes the cordwain-join.exe of its own build tree unless told otherwise.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "join/digest.h"
#include "res/resource.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

constexpr int kPieces = 8;
constexpr std::size_t kPieceSize = std::size_t{128} << 20;
constexpr char kOutputName[] = "film.avi";
// The join is designed to pause twice: before the worker first turns to the progress dialog, and
// in the dialog's Cancel, which also ends every successful join. They are the same in every run.
constexpr double kDesignedPausesSeconds = 0.5 + 0.5;
// Without it, a join that follows cordwain-join.exe's exit within a second or two runs at a
// third of its speed for part of the way, whichever program it is.
constexpr DWORD kSettleMs = 2000;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A folder of its own under the system's temporary folder, with the pieces, their digest as the
// output would have it, and the output; removed at the end.
class Pieces {
public:
    Pieces()
    {
        m_folder = (std::filesystem::temp_directory_path() / "cordwain-join-window-bench").string();
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        const std::unique_ptr<Digest> digest = Digest::Create(HashKind::Sha256);
        std::vector<char> chunk(std::size_t{1} << 20);
        unsigned state = 20240601;
        for (int piece = 1; piece <= kPieces; ++piece) {
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, ".%03d", piece);
            m_paths.push_back(PathOf(std::string(kOutputName) + suffix));
            const HANDLE file =
                ::CreateFileA(m_paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            for (std::size_t done = 0; done < kPieceSize; done += chunk.size()) {
                for (char& byte : chunk)  // no two chunks alike, so a chunk out of place changes the digest
                    byte = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
                DWORD written = 0;
                ::WriteFile(file, chunk.data(), DWORD(chunk.size()), &written, nullptr);
                digest->Update(chunk.data(), chunk.size());
            }
            ::FlushFileBuffers(file);
            ::CloseHandle(file);
        }
        m_sha256 = digest->FinishHex();
    }
    ~Pieces()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    Pieces(const Pieces&) = delete;
    Pieces& operator=(const Pieces&) = delete;

    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }
    const std::vector<std::string>& Paths() const { return m_paths; }
    std::string Output() const { return PathOf(kOutputName); }

    // The published checksum beside the pieces, named after the output, as sha256sum writes it.
    void PublishChecksum(bool publish) const
    {
        const std::string path = PathOf(std::string(kOutputName) + ".sha256");
        if (!publish) {
            ::DeleteFileA(path.c_str());
            return;
        }
        const std::string line = m_sha256 + "  " + kOutputName + "\n";
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
        ::CloseHandle(file);
    }

    // Whether the output is there at its full length; a run that left anything else is not counted.
    bool OutputComplete() const
    {
        std::error_code error;
        return std::filesystem::file_size(Output(), error) == kPieceSize * kPieces && !error;
    }
    // Written out to the disk before it goes, and the machine left to settle (the removal's own
    // work, Wine's end of a process), so that no run pays for the one before.
    void RemoveOutput() const
    {
        Flush(Output());
        ::DeleteFileA(Output().c_str());
        // The removal committed too: a file system that hands freed blocks back to the disk does it then.
        const std::string marker = PathOf("commit.marker");
        const HANDLE file = ::CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, "x", 1, &written, nullptr);
        ::FlushFileBuffers(file);
        ::CloseHandle(file);
        ::DeleteFileA(marker.c_str());
        ::Sleep(kSettleMs);
    }

    // Read once, so every run starts from the same page cache.
    void Warm() const
    {
        std::vector<char> buffer(std::size_t{1} << 20);
        for (const std::string& path : m_paths) {
            const HANDLE file =
                ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            DWORD read = 0;
            while (::ReadFile(file, buffer.data(), DWORD(buffer.size()), &read, nullptr) && read > 0) {
            }
            ::CloseHandle(file);
        }
    }

private:
    static void Flush(const std::string& path)
    {
        const HANDLE file =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::FlushFileBuffers(file);
            ::CloseHandle(file);
        }
    }

    std::string m_folder;
    std::vector<std::string> m_paths;
    std::string m_sha256;
};

// SHA-256 of as many bytes as the pieces hold, through the digest the window program verifies
// with (the system's CNG), from memory: the least a verified join can take.
double HashSeconds()
{
    const std::unique_ptr<Digest> digest = Digest::Create(HashKind::Sha256);
    const std::vector<char> chunk(std::size_t{1} << 20, 'x');
    const Clock::time_point start = Clock::now();
    for (std::size_t done = 0; done < kPieceSize * kPieces; done += chunk.size())
        digest->Update(chunk.data(), chunk.size());
    digest->FinishHex();
    return SecondsSince(start);
}

// <build>/src/cli/cordwain-join.exe, for this program's <build>/bench/bench_join_window.exe.
std::string JoinToolBesideThisBench()
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    return (std::filesystem::path(self).parent_path().parent_path() / "src" / "cli" / "cordwain-join.exe").string();
}

// cordwain-join.exe over the pieces, process start to exit; negative when it failed.
double EngineSeconds(const std::string& joinTool, const Pieces& pieces)
{
    std::string command = "\"" + joinTool + "\" -f -o \"" + pieces.Output() + "\"";
    for (const std::string& path : pieces.Paths())
        command += " \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    const double seconds = SecondsSince(start);
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return status == 0 && pieces.OutputComplete() ? seconds : -1;
}

// The texts of a dialog's controls, one after the other.
std::string DialogText(HWND dialog)
{
    std::string text;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        text += ReadText(child) + "\n";
    return text;
}

struct WindowRun {
    double seconds = -1;  // from Save to "It Worked!", the designed pauses included
    bool namesChecksum = false;
};

// One join in the real main window: the pieces listed, Join, the output's name typed into Save As,
// and the clock from its Save button until "It Worked!" is on the screen.
WindowRun WindowSeconds(HWND window, const Pieces& pieces)
{
    WindowRun run;
    pieces.RemoveOutput();
    List(window, pieces.Paths());
    ClickButton(window, IDC_JOIN);
    const HWND saveAs = WaitForWindow("Save As");
    if (saveAs == nullptr)
        return run;
    const bool exists = ::GetFileAttributesA(pieces.Output().c_str()) != INVALID_FILE_ATTRIBUTES;
    const Clock::time_point start = Clock::now();
    AnswerFileDialog(saveAs, pieces.Output());
    if (exists)  // the output could not be removed: Save As asks whether to replace it
        ClickButton(WaitForWindow([](HWND hWnd) { return ::GetDlgItem(hWnd, IDYES) != nullptr; }), IDYES);
    const HWND worked = WaitForWindow("It Worked!", 60000);
    if (worked == nullptr) {
        std::fprintf(stderr, "\nno \"It Worked!\"; on the screen:");
        WaitForWindow([](HWND hWnd) { return std::fprintf(stderr, " \"%s\"", ReadText(hWnd).c_str()) < 0; }, 0);
        return run;
    }
    run.seconds = SecondsSince(start);
    run.namesChecksum = DialogText(worked).find(".sha256") != std::string::npos;
    ClickButton(worked, IDOK);
    WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; });
    if (!pieces.OutputComplete())
        run.seconds = -1;
    return run;
}

struct Figures {
    std::vector<double> runs;
    bool failed = false;

    void Add(double seconds)
    {
        failed = failed || seconds < 0;
        if (seconds >= 0)
            runs.push_back(seconds);
    }
    double Median() const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() / 2];
    }
    double Fastest() const { return runs.empty() ? 0 : *std::min_element(runs.begin(), runs.end()); }
    void Print(const char* what) const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        if (sorted.empty()) {
            std::printf("%-46s FAILED\n", what);
            return;
        }
        std::printf("%-46s median %6.2f s  (min %6.2f, max %6.2f)%s\n", what, Median(), sorted.front(), sorted.back(),
                    failed ? "  some runs FAILED" : "");
    }
};

// Judged on the fastest runs: whatever else the machine does only ever adds to a run.
void PrintRatio(const char* what, const Figures& slower, const Figures& faster, double target)
{
    if (slower.runs.empty() || faster.runs.empty())
        return;
    const double fastest = slower.Fastest() / faster.Fastest();
    std::printf("%-46s %6.2fx fastest, %5.2fx median  target within %.1fx: %s\n", what, fastest,
                slower.Median() / faster.Median(), target, fastest <= target ? "met" : "MISSED");
}

}  // namespace
}  // namespace cordwain

int main(int argc, char** argv)
{
    using namespace cordwain;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string joinTool = argc > 2 ? argv[2] : JoinToolBesideThisBench();

    std::printf("Making %d pieces of %zu MiB...\n", kPieces, kPieceSize >> 20);
    std::fflush(stdout);
    const Pieces pieces;
    pieces.PublishChecksum(false);
    pieces.Warm();

    const double hashSeconds = HashSeconds();
    Figures engine, plain, checked;
    bool verified = false;
    CMainDlg dialog;
    const bool clean = RunMainWindow(dialog, [&](HWND window) {
        // A first join untimed: Wine's first start of the tool, and the machine's first 1 GiB written.
        pieces.RemoveOutput();
        EngineSeconds(joinTool, pieces);
        // Taken in turns, so all three see the same state of the machine.
        for (int run = 1; run <= runs; ++run) {
            pieces.RemoveOutput();
            engine.Add(EngineSeconds(joinTool, pieces));
            std::fprintf(stderr, "run %d: engine %.2f s", run, engine.runs.empty() ? -1 : engine.runs.back());
            for (const bool publish : {false, true}) {
                pieces.PublishChecksum(publish);
                const WindowRun result = WindowSeconds(window, pieces);
                Figures& figures = publish ? checked : plain;
                figures.Add(result.seconds < 0 ? -1 : result.seconds - kDesignedPausesSeconds);
                verified = verified || (publish && result.namesChecksum);
                std::fprintf(stderr, ", window%s %.2f s", publish ? " with checksum" : "", result.seconds);
                // What is left on the screen is cancelled when the script ends; no join is started over it.
                if (result.seconds < 0) {
                    std::fprintf(stderr, ": FAILED\n");
                    return;
                }
            }
            std::fprintf(stderr, "\n");
        }
    });
    pieces.PublishChecksum(false);

    std::printf("Joining %d x %zu MiB under Wine, hot, %d runs each\n", kPieces, kPieceSize >> 20, runs);
    engine.Print("cordwain-join.exe (the engine alone)");
    plain.Print("window join, no checksum beside the pieces");
    checked.Print("window join, film.avi.sha256 beside the pieces");
    std::printf("%-46s %6.2f s, subtracted from both window joins\n", "designed pauses (start and close)",
                kDesignedPausesSeconds);
    std::printf("%-46s %6.2f s\n", "SHA-256 of the same bytes alone (CNG, memory)", hashSeconds);
    if (!verified)
        std::printf("note: the success dialog named no checksum: this build does not verify while it copies\n");
    PrintRatio("window join / engine alone", plain, engine, 1.3);
    PrintRatio("window join with checksum / without", checked, plain, 1.3);
    if (!checked.runs.empty() && hashSeconds > 0)
        std::printf("%-46s %6.2fx fastest (the hash alone is the least it can take)\n",
                    "window join with checksum / SHA-256 alone", checked.Fastest() / hashSeconds);
    if (!clean)
        std::printf("warning: a window was left open and had to be closed\n");
    return engine.failed || plain.failed || checked.failed || !clean ? 1 : 0;
}
