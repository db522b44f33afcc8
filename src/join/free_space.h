// Whether the output's disk can hold a join, asked before the output is created: a join that
// cannot fit is refused at once, rather than failing once it has filled the disk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "join/join_host.h"

namespace cordwain {

// The disk a new output goes to, as the system describes it.
struct OutputDisk {
    std::int64_t freeBytes = 0;      // free to this user
    std::int64_t replacedBytes = 0;  // the file already at the output's name, free once it is replaced
};

// A join its output's disk cannot hold: the bytes it would write, and the bytes free for them.
struct SpaceShortfall {
    std::int64_t needed = 0;
    std::int64_t free = 0;
};

// The output's disk; nullopt when the system cannot tell (then nothing is refused).
std::optional<OutputDisk> QueryOutputDisk(const std::string& outputPath);

// Whether the kernel's copy may share `inputPath`'s extents with a file created at `outputPath`
// instead of writing them again: the same volume, of a file system that shares them (btrfs, XFS).
bool MayShareExtents(const std::string& inputPath, const std::string& outputPath);

// The join of `list` into `outputPath` writes every input's bytes, and a divider ahead of each
// file when they are on; only an input whose extents may be shared can take no space, and only
// without dividers, which leave the inputs' blocks out of line in the output. nullopt when it fits.
std::optional<SpaceShortfall> FindSpaceShortfall(const JoinList& list, const std::string& outputPath, bool dividers,
                                                 FileSystem& files);

}  // namespace cordwain
