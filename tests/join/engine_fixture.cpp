// The fixture's made-up streams and its records.
#include "engine_fixture.h"

#include <algorithm>
#include <vector>

namespace cordwain {
namespace {

class FakeOutput final : public FileStream {
public:
    explicit FakeOutput(EngineFixture& owner) : m_owner(&owner) {}
    ~FakeOutput() override { Close(); }
    std::size_t Read(char*, std::size_t) override { return 0; }
    bool AtEnd() const override { return false; }
    std::size_t Write(const char* data, std::size_t size) override { return m_owner->WriteOutput(data, size); }
    bool Close() override
    {
        EngineFixture* const owner = std::exchange(m_owner, nullptr);
        return owner == nullptr || owner->CloseOutput();
    }

private:
    EngineFixture* m_owner;
};

class FakeInput final : public FileStream {
public:
    FakeInput(EngineFixture& owner, std::vector<std::string>& events, std::string path, const FakeFile& file,
              std::size_t kernelStep, bool refuse)
        : m_owner(owner), m_events(events), m_path(std::move(path)), m_file(file), m_kernelStep(kernelStep),
          m_refuse(refuse)
    {
    }
    ~FakeInput() override { m_events.push_back("close " + m_path); }
    std::size_t Read(char* buffer, std::size_t size) override
    {
        const std::size_t n = Available(size);
        if (m_file.length < 0)
            m_file.bytes.copy(buffer, n, static_cast<std::size_t>(m_position));
        else
            std::fill_n(buffer, n, '\0');
        m_atEnd = n == 0 && m_position >= Length();
        m_position += static_cast<std::int64_t>(n);
        return n;
    }
    bool AtEnd() const override { return m_atEnd; }
    std::size_t Write(const char*, std::size_t) override { return 0; }
    bool Close() override { return true; }
    std::size_t KernelCopyStep() const override { return m_kernelStep; }
    std::optional<bool> HasMoreBytes() override
    {
        if (m_kernelStep == 0 || (Available(1) == 0 && m_position < Length()))
            return std::nullopt;  // a read that fails: the buffer's read says so
        return Available(1) > 0;
    }
    // All or nothing, as the kernel's copy into a full disk fails at once.
    std::optional<std::size_t> CopyTo(FileStream&, std::size_t size) override
    {
        std::vector<char> chunk(Available(size));
        if (m_refuse || chunk.empty() || !m_owner.CanTake(chunk.size()))
            return std::nullopt;
        Read(chunk.data(), chunk.size());
        return m_owner.WriteOutput(chunk.data(), chunk.size());
    }

private:
    std::int64_t Length() const { return m_file.length >= 0 ? m_file.length : std::int64_t(m_file.bytes.size()); }
    std::size_t Available(std::size_t size) const
    {
        const std::int64_t end = m_file.failAfter >= 0 ? std::min(m_file.failAfter, Length()) : Length();
        return static_cast<std::size_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(size, end - m_position)));
    }

    EngineFixture& m_owner;
    std::vector<std::string>& m_events;
    std::string m_path;
    FakeFile m_file;
    std::size_t m_kernelStep;
    bool m_refuse;
    std::int64_t m_position = 0;
    bool m_atEnd = false;
};

}  // namespace

JoinOutcome EngineFixture::Run(bool dividers, FileSystem* other, const std::string& output)
{
    events.clear();
    positions.clear();
    m_reads = 0;
    const JoinOutcome outcome = RunJoinJob(JoinServices{*this, *this, *this, other != nullptr ? *other : *this, *this},
                                           {output, dividers}, succeeded);
    EXPECT_EQ(succeeded.load(), outcome.succeeded);  // set before the close is asked for
    EXPECT_EQ(events.back(), "close");               // the job's last act
    EXPECT_FALSE(held);
    return outcome;
}

std::vector<std::string> EngineFixture::Opened() const
{
    std::vector<std::string> opened;
    for (const std::string& event : events) {
        if (event.rfind("open ", 0) == 0 && event != "open output")
            opened.push_back(event.substr(5));
    }
    return opened;
}

std::string EngineFixture::FilePath(int index) const
{
    if (onRead)
        onRead(index);
    return paths.at(static_cast<std::size_t>(index));
}

void EngineFixture::ShowMessage(const std::string& text, const std::string& caption, unsigned style)
{
    EXPECT_EQ(style, caption == "Well..." ? 0x40u : 0x10u);
    messages.push_back(caption + "\n" + text);
    events.push_back("message");
}

bool EngineFixture::IsRunning() const
{
    EXPECT_TRUE(held) << "the running flag read outside the gate";
    return falseFromRead == 0 || ++m_reads < falseFromRead;
}

void EngineFixture::Record(const std::string& event)
{
    EXPECT_TRUE(held) << event << " outside the gate";
    if (!event.empty())
        events.push_back(event);
}

std::int64_t EngineFixture::SizeOf(const std::string& path)
{
    const auto found = files.find(path);
    if (found == files.end())
        return 0;
    const FakeFile& file = found->second;
    return file.sized >= 0 ? file.sized : file.length >= 0 ? file.length : std::int64_t(file.bytes.size());
}

std::unique_ptr<FileStream> EngineFixture::OpenRead(const std::string& path)
{
    const auto found = files.find(path);
    if (found == files.end())
        return nullptr;
    events.push_back("open " + path);
    return std::make_unique<FakeInput>(*this, events, path, found->second, GetParam() ? 524288 : 0, refuseKernelCopy);
}

std::unique_ptr<FileStream> EngineFixture::CreateWrite(const std::string&)
{
    if (outputFails)
        return nullptr;
    written.clear();
    writtenCount = 0;
    events.push_back("open output");
    return std::make_unique<FakeOutput>(*this);
}

std::size_t EngineFixture::WriteOutput(const char* data, std::size_t size)
{
    writeSizes.push_back(size);
    const auto n =
        static_cast<std::size_t>(capacity < 0 ? size : std::min<std::int64_t>(size, capacity - writtenCount));
    if (written.size() + n <= (64u << 20))
        written.append(data, n);
    writtenCount += static_cast<std::int64_t>(n);
    return n;
}

}  // namespace cordwain
