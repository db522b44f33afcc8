// The command-line joiner: chooses and checks the output, then runs the same engine as the
// window, without its start pause, and maps the outcome to an exit status.
#include "cli/join_command.h"

#include <atomic>
#include <mutex>

#include "cli/console_progress.h"
#include "cli/join_args.h"
#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join/same_file.h"

namespace cordwain {
namespace {

constexpr char kProgramName[] = "cordwain-join";

class ArgumentList final : public JoinList {
public:
    explicit ArgumentList(const std::vector<std::string>& paths) : paths_(paths) {}
    int Count() const override { return static_cast<int>(paths_.size()); }
    std::string Text(int index) const override { return paths_[static_cast<std::size_t>(index)]; }

private:
    const std::vector<std::string>& paths_;
};

class MutexRunGate final : public RunGate {
public:
    void Enter() override { mutex_.lock(); }
    void Leave() override { mutex_.unlock(); }
    bool IsRunning() const override { return running_; }
    void Stop()
    {
        const GateLock lock(*this);
        running_ = false;
    }

private:
    std::mutex mutex_;
    bool running_ = true;
};

int UsageError(std::ostream& err, const std::string& message)
{
    err << kProgramName << ": " << message << "\nTry '" << kProgramName << " --help' for more information.\n";
    return kExitUsage;
}

bool IsOneOfTheInputs(const std::string& output, const std::vector<std::string>& inputs)
{
    if (FindInList(ArgumentList(inputs), output) >= 0)
        return true;
    for (const std::string& input : inputs) {
        if (IsSameExistingFile(output, input))
            return true;
    }
    return false;
}

}  // namespace

int RunJoinCommand(const std::vector<std::string>& arguments, const JoinConsole& console)
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
    if (IsOneOfTheInputs(output, args.inputs)) {
        console.err << kOutputInListCaption << '\n' << kOutputInListText << '\n';
        return kExitFailed;
    }
    if (!args.force && PathExists(output)) {
        console.err << kProgramName << ": " << output << " already exists; use -f to replace it.\n";
        return kExitFailed;
    }

    ArgumentList list(args.inputs);
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
