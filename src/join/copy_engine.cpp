// The join worker's job over injected list, progress, gate, files and pause.
#include "join/copy_engine.h"

#include <memory>
#include <vector>

#include "join/join_texts.h"
#include "join/progress_position.h"

namespace cordwain {

namespace {

std::int64_t TotalSize(const JoinList& list, FileSystem& files)
{
    std::int64_t total = 0;
    for (int i = 0; i < list.FileCount(); ++i)
        total += files.SizeOf(list.FilePath(i));
    return total;
}

// Closing the output writes out what the stream still buffers; a failure there loses data
// just as a short write does.
bool CloseOutput(std::unique_ptr<FileStream>& output)
{
    if (!output)
        return true;
    const bool closed = output->Close();
    output.reset();
    return closed;
}

bool IsRunning(RunGate& gate)
{
    const GateLock lock(gate);
    return gate.IsRunning();
}

}  // namespace

JoinOutcome RunJoinJob(const JoinServices& services, const JoinRequest& request, std::atomic<bool>& succeeded)
{
    const JoinList& list = services.list;
    ProgressSink& progress = services.progress;
    RunGate& gate = services.gate;
    FileSystem& files = services.files;
    JoinOutcome outcome;

    services.pause.For(kJoinStartPause);
    succeeded = false;

    const std::int64_t total = TotalSize(list, files);

    std::unique_ptr<FileStream> output = files.CreateWrite(request.outputPath);
    if (!output) {
        outcome.outputFailed = true;
        progress.ShowMessage(kOutputOpenFailedText, kOutputOpenFailedCaption, kBoxIconError);
        progress.RequestClose();
        return outcome;
    }

    {
        const GateLock lock(gate);
        if (gate.IsRunning())
            progress.SetRange();
    }

    if (list.FileCount() < 1) {
        progress.Hide();
        succeeded = true;
        outcome.succeeded = true;
        output.reset();
        progress.RequestClose();
        return outcome;
    }

    std::vector<char> buffer(kJoinChunkSize);
    bool errorSeen = false;
    bool goOn = true;
    std::int64_t bytesRead = 0;
    bool writeFailed = false;
    bool outputClosed = true;
    std::string lastOpened = request.outputPath;

    for (int j = 0; !outcome.stopped && j < list.FileCount(); ++j) {
        const std::string path = list.FilePath(j);
        progress.ShowCurrentFile(path);

        std::unique_ptr<FileStream> input = files.OpenRead(path);
        if (!input) {
            outcome.errorLog += OpenFailureEntry(path);
            errorSeen = true;
            continue;
        }
        lastOpened = path;
        if (request.insertDividers) {
            const std::string divider = DividerBlock(path);
            output->Write(divider.data(), divider.size());  // a failed divider goes unnoticed
        }

        for (;;) {
            const std::size_t n = input->Read(buffer.data(), buffer.size());
            if (n == 0) {
                if (!input->AtEnd()) {
                    outcome.errorLog += ReadFailureEntry(path);
                    errorSeen = true;
                }
                break;
            }
            bytesRead += static_cast<std::int64_t>(n);

            if (!IsRunning(gate))
                goOn = false;
            // At this point errorSeen can only come from an earlier file: an error in this one ends its loop.
            if (!goOn || errorSeen) {
                outcome.stopped = true;
                break;
            }
            {
                const GateLock lock(gate);
                if (gate.IsRunning() && progress.IsVisible())
                    progress.PostPosition(ProgressPosition(bytesRead, total));
            }
            if (output->Write(buffer.data(), n) < n) {
                outcome.errorLog += WriteFailureEntry(path);
                errorSeen = true;
                writeFailed = true;
                break;
            }
        }
        input.reset();
        if (outcome.stopped)
            outputClosed = CloseOutput(output);
    }
    if (output)
        outputClosed = CloseOutput(output);
    // Only report it if no short write already said the same.
    if (!outputClosed && !writeFailed) {
        outcome.errorLog += WriteFailureEntry(lastOpened);
        errorSeen = true;
    }

    if (errorSeen) {
        progress.ShowMessage(ErrorReportText(outcome.errorLog), kReportCaption, kBoxIconInformation);
    } else if (!outcome.stopped) {
        progress.Hide();
        succeeded = true;
        outcome.succeeded = true;
    }
    progress.RequestClose();
    return outcome;
}

}  // namespace cordwain
