// --verify of a join written to the standard output, which cannot be read back: the checksum
// published beside the first piece is found before the join, and the bytes are hashed on their
// way out.
#pragma once

#include <memory>
#include <string>

#include "cli/join_tool.h"
#include "join/checksum_file.h"
#include "join/digest.h"
#include "join/digesting_file_system.h"

namespace cordwain {

class StreamCheck {
public:
    // Null, once `console.err` has said why, when no checksum names the join beside the first
    // piece (the join takes the name proposed for it).
    static std::unique_ptr<StreamCheck> Find(const std::string& firstPiece, FileSystem& files,
                                             const JoinConsole& console);

    // The files to join with: the output's bytes are hashed as they are written.
    FileSystem& Files() { return m_files; }
    // Says whether what was written matches; the exit status.
    int Finish(const JoinConsole& console);

private:
    StreamCheck(std::string name, ChecksumSource source, std::string expected, std::unique_ptr<Digest> digest,
                FileSystem& files);

    const std::string m_name;
    const ChecksumSource m_source;
    const std::string m_expected;
    const std::unique_ptr<Digest> m_digest;
    DigestingFileSystem m_files;
};

}  // namespace cordwain
