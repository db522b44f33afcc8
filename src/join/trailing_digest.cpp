// The trailing reader: plain reads of a second open of the output, which see what the kernel wrote.
#include "join/trailing_digest.h"

#include <chrono>
#include <cstdio>
#include <vector>

#ifdef _WIN32
#include "join/file_open_win32.h"
#endif

namespace cordwain {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr auto kCaughtUpPause = std::chrono::milliseconds(1);
constexpr auto kProgressStep = std::chrono::milliseconds(50);

}  // namespace

TrailingDigest::~TrailingDigest()
{
    m_abandoned = true;
    if (m_reader.joinable())
        m_reader.join();
}

void TrailingDigest::Follow(const std::string& path)
{
    if (!m_reader.joinable())
        m_reader = std::thread([this, path] { ReadWhileWritten(path); });
}

// An end of file seen before the writer was done is only where the writer has got to; the one
// seen after is the end.
void TrailingDigest::ReadWhileWritten(const std::string& path)
{
#ifdef _WIN32
    const std::unique_ptr<std::FILE, FileCloser> file(OpenFileStream(path, false));
#else
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
#endif
    if (file) {
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
        std::vector<char> chunk(1 << 20);
        while (!m_abandoned) {
            const bool writerDone = m_writerDone;
            const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
            if (got > 0) {
                m_digest.Update(chunk.data(), got);
                m_hashed += static_cast<std::int64_t>(got);
            } else if (std::ferror(file.get()) != 0) {
                break;
            } else if (writerDone) {
                m_readToEnd = true;
                break;
            } else {
                // A seek to where the stream is clears the end of file, also the run-time's
                // own below the stream on Windows, so the next read looks again.
#ifdef _WIN32
                ::_fseeki64(file.get(), 0, SEEK_CUR);
#else
                std::clearerr(file.get());
#endif
                std::this_thread::sleep_for(kCaughtUpPause);
            }
        }
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_finishedSignal.notify_all();
}

bool TrailingDigest::Finish(const std::function<void(std::int64_t hashed)>& progress)
{
    if (!m_reader.joinable())
        return false;
    m_writerDone = true;
    for (std::unique_lock<std::mutex> lock(m_mutex);
         !m_finishedSignal.wait_for(lock, kProgressStep, [this] { return m_finished; });)
        progress(m_hashed);
    m_reader.join();
    return m_readToEnd;
}

}  // namespace cordwain
