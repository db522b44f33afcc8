// What the executable carries (dialogs as the dialog manager builds them, menu, manifest) and the
// framework's run-time classes. The command line's rules are tested natively and by a fuzz target,
// the queued paths on the live window, and the real program starts in the packages' check.
#include <gtest/gtest.h>

#include <type_traits>

#include "filelist/multi_file_dialog.h"
#include "join/success_dlg.h"
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
        const bool icon = std::string(::CharLowerA(name)) == "static" &&
                          (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        built.emplace_back(::GetDlgCtrlID(child), name, icon ? "(icon)" : ReadText(child));
    }
    ::DestroyWindow(dialog);
    return built;
}

TEST(Program, CarriesItsDialogsMenuManifestAndRunTimeClasses)
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
    EXPECT_EQ(Built(IDD_SUCCESS), (Controls{{IDD_SUCCESS, "", "It Worked!"},
                                            {-1, "static",
                                             "The files have been joined.  Make sure the\n new file is valid before "
                                             "deleting anything."},
                                            {IDOK, "button", "&Go Away"}}));

    const HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    std::vector<std::pair<UINT, std::string>> items;  // each popup's title, then its items
    for (int p = 0; p < ::GetMenuItemCount(menu); ++p) {
        const HMENU popup = ::GetSubMenu(menu, p);
        for (int i = -1; i < ::GetMenuItemCount(popup); ++i) {
            char text[64] = {};
            ::GetMenuStringA(i < 0 ? menu : popup, UINT(i < 0 ? p : i), text, sizeof text, MF_BYPOSITION);
            items.emplace_back(i < 0 ? 0u : ::GetMenuItemID(popup, i), text);
        }
    }
    ::DestroyMenu(menu);
    EXPECT_EQ(items, (std::vector<std::pair<UINT, std::string>>{{0, "&Program"},
                                                                {ID_PROGRAM_ABOUT, "A&bout..."},
                                                                {ID_PROGRAM_EXIT, "E&xit"},
                                                                {0, "A&ction"},
                                                                {ID_ACTION_ADD, "&Add"},
                                                                {ID_ACTION_REMOVE, "&Remove"},
                                                                {ID_ACTION_REMOVE_ALL, "Remove A&ll"},
                                                                {0, ""},
                                                                {ID_ACTION_JOIN, "&Join..."},
                                                                {0, "&Options"},
                                                                {ID_OPTIONS_INSERT_DIVIDERS, "&Insert Dividers"}}));

    const HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                               ::SizeofResource(nullptr, found));
    for (const char* part :
         {R"(processorArchitecture="amd64")", "Microsoft.Windows.Common-Controls", ">UTF-8</activeCodePage>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;

    // The framework's run-time classes chain to their real bases.
    const CSuccessDlg success;
    EXPECT_TRUE(success.IsKindOf(CDialog::ThisClass()));
    EXPECT_FALSE(success.IsKindOf(CFileDialog::ThisClass()));
    EXPECT_STREQ(CMultiFileDialog::ThisClass()->m_pBaseClass->m_lpszClassName, "CFileDialog");
}

static_assert(!std::is_copy_constructible_v<CWnd> && !std::is_copy_assignable_v<CWnd>, "window objects are unique");

}  // namespace
}  // namespace cordwain
