// The open dialog driver: its controls found by class and id, its texts read with CDM_ messages.
#include "open_dialog_driver.h"

#include <commctrl.h>
#include <commdlg.h>

#include "support/window_finder.h"
#include "support/window_input.h"

namespace opendlg {

namespace {

struct ClassSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND hWnd, LPARAM lParam)
{
    auto* const search = reinterpret_cast<ClassSearch*>(lParam);
    if (wintest::WindowClassName(hWnd) == search->className) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The view's list lives inside the SHELLDLL_DefView child, which is replaced on each new folder.
HWND FileListView(HWND dialog)
{
    ClassSearch view{"SHELLDLL_DefView", nullptr};
    ::EnumChildWindows(dialog, &MatchClass, reinterpret_cast<LPARAM>(&view));
    if (view.found == nullptr)
        return nullptr;
    ClassSearch list{"SysListView32", nullptr};
    ::EnumChildWindows(view.found, &MatchClass, reinterpret_cast<LPARAM>(&list));
    return list.found;
}

std::string DialogText(HWND dialog, UINT message)
{
    char probe[1] = {};
    const LRESULT size = ::SendMessageA(dialog, message, sizeof probe, reinterpret_cast<LPARAM>(probe));
    if (size <= 0)
        return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    ::SendMessageA(dialog, message, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find('\0'));
    return text;
}

}  // namespace

HWND GoToFolder(HWND dialog, const std::string& folder, int itemCount, DWORD timeoutMs)
{
    wintest::TypeText(FileNameBox(dialog), folder.c_str());
    wintest::ClickButton(dialog, IDOK);
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (::GetTickCount64() < deadline) {
        const HWND listView = FileListView(dialog);
        if (listView != nullptr && _stricmp(FolderText(dialog).c_str(), folder.c_str()) == 0 &&
            ::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0) == itemCount)
            return listView;
        ::Sleep(10);
    }
    return nullptr;
}

void SelectItems(HWND listView, const std::vector<int>& indexes)
{
    for (const int index : indexes) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        ::SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
}

std::vector<std::string> ListViewNames(HWND listView)
{
    std::vector<std::string> names;
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        LVITEMA item{};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        ::SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        names.emplace_back(text);
    }
    return names;
}

std::string FileNameText(HWND dialog) { return DialogText(dialog, CDM_GETSPEC); }

std::string FolderText(HWND dialog) { return DialogText(dialog, CDM_GETFOLDERPATH); }

}  // namespace opendlg
