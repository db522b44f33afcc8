// The join worker's job over an injected list, progress display, gate and files.
#include "join/copy_engine.h"

#include <memory>

#include "join/join_texts.h"

namespace cordwain {

namespace {

// What happened to one file of the list.
enum class FileResult { kCopied, kNotOpened, kReadFailed, kWriteFailed, kStopped };

std::int64_t TotalSize(const JoinList& list, FileSystem& files)
{
    std::int64_t total = 0;
    for (int i = 0; i < list.FileCount(); ++i)
        total += files.SizeOf(list.FilePath(i));
    return total;
}

bool IsRunning(RunGate& gate)
{
    const GateLock lock(gate);
    return gate.IsRunning();
}

// The files of one job, copied one after the other to the end of its output.
class FileCopier {
public:
    FileCopier(const JoinHost& host, FileStream& output, std::int64_t total, int bInsertDividers)
        : m_host(host), m_output(output), m_total(total), m_bInsertDividers(bInsertDividers)
    {
    }

    // `errorSeen`: an error was recorded for an earlier file, so this file's first chunk stops the job.
    FileResult Copy(const std::string& path, bool errorSeen)
    {
        m_host.progress.ShowCurrentFile(path);
        const std::unique_ptr<FileStream> input = m_host.files.OpenRead(path);
        if (!input)
            return FileResult::kNotOpened;
        if (m_bInsertDividers != 0) {
            const std::string divider = DividerBlock(path);
            // A short write like a chunk's; after an earlier error no chunk would have been written
            // at all, so the job stops here.
            if (m_output.Write(divider.data(), divider.size()) < divider.size())
                return errorSeen ? FileResult::kStopped : FileResult::kWriteFailed;
        }
        // The stop rule: a chunk that is there is kept out once the join no longer runs, or an
        // earlier file failed. Nothing else looks at the flag, so empty files never stop a job.
        const std::function<bool()> mayWrite = [&] { return IsRunning(m_host.gate) && !errorSeen; };
        for (;;) {
            const ChunkCopy chunk = input->CopyChunkTo(m_output, mayWrite);
            switch (chunk.result) {
            case ChunkResult::kEnd:
                return FileResult::kCopied;
            case ChunkResult::kReadFailed:
                return FileResult::kReadFailed;
            case ChunkResult::kHeld:
                return FileResult::kStopped;
            case ChunkResult::kCopied:
            case ChunkResult::kWriteFailed:
                break;
            }
            m_done += static_cast<std::int64_t>(chunk.bytes);
            {
                const GateLock lock(m_host.gate);
                if (m_host.gate.IsRunning())
                    m_host.progress.ShowProgress(m_done, m_total);
            }
            if (chunk.result == ChunkResult::kWriteFailed)
                return FileResult::kWriteFailed;
        }
    }

private:
    const JoinHost& m_host;
    FileStream& m_output;
    const std::int64_t m_total;
    const int m_bInsertDividers;
    std::int64_t m_done = 0;  // bytes read over all files
};

std::string ErrorEntry(FileResult result, const std::string& path)
{
    switch (result) {
    case FileResult::kNotOpened:
        return OpenFailureEntry(path);
    case FileResult::kReadFailed:
        return ReadFailureEntry(path);
    case FileResult::kWriteFailed:
        return WriteFailureEntry(path);
    case FileResult::kCopied:
    case FileResult::kStopped:
        break;
    }
    return {};
}

}  // namespace

JoinOutcome RunJoinJob(const JoinHost& host, const JoinRequest& request)
{
    JoinOutcome outcome;
    const std::int64_t total = TotalSize(host.list, host.files);
    const std::unique_ptr<FileStream> output = host.files.CreateWrite(request.outputPath);
    if (!output) {
        host.progress.Report(Severity::kError, kOutputOpenFailedCaption, kOutputOpenFailedText);
        return outcome;
    }
    {
        const GateLock lock(host.gate);
        if (host.gate.IsRunning())
            host.progress.BeginCopy(total);
    }

    FileCopier copier(host, *output, total, request.bInsertDividers);
    bool writeFailed = false;
    std::string lastOpened = request.outputPath;
    for (int j = 0; j < host.list.FileCount(); ++j) {
        const std::string path = host.list.FilePath(j);
        const FileResult result = copier.Copy(path, !outcome.errorLog.empty());
        if (result == FileResult::kStopped) {
            outcome.stoppedAt = j;
            break;
        }
        outcome.errorLog += ErrorEntry(result, path);
        writeFailed = writeFailed || result == FileResult::kWriteFailed;
        if (result != FileResult::kNotOpened)
            lastOpened = path;
    }
    // Closing writes out what the stream still buffers: a failure there loses data just as a
    // short write does, and is reported unless a short write has said so already.
    if (!output->Close() && !writeFailed)
        outcome.errorLog += WriteFailureEntry(lastOpened);

    if (!outcome.errorLog.empty()) {
        host.progress.Report(Severity::kInformation, kReportCaption, ErrorReportText(outcome.errorLog));
    } else if (!outcome.Stopped()) {
        host.progress.Hide();
        outcome.succeeded = true;
    }
    return outcome;
}

}  // namespace cordwain
