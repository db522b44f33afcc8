// The command-line joiner: chooses and checks the output, then runs the same engine as the
// window, without the window's start pause, and maps the outcome to an exit status.
#include "cli/join_tool.h"

#include <algorithm>
#include <mutex>

#include "join/checksum_file.h"
#include "cli/console_progress.h"
#include "join/digest.h"
#include "join/digesting_file_system.h"
#include "join/free_space.h"
#include "cli/join_args.h"
#include "join/piece_set.h"
#include "cli/shown_name.h"
#include "cli/standard_streams.h"
#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join/output_name.h"
#include "join/same_file.h"
#include "join/system_error.h"
#include "join/trailing_digest.h"

namespace cordwain {
namespace {

constexpr char kProgramName[] = "cordwain-join";

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

// What --verify compares: the checksum published beside the first piece, found before the join,
// and the output's hash, taken as the join writes it. Where the bytes pass through the program's
// buffer they are hashed there; where the kernel copies, a second thread reads the output behind it.
struct Verification {
    std::string name;  // the name looked up: the output's, or for the standard output the proposed one
    std::optional<PublishedChecksum> published;
    std::unique_ptr<Digest> digest;
    std::unique_ptr<TrailingDigest> trail;
    std::unique_ptr<FileSystem> files;  // the job's files, hashing the output; null: nothing to hash
};

Verification PrepareVerification(const std::string& firstPiece, const std::string& output, const JoinConsole& console,
                                 FileSystem& files)
{
    const CodePage& codePage = console.codePage;
    const bool toStream = IsStandardStreamName(output);
    Verification verification;
    verification.name = NamePart(toStream ? SuggestedOutputName(firstPiece, codePage) : output, codePage);
    if (verification.name.empty() || (toStream && verification.name == NamePart(firstPiece, codePage)))
        return verification;
    verification.published = FindPublishedChecksum(FolderPart(firstPiece, codePage), verification.name);
    if (verification.published)
        verification.digest = Digest::Create(verification.published->kind);
    if (!verification.digest)
        return verification;
    // A trailing read needs an output it can open again: never the standard output.
    if (kStdioCopiesInKernel && !toStream) {
        verification.trail = std::make_unique<TrailingDigest>(*verification.digest);
        verification.files = std::make_unique<TrailingDigestFileSystem>(files, *verification.trail);
    } else {
        verification.files = std::make_unique<DigestingFileSystem>(files, *verification.digest);
    }
    return verification;
}

void ReportNoChecksum(const Verification& verification, const std::string& firstPiece, std::ostream& err)
{
    const std::string& name = verification.name;
    if (name.empty()) {
        err << kProgramName << ": --verify needs a name to look up for the standard output, and "
            << ShownName(firstPiece) << " proposes none; nothing was written.\n";
        return;
    }
    err << kProgramName << ": no checksum names " << ShownName(name) << " beside " << ShownName(firstPiece)
        << " (looked in " << name
        << ".sha256, .sha1, .md5 and .sfv, in SHA256SUMS, SHA1SUMS and MD5SUMS, and in the other .sfv files).\n";
}

// The joined output's digest, once the trailing read (if any) has caught up, with the progress
// line showing how far; nullopt when it can't be read.
std::optional<std::string> OutputDigest(Verification& verification, const std::string& output, ProgressSink& progress)
{
    if (!verification.digest)
        return std::nullopt;
    if (verification.trail) {
        const std::int64_t total = SizeOf(output);
        progress.ShowCurrentFile(std::string(HashName(verification.published->kind)) + " of " + output);
        const bool whole =
            verification.trail->Finish([&](std::int64_t hashed) { progress.ShowProgress(hashed, total); });
        progress.Hide();
        if (!whole)
            return std::nullopt;
    }
    return verification.digest->FinishHex();
}

// --verify: the joined output against the checksum published beside the first piece.
int Verify(Verification& verification, const std::string& firstPiece, const std::string& output,
           const JoinConsole& console, ProgressSink& progress)
{
    std::ostream& err = console.err;
    const std::optional<PublishedChecksum>& published = verification.published;
    if (!published) {
        ReportNoChecksum(verification, firstPiece, err);
        return kExitFailed;
    }
    // The standard output is named for what it holds.
    const std::string shown =
        IsStandardStreamName(output) ? "the standard output (" + ShownName(verification.name) + ")" : ShownName(output);
    const std::optional<std::string> actual = OutputDigest(verification, output, progress);
    const char* const hash = HashName(published->kind);
    if (!actual) {
        err << kProgramName << ": " << shown << " could not be read to check its " << hash << " checksum.\n";
        return kExitFailed;
    }
    if (*actual == published->digest) {
        err << kProgramName << ": " << shown << " matches its " << hash << " checksum in "
            << ShownName(published->path) << ".\n";
        return kExitJoined;
    }
    err << kProgramName << ": " << shown << " does not match its " << hash << " checksum in "
        << ShownName(published->path) << ":\n  expected " << published->digest << "\n  actual   " << *actual << "\n"
        << (IsStandardStreamName(output) ? "O" : shown + " is left as it is; o")
        << "ne of the pieces is not what was published.\n";
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

    const bool sizesKnown = std::none_of(inputs.begin(), inputs.end(), &IsStandardStreamName);
    ConsoleProgress progress(console.err, console.terminal, inputs, sizesKnown);
    MutexRunGate gate;
    Verification verification;
    if (args.verify) {
        verification = PrepareVerification(inputs.front(), output, console, files);
        // The standard output can't be read back, nor a name looked up for it afterwards.
        if (IsStandardStreamName(output) && !verification.published) {
            ReportNoChecksum(verification, inputs.front(), console.err);
            return kExitFailed;
        }
    }
    FileSystem& jobFiles = verification.files ? *verification.files : files;
    JoinOutcome outcome;
    const auto interrupted = [&](Interruption how) {
        console.err << kProgramName << ": interrupted; " << ShownName(output) << " holds what was copied until then.\n"
                    << std::flush;
        return how == Interruption::kTerminate ? kExitTerminated : kExitInterrupted;
    };
    const Interruption interruption = console.runInterruptible(
        [&] {
            outcome = RunJoinJob(JoinHost{list, progress, gate, jobFiles}, JoinRequest{output, args.dividers ? 1 : 0});
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
    return args.verify ? Verify(verification, inputs.front(), output, console, progress) : kExitJoined;
}

}  // namespace cordwain
