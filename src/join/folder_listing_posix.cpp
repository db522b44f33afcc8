// A folder's names through opendir and readdir.
#include "join/folder_listing.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

namespace cordwain {
namespace {

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

}  // namespace

std::vector<std::string> FileNamesEndingIn(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, FolderCloser> listing(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!listing)
        return names;
    while (const dirent* const entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (entry->d_type != DT_DIR && EndsInIgnoringCase(name, suffix))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace cordwain
