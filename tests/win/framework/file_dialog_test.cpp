// CFileDialog: the walk over result buffers, and the real Save As dialog driven by typing a name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/file_dialog.h"
#include "support/modal_watcher.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "support/window_input.h"

namespace {

std::vector<std::string> WalkNames(const char* bytes, std::size_t size, WORD fileOffset,
                                   DWORD flags = OFN_ALLOWMULTISELECT)
{
    CFileDialog dialog(TRUE, nullptr, nullptr, flags);
    std::vector<char> buffer(bytes, bytes + size);
    dialog.m_ofn.lpstrFile = buffer.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.m_ofn.nFileOffset = fileOffset;
    std::vector<std::string> names;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        names.push_back(dialog.GetNextPathName(pos).str());
    return names;
}

using Strings = std::vector<std::string>;

TEST(FileDialogNames, MultipleSelectionJoinsTheFolderToEachName)
{
    static const char multiple[] = "C:\\data\0a.txt\0b.txt\0";
    EXPECT_EQ((Strings{"C:\\data\\a.txt", "C:\\data\\b.txt"}), WalkNames(multiple, sizeof multiple, 8));

    static const char root[] = "C:\\\0a.txt\0b.txt\0";
    EXPECT_EQ((Strings{"C:\\a.txt", "C:\\b.txt"}), WalkNames(root, sizeof root, 4));

    static const char noBackslash[] = "/tmp\0a\0";
    EXPECT_EQ((Strings{"/tmp/a"}), WalkNames(noBackslash, sizeof noBackslash, 5));
}

TEST(FileDialogNames, SingleSelectionIsOneFullPathWhateverFollowsIt)
{
    // After a single name the buffer may hold leftovers of an earlier answer.
    static const char single[] = "C:\\data\\a.txt\0stale\0";
    EXPECT_EQ((Strings{"C:\\data\\a.txt"}), WalkNames(single, sizeof single, 8));
    EXPECT_EQ((Strings{"C:\\data\\a.txt"}), WalkNames(single, sizeof single, 8, 0));
    static const char empty[] = "\0";
    EXPECT_TRUE(WalkNames(empty, sizeof empty, 0).empty());
}

TEST(FileDialog, SaveAsAnswersTheTypedNameInTheInitialFolder)
{
    const wintest::TempFolder temp;
    const std::string& folder = temp.Path();
    CFileDialog saveAs(FALSE, nullptr, "proposed.txt", OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER,
                       "All Files (*.*)|*.*|");
    saveAs.m_ofn.lpstrInitialDir = folder.c_str();
    saveAs.m_ofn.lpstrTitle = "Framework Save Test";
    std::wstring proposedShown;
    std::string folderShown;
    wintest::ModalWatcher watcher("Framework Save Test", [&](HWND dlg) {
        const HWND box = wintest::FileNameBox(dlg);
        proposedShown = wintest::ReadWindowText(box);
        char current[MAX_PATH] = {};
        ::SendMessageA(dlg, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(current));
        folderShown = current;
        wintest::TypeText(box, "framework-save-test.bin");
        wintest::ClickButton(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, saveAs.DoModal());
    EXPECT_TRUE(watcher.Finish());
    EXPECT_EQ(L"proposed.txt", proposedShown);
    EXPECT_EQ(0, _stricmp(folder.c_str(), folderShown.c_str())) << folderShown;
    EXPECT_EQ(0, _stricmp((folder + "\\framework-save-test.bin").c_str(), saveAs.GetPathName()))
        << saveAs.GetPathName().str();
    EXPECT_EQ(nullptr, saveAs.m_hWnd);
}

TEST(FileDialog, CancelAnswersIdCancelWithNoExtendedError)
{
    CFileDialog open(TRUE);
    open.m_ofn.lpstrTitle = "Framework Open Test";
    wintest::ModalWatcher watcher("Framework Open Test", [](HWND dlg) { wintest::ClickButton(dlg, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, open.DoModal());
    EXPECT_EQ(0u, ::CommDlgExtendedError());
    EXPECT_TRUE(watcher.Finish());
}

}  // namespace
