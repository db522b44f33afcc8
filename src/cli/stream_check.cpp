#include "cli/stream_check.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "cli/shown_name.h"
#include "join/output_name.h"

namespace cordwain {

StreamCheck::StreamCheck(std::string name, ChecksumSource source, std::string expected, std::unique_ptr<Digest> digest,
                         FileSystem& files)
    : m_name(std::move(name)),
      m_source(std::move(source)),
      m_expected(std::move(expected)),
      m_digest(std::move(digest)),
      m_files(files, *m_digest)
{
}

std::unique_ptr<StreamCheck> StreamCheck::Find(const std::string& firstPiece, FileSystem& files,
                                               const JoinConsole& console)
{
    const std::string name = NamePart(SuggestedOutputName(firstPiece, console.codePage), console.codePage);
    if (name.empty() || name == NamePart(firstPiece, console.codePage)) {
        console.err << "cordwain-join: --verify needs a name to look up for the standard output, and "
                    << ShownName(firstPiece) << " proposes none.\n";
        return nullptr;
    }
    for (const ChecksumSource& source : ChecksumSources(FolderPart(firstPiece, console.codePage), name)) {
        std::ifstream in(source.path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::optional<std::string> expected = FindDigest(text, name, source.kind, source.ownFile);
        std::unique_ptr<Digest> digest = expected ? Digest::Create(source.kind) : nullptr;
        if (digest)
            return std::unique_ptr<StreamCheck>(new StreamCheck(name, source, *expected, std::move(digest), files));
    }
    console.err << "cordwain-join: no checksum names " << ShownName(name) << " beside " << ShownName(firstPiece)
                << " (looked in " << name << ".sha256, .sha1 and .md5, and in SHA256SUMS, SHA1SUMS and MD5SUMS);"
                << " nothing was written.\n";
    return nullptr;
}

int StreamCheck::Finish(const JoinConsole& console)
{
    const std::string actual = m_digest->FinishHex();
    const char* const hash = HashName(m_source.kind);
    const std::string what = "cordwain-join: the standard output (" + ShownName(m_name) + ")";
    if (actual == m_expected) {
        console.err << what << " matches its " << hash << " checksum in " << ShownName(m_source.path) << ".\n";
        return kExitJoined;
    }
    console.err << what << " does not match its " << hash << " checksum in " << ShownName(m_source.path)
                << ":\n  expected " << m_expected << "\n  actual   " << actual
                << "\nOne of the pieces is not what was published.\n";
    return kExitFailed;
}

}  // namespace cordwain
