// What a user meets, as the executable carries it: the dialogs' controls (id, class, text, in
// template and Tab order) as the dialog manager builds them, the menu's commands, the manifest.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/window_driver.h"

namespace cordwain {
namespace {

using Controls = std::vector<std::tuple<int, std::string, std::string>>;  // id, class, text

Controls Built(int templateId)
{
    const auto passive = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; };
    const HWND dialog = ::CreateDialogParamA(nullptr, MAKEINTRESOURCEA(templateId), nullptr, passive, 0);
    Controls built{{templateId, "", ReadText(dialog)}};
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        const bool icon =
            std::string(CharLowerA(name)) == "static" && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        built.emplace_back(::GetDlgCtrlID(child), name, icon ? "(icon)" : ReadText(child));
    }
    ::DestroyWindow(dialog);
    return built;
}

TEST(Resources, DialogsHoldTheirControlsInOrder)
{
    EXPECT_EQ(Built(IDD_CORDWAIN_DIALOG),
              (Controls{{IDD_CORDWAIN_DIALOG, "", "Cordwain"},
                        {IDC_JOIN, "button", "&Join..."},
                        {IDC_ABOUT, "button", "A&bout..."},
                        {IDCANCEL, "button", "E&xit"},
                        {IDC_NOTE, "static", "NOTE: Reorder the list by dragging files to the desired positions."},
                        {IDC_INSERT_DIVIDERS, "button", "Insert &Dividers"},
                        {IDC_OPTIONS_LABEL, "static", "Options:"},
                        {IDC_FILES_GROUP, "button", "Files:"},
                        {IDC_FILE_LIST, "listbox", ""},
                        {IDC_ADD, "button", "&Add..."},
                        {IDC_REMOVE, "button", "&Remove"},
                        {IDC_REMOVE_ALL, "button", "Remove A&ll"},
                        {IDC_SORT_LIST, "button", "&Sort List"}}));
    EXPECT_EQ(Built(IDD_ABOUTBOX), (Controls{{IDD_ABOUTBOX, "", "About Cordwain..."},
                                             {-1, "static", "(icon)"},
                                             {-1, "static", "Cordwain Version 2.1"},
                                             {IDOK, "button", "&Whatever"}}));
    EXPECT_EQ(Built(IDD_PROGRESS), (Controls{{IDD_PROGRESS, "", "Joining Files..."},
                                             {IDCANCEL, "button", "Cancel"},
                                             {IDC_PROGRESS_BAR, "msctls_progress32", "Progress1"},
                                             {-1, "static", "Current File:"},
                                             {IDC_CURRENT_FILE, "edit", ""},
                                             {-1, "static", "Overall Progress"}}));
    EXPECT_EQ(Built(IDD_SUCCESS),
              (Controls{{IDD_SUCCESS, "", "It Worked!"},
                        {-1, "static",
                         "The files have been joined.  Make sure the\n new file is valid before deleting anything."},
                        {IDOK, "button", "&Go Away"}}));
}

TEST(Resources, MenuCommandsAndTheManifest)
{
    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    std::vector<std::pair<UINT, std::string>> items;
    for (int p = 0; p < ::GetMenuItemCount(menu); ++p) {
        const HMENU popup = ::GetSubMenu(menu, p);
        for (int i = -1; i < ::GetMenuItemCount(popup); ++i) {
            char text[64] = {};
            ::GetMenuStringA(i < 0 ? menu : popup, static_cast<UINT>(i < 0 ? p : i), text, sizeof text, MF_BYPOSITION);
            items.emplace_back(i < 0 ? 0xFFFFFFFF : ::GetMenuItemID(popup, i), text);
        }
    }
    ::DestroyMenu(menu);
    EXPECT_EQ(items, (std::vector<std::pair<UINT, std::string>>{{0xFFFFFFFF, "&Program"},
                                                                {ID_PROGRAM_ABOUT, "A&bout..."},
                                                                {ID_PROGRAM_EXIT, "E&xit"},
                                                                {0xFFFFFFFF, "A&ction"},
                                                                {ID_ACTION_ADD, "&Add"},
                                                                {ID_ACTION_REMOVE, "&Remove"},
                                                                {ID_ACTION_REMOVE_ALL, "Remove A&ll"},
                                                                {0, ""},
                                                                {ID_ACTION_JOIN, "&Join..."},
                                                                {0xFFFFFFFF, "&Options"},
                                                                {ID_OPTIONS_INSERT_DIVIDERS, "&Insert Dividers"}}));

    const HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                               ::SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(R"(processorArchitecture="amd64")"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find(">UTF-8</activeCodePage>"), std::string::npos);
}

}  // namespace
}  // namespace cordwain
