// The command-line joiner: chooses and checks the output, then runs the same engine as the
// window, without the window's start pause, and maps the outcome to an exit status.
#include "cli/join_tool.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>

#include "join/checksum_file.h"
#include "cli/console_progress.h"
#include "join/digest.h"
#include "join/free_space.h"
#include "cli/join_args.h"
#include "join/piece_set.h"
#include "cli/shown_name.h"
#include "cli/standard_streams.h"
#include "cli/stream_check.h"
#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join/output_name.h"
#include "join/same_file.h"
#include "join/system_error.h"

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

std::int64_t SizeOf(const std::string& path) { return StdioFileSystem().SizeOf(path); }

// The output's digest, read with the progress line showing how far; nullopt when it can't be read.
std::optional<std::string> HashFile(const std::string& path, HashKind kind, ProgressSink& progress)
{
    const std::unique_ptr<Digest> digest = Digest::Create(kind);
    std::ifstream in(path, std::ios::binary);
    if (!digest || !in)
        return std::nullopt;
    const std::int64_t total = SizeOf(path);
    std::vector<char> chunk(1 << 20);
    std::int64_t done = 0;
    progress.ShowCurrentFile(std::string(HashName(kind)) + " of " + path);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        digest->Update(chunk.data(), static_cast<std::size_t>(in.gcount()));
        done += in.gcount();
        progress.ShowProgress(done, total);
    }
    progress.Hide();
    return in.eof() ? std::optional<std::string>(digest->FinishHex()) : std::nullopt;
}

// --verify: the joined output against the checksum published beside the first piece.
int Verify(const std::string& firstPiece, const std::string& output, const JoinConsole& console, ProgressSink& progress)
{
    std::ostream& err = console.err;
    const std::string name = NamePart(output, console.codePage);
    for (const ChecksumSource& source : ChecksumSources(FolderPart(firstPiece, console.codePage), name)) {
        std::ifstream in(source.path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::optional<std::string> expected = FindDigest(text, name, source.kind, source.ownFile);
        if (!expected)
            continue;
        const std::optional<std::string> actual = HashFile(output, source.kind, progress);
        const char* const hash = HashName(source.kind);
        if (!actual) {
            err << kProgramName << ": " << ShownName(output) << " could not be read to check its " << hash
                << " checksum.\n";
            return kExitFailed;
        }
        if (*actual == *expected) {
            err << kProgramName << ": " << ShownName(output) << " matches its " << hash << " checksum in "
                << ShownName(source.path) << ".\n";
            return kExitJoined;
        }
        err << kProgramName << ": " << ShownName(output) << " does not match its " << hash << " checksum in "
            << ShownName(source.path) << ":\n  expected " << *expected << "\n  actual   " << *actual << "\n"
            << ShownName(output) << " is left as it is; one of the pieces is not what was published.\n";
        return kExitFailed;
    }
    err << kProgramName << ": no checksum names " << ShownName(name) << " beside " << ShownName(firstPiece)
        << " (looked in " << name << ".sha256, .sha1 and .md5, and in SHA256SUMS, SHA1SUMS and MD5SUMS).\n";
    return kExitFailed;
}

// The output's disk cannot hold the join: said, before anything is created. The standard output
// is not checked: where it goes, the shell decided.
bool RefusedForSpace(const JoinList& list, const std::string& output, bool dividers, FileSystem& files,
                     std::ostream& err)
{
    if (IsStandardStreamName(output))
        return false;
    const std::optional<SpaceShortfall> shortfall = FindSpaceShortfall(list, output, dividers, files);
    if (shortfall)
        err << kProgramName << ": " << NoRoomSentence(ShownName(output), shortfall->needed, shortfall->free) << '\n';
    return shortfall.has_value();
}

}  // namespace

