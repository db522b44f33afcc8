// The four dialog templates as the windows the dialog manager builds from them: caption, frame,
// font, menu, and every control with its id, class, text, styles and place.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"

namespace cordwain::test {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    RECT place;  // left, top, width, height in dialog units
};

struct ExpectedDialog {
    int templateId;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const char* menu;
    std::vector<ExpectedControl> controls;  // in template order
};

const ExpectedDialog kMainDialog{
    IDD_CORDWAIN_DIALOG,
    "Cordwain",
    DS_SETFONT | DS_3DLOOK | DS_CENTER | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
        WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    WS_EX_APPWINDOW,
    370,
    201,
    "#131",
    {
        {IDC_JOIN, "Button", "&Join...", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {293, 7, 70, 14}},
        {IDC_ABOUT, "Button", "A&bout...", kButton, 0, {293, 162, 70, 14}},
        {IDCANCEL, "Button", "E&xit", kButton, 0, {293, 180, 70, 14}},
        {IDC_NOTE,
         "Static",
         "NOTE: Reorder the list by dragging files to the desired positions.",
         kChild | WS_GROUP | SS_LEFT,
         0,
         {16, 183, 203, 11}},
        {IDC_INSERT_DIVIDERS,
         "Button",
         "Insert &Dividers",
         kChild | WS_TABSTOP | BS_AUTOCHECKBOX,
         0,
         {299, 86, 64, 14}},
        {IDC_OPTIONS_LABEL, "Static", "Options:", kChild | WS_GROUP | SS_LEFT, 0, {299, 76, 28, 8}},
        {IDC_FILES_GROUP, "Button", "Files:", kChild | BS_GROUPBOX, 0, {7, 7, 280, 175}},
        {IDC_FILE_LIST, "ListBox", "", 0x50B10101, WS_EX_ACCEPTFILES, {14, 16, 263, 142}},
        {IDC_ADD, "Button", "&Add...", kButton, 0, {14, 162, 59, 14}},
        {IDC_REMOVE, "Button", "&Remove", kButton, 0, {82, 162, 59, 14}},
        {IDC_REMOVE_ALL, "Button", "Remove A&ll", kButton, 0, {150, 162, 59, 14}},
        {IDC_SORT_LIST, "Button", "&Sort List", kButton, 0, {218, 162, 59, 14}},
    }};

const ExpectedDialog kAboutBox{
    IDD_ABOUTBOX,
    "About Cordwain...",
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    0,
    210,
    54,
    "",
    {
        {IDC_STATIC, "Static", "#128", kChild | SS_ICON, 0, {11, 17, 20, 20}},
        {IDC_STATIC, "Static", "Cordwain Version 2.1", kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0, {40, 10, 137, 8}},
        {IDOK, "Button", "&Whatever", kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, {153, 7, 50, 14}},
    }};

const ExpectedDialog kProgressDialog{
    IDD_PROGRESS,
    "Joining Files...",
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
    0,
    250,
    81,
    "",
    {
        {IDCANCEL, "Button", "Cancel", kButton, 0, {193, 60, 50, 14}},
        {IDC_PROGRESS_BAR, "msctls_progress32", "Progress1", kChild | WS_BORDER | PBS_SMOOTH, 0, {7, 42, 236, 14}},
        {IDC_STATIC, "Static", "Current File:", kChild | SS_LEFT, 0, {7, 8, 38, 8}},
        {IDC_CURRENT_FILE,
         "Edit",
         "",
         kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY,
         WS_EX_STATICEDGE,
         {7, 17, 236, 12}},
        {IDC_STATIC, "Static", "Overall Progress", kChild | SS_LEFT, 0, {7, 33, 52, 8}},
    }};

const ExpectedDialog kSuccessDialog{
    IDD_SUCCESS,
    "It Worked!",
    DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    0,
    158,
    54,
    "",
    {
        {IDC_STATIC,
         "Static",
         "The files have been joined.  Make sure the\n new file is valid before deleting anything.",
         kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX,
         0,
         {7, 7, 144, 23}},
        {IDOK, "Button", "&Go Away", kChild | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, {53, 32, 50, 14}},
    }};

const ExpectedDialog* const kDialogs[] = {&kMainDialog, &kAboutBox, &kProgressDialog, &kSuccessDialog};

HMODULE ThisModule() { return GetModuleHandleA(nullptr); }

