// Remove, Remove All and Sort List over the list's item operations.
#include "filelist/list_commands.h"

#include <string>
#include <vector>

namespace cordwain {

void RemoveSelected(FileList& list)
{
    const int selection = list.Selection();
    if (selection != kListError)
        list.Delete(selection);
}

void RemoveAll(FileList& list) { list.Clear(); }

void SortList(FileList& list, const CodePage& codePage)
{
    std::vector<std::string> texts;
    const int count = list.Count();
    for (int i = 0; i < count; ++i)
        texts.push_back(list.Text(i));
    // Everything that can fail happens before the clear, so a failure leaves the list as it was.
    SortListTexts(texts, codePage);
    list.Clear();
    for (const std::string& text : texts)
        list.Append(text);
}

}  // namespace cordwain
