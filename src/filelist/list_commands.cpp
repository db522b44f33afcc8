// Remove, Remove All and Sort List over the list box operations.
#include "filelist/list_commands.h"

#include <string>
#include <vector>

namespace filelist {

void RemoveSelected(ListBox& list)
{
    const int selection = list.GetCurSel();
    if (selection == kListBoxError) {
        return;
    }
    list.DeleteString(selection);
}

void RemoveAll(ListBox& list) { list.ResetContent(); }

void SortList(ListBox& list, const CodePage& codePage)
{
    const int count = list.GetCount();
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        texts.push_back(list.GetText(i));
    }
    // Everything that can fail happens before the clear, so a failure leaves the list as it was.
    SortListTexts(texts, codePage);
    list.ResetContent();
    for (const std::string& text : texts) {
        list.AddString(text);
    }
}

}  // namespace filelist
