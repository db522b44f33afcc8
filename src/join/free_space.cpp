// The rule for a join's room on its output's disk, over the system's answers.
#include "join/free_space.h"

#include "join/join_texts.h"

namespace cordwain {

std::optional<SpaceShortfall> FindSpaceShortfall(const JoinList& list, const std::string& outputPath, bool dividers,
                                                 FileSystem& files)
{
    const std::optional<OutputDisk> disk = QueryOutputDisk(outputPath);
    if (!disk)
        return std::nullopt;
    std::int64_t needed = 0;
    for (int i = 0; i < list.FileCount(); ++i) {
        const std::string path = list.FilePath(i);
        if (dividers)
            needed += static_cast<std::int64_t>(DividerBlock(path).size());
        if (dividers || !MayShareExtents(path, outputPath))
            needed += files.SizeOf(path);
    }
    const std::int64_t free = disk->freeBytes + disk->replacedBytes;
    if (needed <= free)
        return std::nullopt;
    return SpaceShortfall{needed, free};
}

}  // namespace cordwain
