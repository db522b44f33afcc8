#include "join/digesting_file_system.h"

namespace cordwain {
namespace {

class DigestingStream final : public FileStream {
public:
    DigestingStream(std::unique_ptr<FileStream> output, Digest& digest) : m_output(std::move(output)), m_digest(digest)
    {
    }

    // Only ever an output.
    ChunkCopy CopyChunkTo(FileStream&, const std::function<bool()>&) override { return {ChunkResult::kReadFailed, 0}; }
    // Only the bytes the file took are hashed: after a short write the join has failed anyway.
    std::size_t Write(const char* data, std::size_t size) override
    {
        const std::size_t written = m_output->Write(data, size);
        m_digest.Update(data, written);
        return written;
    }
    bool Close() override { return m_output->Close(); }

private:
    std::unique_ptr<FileStream> m_output;
    Digest& m_digest;
};

}  // namespace

std::unique_ptr<FileStream> DigestingFileSystem::CreateWrite(const std::string& path)
{
    std::unique_ptr<FileStream> output = m_files.CreateWrite(path);
    if (!output)
        return nullptr;
    return std::make_unique<DigestingStream>(std::move(output), m_digest);
}

}  // namespace cordwain