int RunJoinTool(const std::vector<std::string>& arguments, const JoinConsole& console)
{
    const ParsedJoinArgs parsed = ParseJoinArgs(arguments);
    if (!parsed.error.empty())
        return UsageError(console.err, parsed.error);
    const JoinArgs& args = parsed.args;
    if (args.help || args.version) {
        console.out << (args.help ? kJoinUsage : kJoinVersion) << std::flush;
        if (console.out)
            return kExitJoined;
        console.err << kProgramName << ": the standard output could not be written.\n";
        return kExitFailed;
    }
    if (args.inputs.empty())
        return UsageError(console.err, "no files to join");

    // A proposal that is the input itself (a name starting with a dot) or a folder is none.
    const std::string output = args.output ? *args.output : SuggestedOutputName(args.inputs.front(), console.codePage);
    if (output.empty() || NamePart(output, console.codePage).empty() ||
        (!args.output && output == args.inputs.front())) {
        return UsageError(console.err, "no output name can be proposed for " + ShownName(args.inputs.front()) +
                                           " (its extension is not a number); name the output with -o OUTPUT");
    }
    // The first piece alone stands for its whole set.
    std::vector<std::string> inputs = args.inputs;
    if (inputs.size() == 1) {
        const auto exists = [](const std::string& path) { return PathExists(path); };
        const std::optional<std::vector<std::string>> set = ExpandNumberedSet(inputs.front(), exists, console.codePage);
        if (set && !set->empty()) {
            inputs = *set;
            if (console.terminal || args.verbose)
                console.err << kProgramName << ": taking " << ShownName(inputs.front()) << " to "
                            << ShownName(inputs.back()) << " (" << inputs.size()
                            << (inputs.size() == 1 ? " piece)\n" : " pieces)\n");
        }
    }
    // Pieces that look wrong are named before anything is written.
    CommandLineFiles files;
    const auto sizeOf = [&files](const std::string& path) { return files.SizeOf(path); };
    const std::vector<std::string> problems = CheckPieces(inputs, sizeOf, console.codePage);
    for (std::string problem : problems) {
        for (const std::string& input : inputs)
            problem = WithShownName(problem, input);
        console.err << kProgramName << (args.strict ? ": error: " : ": warning: ") << problem << '\n';
    }
    if (args.strict && !problems.empty())
        return kExitFailed;

    const ArgumentList list(inputs);
    if (OutputMeetsAnInput(inputs, output)) {
        console.err << kOutputInListCaption << '\n' << kOutputInListText << '\n';
        return kExitFailed;
    }
    if (!args.force && !IsStandardStreamName(output) && NameTaken(output)) {
        console.err << kProgramName << ": " << ShownName(output) << " already exists; use -f to replace it.\n";
        return kExitFailed;
    }

    if (RefusedForSpace(list, output, args.dividers, files, console.err))
        return kExitFailed;
    const std::unique_ptr<StreamCheck> streamCheck =
        args.verify && IsStandardStreamName(output) ? StreamCheck::Find(inputs.front(), files, console) : nullptr;
    if (args.verify && IsStandardStreamName(output) && !streamCheck)
        return kExitFailed;

    const bool sizesKnown = std::none_of(inputs.begin(), inputs.end(), &IsStandardStreamName);
    ConsoleProgress progress(console.err, console.terminal, inputs, sizesKnown);
    MutexRunGate gate;
    JoinOutcome outcome;
    const auto interrupted = [&](Interruption how) {
        console.err << kProgramName << ": interrupted; " << ShownName(output) << " holds what was copied until then.\n"
                    << std::flush;
        return how == Interruption::kTerminate ? kExitTerminated : kExitInterrupted;
    };
    const Interruption interruption = console.runInterruptible(
        [&] {
            FileSystem& joinFiles = streamCheck ? streamCheck->Files() : files;
            outcome = RunJoinJob(JoinHost{list, progress, gate, joinFiles}, JoinRequest{output, args.dividers ? 1 : 0});
            progress.ClearLine();
        },
        [&] { gate.Stop(); }, interrupted);

    // After the report: the system's reason for each failure, and what the join never reached.
    for (const FileFailure& failure : files.Failures())
        console.err << kProgramName << ": " << ShownName(failure.path) << ": " << SystemErrorText(failure.error)
                    << '\n';
    if (outcome.Stopped()) {
        console.err << "Not copied: ";
        for (auto i = std::size_t(outcome.stoppedAt); i < inputs.size(); ++i)
            console.err << (i > std::size_t(outcome.stoppedAt) ? ", " : "") << ShownName(inputs[i]);
        console.err << '\n';
    }
    if (interruption != Interruption::kNone && outcome.Stopped())
        return interrupted(interruption);
    if (!outcome.succeeded)
        return kExitFailed;
    if (streamCheck)
        return streamCheck->Finish(console);
    return args.verify ? Verify(inputs.front(), output, console, progress) : kExitJoined;
}

}  // namespace cordwain
