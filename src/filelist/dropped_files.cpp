// The drop filter.
#include "filelist/dropped_files.h"

namespace cordwain {

void AppendDroppedFiles(FileList& list, const std::vector<std::string>& droppedNames, FileAttributesQuery attributesOf)
{
    for (const std::string& name : droppedNames) {
        if ((attributesOf(name) & kFileAttributeDirectory) == 0)
            list.Append(name);
    }
}

}  // namespace cordwain
