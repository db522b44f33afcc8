// The command-line joiner: chooses and checks the output, then runs the same engine as the
// window, without its start pause, and maps the outcome to an exit status.
#include "cli/join_tool.h"

#include <atomic>
#include <mutex>

#include "cli/console_progress.h"
#include "cli/join_args.h"
#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join/output_name.h"
#include "join/same_file.h"

namespace cordwain {
namespace {

constexpr char kProgramName[] = "cordwain-join";

class ArgumentList final : public JoinList {
public:
    explicit ArgumentList(const std::vector<std::string>& paths) : m_paths(paths) {}
    int FileCount() const override { return static_cast<int>(m_paths.size()); }
    std::string FilePath(int index) const override { return m_paths[static_cast<std::size_t>(index)]; }

private:
    const std::vector<std::string>& m_paths;
};

class MutexRunGate final : public RunGate {
public:
    void Enter() override { m_mutex.lock(); }
    void Leave() override { m_mutex.unlock(); }
    bool IsRunning() const override { return m_running; }
    void Stop()
    {
        const GateLock lock(*this);
        m_running = false;
    }

private:
    std::mutex m_mutex;
    bool m_running = true;
};

int UsageError(std::ostream& err, const std::string& message)
{
    err << kProgramName << ": " << message << "\nTry '" << kProgramName << " --help' for more information.\n";
    return kExitUsage;
}

}  // namespace

int RunJoinTool(const std::vector<std::string>& arguments, const JoinConsole& console)
{
    const ParsedJoinArgs parsed = ParseJoinArgs(arguments);
    if (!parsed.error.empty())
        return UsageError(console.err, parsed.error);
    const JoinArgs& args = parsed.args;
    if (args.help) {
        console.out << kJoinUsage;
        return kExitJoined;
    }
    if (args.version) {
        console.out << kJoinVersion;
        return kExitJoined;
    }
    if (args.inputs.empty())
        return UsageError(console.err, "no files to join");

    const std::string output = args.output ? *args.output : SuggestedOutputName(args.inputs.front(), console.classes);
    if (output.empty()) {
        return UsageError(console.err, "no output name can be proposed for " + args.inputs.front() +
                                           " (its extension is not a number); name the output with -o OUTPUT");
    }
    const ArgumentList list(args.inputs);
    if (IsOutputInList(list, output)) {
        console.err << kOutputInListCaption << '\n' << kOutputInListText << '\n';
        return kExitFailed;
    }
    if (!args.force && PathExists(output)) {
        console.err << kProgramName << ": " << output << " already exists; use -f to replace it.\n";
        return kExitFailed;
    }

    ConsoleProgress progress(console.err, console.terminal);
    MutexRunGate gate;
    StdioFileSystem files;
    NoPause noPause;
    std::atomic<bool> succeeded{false};
    JoinOutcome outcome;

    const bool interrupted = console.runInterruptible(
        [&] {
            outcome = RunJoinJob(JoinServices{list, progress, gate, files, noPause}, JoinRequest{output, args.dividers},
                                 succeeded);
        },
        [&] { gate.Stop(); });

    if (interrupted && outcome.stopped) {
        console.err << kProgramName << ": interrupted; " << output << " holds what was copied until then.\n";
        return kExitInterrupted;
    }
    return outcome.succeeded ? kExitJoined : kExitFailed;
}

}  // namespace cordwain
