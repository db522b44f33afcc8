// The drop filter.
#include "filelist/dropped_files.h"

namespace filelist {

void AppendDroppedFiles(ListBox& list, const std::vector<std::string>& droppedNames,
                        const FileAttributesQuery& attributesOf)
{
    for (const std::string& name : droppedNames) {
        if ((attributesOf(name) & kFileAttributeDirectory) == 0) {
            list.AddString(name);
        }
    }
}

}  // namespace filelist