std::string Lower(std::string text)
{
    for (auto& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string WindowText(HWND window)
{
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ClassName(HWND window)
{
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using DialogWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

DialogWindow CreateFromTemplate(int templateId)
{
    return DialogWindow(CreateDialogParamA(ThisModule(), MAKEINTRESOURCEA(templateId), nullptr, PassiveDialogProc, 0));
}

class DialogTemplates : public testing::TestWithParam<const ExpectedDialog*> {
protected:
    static void SetUpTestSuite()
    {
        // The progress bar's window class exists only once the common controls are initialised.
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
    }
};

// The dialog manager may add bits of its own (a 3-D edge, no-parent-notify), so the live windows
// are checked for the designed bits rather than for equal words.
TEST_P(DialogTemplates, LoadsIntoWindowsInTemplateOrder)
{
    const ExpectedDialog& expected = *GetParam();
    const DialogWindow dialog = CreateFromTemplate(expected.templateId);
    ASSERT_TRUE(dialog) << "template " << expected.templateId << " error " << GetLastError();

    EXPECT_EQ(WindowText(dialog.get()), expected.caption);
    const auto windowStyle = static_cast<DWORD>(GetWindowLongA(dialog.get(), GWL_STYLE));
    constexpr DWORD kFrameBits = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(windowStyle & kFrameBits, expected.style & kFrameBits) << std::hex << windowStyle;

    EXPECT_EQ(GetMenu(dialog.get()) != nullptr, *expected.menu != '\0');
    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.get(), WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));  // 8 points
    ReleaseDC(nullptr, screen);
    const auto windowExStyle = static_cast<DWORD>(GetWindowLongA(dialog.get(), GWL_EXSTYLE));
    EXPECT_EQ(windowExStyle & WS_EX_APPWINDOW, expected.exStyle);

    RECT client{};
    GetClientRect(dialog.get(), &client);
    RECT designedClient{0, 0, expected.cx, expected.cy};
    MapDialogRect(dialog.get(), &designedClient);
    EXPECT_EQ(client.right, designedClient.right);
    EXPECT_EQ(client.bottom, designedClient.bottom);

    HWND child = GetWindow(dialog.get(), GW_CHILD);
    for (size_t i = 0; i < expected.controls.size(); ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const ExpectedControl& want = expected.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + want.text + "\"");
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), want.id);
        EXPECT_EQ(Lower(ClassName(child)), Lower(want.className));

        const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        // A border may become a client edge; scroll-bar bits follow whether the bars are shown.
        const DWORD designedBits = want.style & ~(WS_BORDER | WS_VSCROLL | WS_HSCROLL);
        EXPECT_EQ(style & designedBits, designedBits) << std::hex << style;
        const auto exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
        constexpr DWORD kDesignedExBits = WS_EX_ACCEPTFILES | WS_EX_STATICEDGE;
        EXPECT_EQ(exStyle & kDesignedExBits, want.exStyle) << std::hex << exStyle;

        // The dialog manager converts position and size separately, so the two are mapped apart.
        RECT origin{want.place.left, want.place.top, 0, 0};
        RECT size{0, 0, want.place.right, want.place.bottom};
        MapDialogRect(dialog.get(), &origin);
        MapDialogRect(dialog.get(), &size);
        const RECT place{origin.left, origin.top, origin.left + size.right, origin.top + size.bottom};
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog.get(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        if ((want.style & SS_TYPEMASK) == SS_ICON && want.className == std::string("Static")) {
            // An icon control takes the icon's size and must show icon 128.
            EXPECT_NE(SendMessageA(child, STM_GETICON, 0, 0), 0);
        } else {
            EXPECT_EQ(actual.right, place.right);
            EXPECT_EQ(actual.bottom, place.bottom);
            EXPECT_EQ(WindowText(child), want.text);
        }
    }
    EXPECT_EQ(child, nullptr) << "more controls than designed";
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogTemplates, testing::ValuesIn(kDialogs),
                         [](const testing::TestParamInfo<const ExpectedDialog*>& param) {
                             return "Template" + std::to_string(param.param->templateId);
                         });

TEST(ProgressDialogTemplate, HasNoSystemMenuSoNoCloseBox)
{
    const DialogWindow dialog = CreateFromTemplate(IDD_PROGRESS);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(GetWindowLongA(dialog.get(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(GetSystemMenu(dialog.get(), FALSE), nullptr);
}

TEST(ProgressDialogTemplate, PathBoxIsReadOnly)
{
    const DialogWindow dialog = CreateFromTemplate(IDD_PROGRESS);
    ASSERT_TRUE(dialog);
    HWND path = GetDlgItem(dialog.get(), IDC_CURRENT_FILE);
    ASSERT_NE(path, nullptr);
    SendMessageA(path, WM_CHAR, 'x', 0);
    EXPECT_EQ(WindowText(path), "");
}

}  // namespace
}  // namespace cordwain::test
