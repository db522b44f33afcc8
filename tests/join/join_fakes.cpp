// Streams of the made-up file system.
#include "join_fakes.h"

#include <algorithm>

namespace cordwain::testing {
namespace {

class FakeInput final : public FileStream {
public:
    FakeInput(FakeFileSystem& owner, std::string path, FakeFileSystem::File file)
        : owner_(owner), path_(std::move(path)), file_(file)
    {
    }
    ~FakeInput() override { owner_.events.push_back("close " + path_); }

    std::size_t Read(char*, std::size_t size) override
    {
        std::int64_t limit = file_.length;
        if (file_.failReadAfter >= 0)
            limit = std::min(limit, file_.failReadAfter);
        const std::int64_t n = std::min<std::int64_t>(static_cast<std::int64_t>(size), limit - position_);
        if (n <= 0) {
            atEnd_ = position_ >= file_.length;
            return 0;
        }
        position_ += n;
        return static_cast<std::size_t>(n);
    }
    bool AtEnd() const override { return atEnd_; }
    std::size_t Write(const char*, std::size_t) override { return 0; }
    bool Close() override { return true; }

private:
    FakeFileSystem& owner_;
    std::string path_;
    FakeFileSystem::File file_;
    std::int64_t position_ = 0;
    bool atEnd_ = false;
};

class FakeOutput final : public FileStream {
public:
    explicit FakeOutput(FakeFileSystem& owner) : owner_(owner) {}
    ~FakeOutput() override
    {
        if (!closed_)
            owner_.events.push_back("close output");
    }
    bool Close() override
    {
        closed_ = true;
        owner_.events.push_back("close output");
        return !owner_.failOutputClose;
    }

    std::size_t Read(char*, std::size_t) override { return 0; }
    bool AtEnd() const override { return false; }
    std::size_t Write(const char*, std::size_t size) override
    {
        owner_.writeSizes.push_back(size);
        std::int64_t n = static_cast<std::int64_t>(size);
        if (owner_.outputCapacity >= 0)
            n = std::min(n, owner_.outputCapacity - owner_.bytesWritten);
        owner_.bytesWritten += n;
        return static_cast<std::size_t>(n);
    }

private:
    FakeFileSystem& owner_;
    bool closed_ = false;
};

}  // namespace

std::unique_ptr<FileStream> FakeFileSystem::OpenRead(const std::string& path)
{
    const auto found = files.find(path);
    if (found == files.end())
        return nullptr;
    events.push_back("open " + path);
    return std::make_unique<FakeInput>(*this, path, found->second);
}

std::unique_ptr<FileStream> FakeFileSystem::CreateWrite(const std::string&)
{
    events.push_back("open output");
    return std::make_unique<FakeOutput>(*this);
}

}  // namespace cordwain::testing
