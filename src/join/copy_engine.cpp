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

        // Where the file layer copies inside the kernel, a chunk is checked while still unread and
        // then copied without passing through the buffer; whatever the kernel refuses or fails goes
        // on through the buffer, whose reads and writes meet and report any fault themselves.
        std::size_t kernelStep = input->KernelCopyStep();
        for (;;) {
            std::size_t n = 0;
            if (kernelStep > 0) {
                const std::optional<bool> more = input->HasMoreBytes();
                if (more && !*more)
                    break;  // the end of the file
                if (!more)
                    kernelStep = 0;
            }
            if (kernelStep == 0) {
                n = input->Read(buffer.data(), buffer.size());
                if (n == 0) {
                    if (!input->AtEnd()) {
                        outcome.errorLog += ReadFailureEntry(path);
                        errorSeen = true;
                    }
                    break;
                }
            }

            if (!IsRunning(gate))
                goOn = false;
            // At this point errorSeen can only come from an earlier file: an error in this one ends its loop.
            if (!goOn || errorSeen) {
                outcome.stopped = true;
                outcome.stoppedAt = j;
                break;
            }
            if (kernelStep > 0) {
                const std::optional<std::size_t> copied = input->CopyTo(*output, input->KernelCopyStep());
                if (!copied || *copied == 0) {
                    kernelStep = 0;
                    continue;
                }
                n = *copied;
            }
            bytesRead += static_cast<std::int64_t>(n);
            {
                const GateLock lock(gate);
                if (gate.IsRunning() && progress.IsVisible())
                    progress.PostPosition(ProgressPosition(bytesRead, total));
            }
            if (kernelStep == 0 && output->Write(buffer.data(), n) < n) {
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
