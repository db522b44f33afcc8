// CMultiFileDialog's binding: the overflow capture at selection changes as the dialog reports its
// texts, the walk over captured names or a cut-off result buffer, and the buffer-too-small end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "filelist/multi_file_dialog.h"
#include "filelist/multi_select_text.h"
#include "open_dialog_driver.h"
#include "support/modal_watcher.h"
#include "support/window_input.h"
#include "support/temp_folder.h"

namespace {

using Strings = std::vector<std::string>;

// The texts a stand-in for the open dialog window answers to CDM_GETSPEC and CDM_GETFOLDERPATH,
// in the dialog's manner: the size needed with the terminator, the text cut to the buffer given.
struct DialogTexts {
    std::string spec;
    std::string folder;
    bool folderOutsideFileSystem = false;
};

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer)
{
    if (size > 0) {
        const std::size_t count = std::min<std::size_t>(size - 1, text.size());
        char* const out = reinterpret_cast<char*>(buffer);
        text.copy(out, count);
        out[count] = '\0';
    }
    return static_cast<LRESULT>(text.size() + 1);
}

LRESULT CALLBACK StandInProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto* const texts = reinterpret_cast<const DialogTexts*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (texts != nullptr && message == CDM_GETSPEC)
        return CopyText(texts->spec, wParam, lParam);
    if (texts != nullptr && message == CDM_GETFOLDERPATH)
        return texts->folderOutsideFileSystem ? -1 : CopyText(texts->folder, wParam, lParam);
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// The dialog object bound to a child of the stand-in window, as the hook's dialog is bound to a
// child of the real one, with a result buffer the test fills as the dialog would.
class StandInDialog {
public:
    explicit StandInDialog(DWORD maxChars = kSelectionBufferChars) : m_buffer(maxChars, '\0')
    {
        static const ATOM standInClass = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &StandInProc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "CordwainOpenDialogStandIn";
            return ::RegisterClassA(&wc);
        }();
        m_frame = ::CreateWindowA(MAKEINTATOM(standInClass), "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(m_frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_texts));
        m_dialog.m_hWnd =
            ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 1, 1, m_frame, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        m_dialog.m_ofn.lpstrFile = m_buffer.data();
        m_dialog.m_ofn.nMaxFile = maxChars;
    }
    StandInDialog(const StandInDialog&) = delete;
    StandInDialog& operator=(const StandInDialog&) = delete;
    ~StandInDialog()
    {
        m_dialog.m_hWnd = nullptr;
        ::DestroyWindow(m_frame);
    }

    // A selection change with this file-name text and folder.
    void SelectionChange(const std::string& spec, const std::string& folder, bool folderOutsideFileSystem = false)
    {
        m_texts = DialogTexts{spec, folder, folderOutsideFileSystem};
        m_dialog.OnFileNameChange();
    }

    // The dialog's answer in the result buffer: entries each ended by a terminator, and the list
    // by an empty one. The name offset is what the dialog sets for a multiple selection.
    void Answer(const Strings& entries)
    {
        std::fill(m_buffer.begin(), m_buffer.end(), '\0');
        std::size_t at = 0;
        for (const std::string& entry : entries) {
            entry.copy(m_buffer.data() + at, entry.size());
            at += entry.size() + 1;
        }
        m_dialog.m_ofn.nFileOffset = static_cast<WORD>(entries.size() > 1 ? entries.front().size() + 1 : 0);
    }
    // An answer cut off at the end of the buffer, as Wine gives for a selection that outgrew it.
    void CutAnswer(const std::string& folder, const std::string& name)
    {
        std::size_t at = folder.size() + 1;
        std::fill(m_buffer.begin(), m_buffer.end(), '\0');
        folder.copy(m_buffer.data(), folder.size());
        while (at < m_buffer.size()) {
            m_buffer[at] = name[at % name.size()];
            ++at;
        }
        m_dialog.m_ofn.nFileOffset = static_cast<WORD>(folder.size() + 1);
    }

    Strings Walk()
    {
        Strings paths;
        for (POSITION pos = m_dialog.GetStartPosition(); pos != nullptr;)
            paths.push_back(m_dialog.GetNextPathName(pos).str());
        return paths;
    }

private:
    class Exposed : public CMultiFileDialog {
    public:
        Exposed() : CMultiFileDialog(TRUE, "*.*", nullptr, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT) {}
        using CMultiFileDialog::OnFileNameChange;
    };

    std::vector<char> m_buffer;
    DialogTexts m_texts;
    HWND m_frame = nullptr;
    Exposed m_dialog;
};

// A quoted file-name text of count names "n0000.txt", "n0001.txt", ...
std::string QuotedNames(int count, Strings* names = nullptr)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char name[16] = {};
        std::snprintf(name, sizeof name, "n%04d.txt", i);
        text += (i > 0 ? " \"" : "\"") + std::string(name) + "\"";
        if (names != nullptr)
            names->push_back(name);
    }
    return text;
}

TEST(MultiFileDialogCapture, SizesPastTheMaximumAreCapturedAndExactlyTheMaximumIsNot)
{
    const std::string folder = "C:\\data";  // 8 characters with its terminator
    StandInDialog dialog(100);
    dialog.Answer({folder, "x.txt"});
    std::string spec = "\"a.txt\" \"" + std::string(73, 'b') + "\"";  // 84 with its terminator
    ASSERT_EQ(92u, spec.size() + 1 + folder.size() + 1);

    dialog.SelectionChange(spec, folder);
    EXPECT_EQ((Strings{"C:\\data\\x.txt"}), dialog.Walk()) << "92 of 100 fits the result buffer";

    spec = "\"a.txt\" \"" + std::string(81, 'b') + "\"";  // 100 with the folder: still fits
    dialog.SelectionChange(spec, folder);
    EXPECT_EQ((Strings{"C:\\data\\x.txt"}), dialog.Walk());

    spec.insert(1, "a");  // 101
    dialog.SelectionChange(spec, folder);
    EXPECT_EQ((Strings{"C:\\data\\aa.txt", "C:\\data\\" + std::string(81, 'b')}), dialog.Walk());

    // The next selection that fits drops the capture: the result buffer answers again.
    dialog.SelectionChange("\"x.txt\"", folder);
    EXPECT_EQ((Strings{"C:\\data\\x.txt"}), dialog.Walk());
}

// The split itself is the portable rules' business; here, that a second walk reads the same
// names and that a new capture replaces the old one.
TEST(MultiFileDialogCapture, WalksRepeatAndANewCaptureReplacesTheOld)
{
    StandInDialog dialog;
    dialog.Answer({"C:\\", "ignored.txt"});
    dialog.SelectionChange(QuotedNames(1200), "C:\\");
    const Strings first = dialog.Walk();
    ASSERT_EQ(1200u, first.size());
    EXPECT_EQ("C:\\\\n0000.txt", first.front());
    EXPECT_EQ(first, dialog.Walk());

    dialog.SelectionChange(QuotedNames(1200) + " \"last.txt\"", "D:\\files");
    const Strings again = dialog.Walk();
    ASSERT_EQ(1201u, again.size());
    EXPECT_EQ("D:\\files\\n0000.txt", again.front());
    EXPECT_EQ("D:\\files\\last.txt", again.back());
}

TEST(MultiFileDialogCapture, AFolderTheDialogCannotNameIsNoCapture)
{
    StandInDialog dialog;
    dialog.Answer({"C:\\data", "x.txt"});
    dialog.SelectionChange(QuotedNames(1200), "", true);
    EXPECT_EQ((Strings{"C:\\data\\x.txt"}), dialog.Walk());
}

TEST(MultiFileDialogResultBuffer, AnAnswerWithoutItsEndGivesTheCapturedNamesOrNothing)
{
    StandInDialog dialog;
    dialog.CutAnswer("C:\\many", "abcdefghij.txt");
    EXPECT_TRUE(dialog.Walk().empty()) << "a cut-off answer without a capture adds nothing";

    Strings names;
    dialog.SelectionChange(QuotedNames(1000, &names), "C:\\many");
    dialog.CutAnswer("C:\\many", "abcdefghij.txt");
    const Strings paths = dialog.Walk();
    ASSERT_EQ(names.size(), paths.size());
    EXPECT_EQ("C:\\many\\n0000.txt", paths.front());
    EXPECT_EQ("C:\\many\\n0999.txt", paths.back());
}

// The real dialog with a result buffer far smaller than the selection: a typed name too long
// for the buffer makes the dialog fail with FNERR_BUFFERTOOSMALL.
TEST(MultiFileDialogRun, BufferTooSmallCountsAsOkOnlyWithCapturedNames)
{
    wintest::TempFolder folder;
    const std::string first = folder.MakeFile("first-name-longer-than-the-buffer.txt");
    const std::string second = folder.MakeFile("second-name-longer-than-the-buffer.txt");
    std::vector<char> buffer(40, '\0');
    CMultiFileDialog dialog(TRUE, "*.*", nullptr, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT,
                            "All Files (*.*)|*.*|");
    dialog.m_ofn.lpstrFile = buffer.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());

    // Select both files (captured: they need far more than 40 characters), then type one long
    // name, which the dialog is not told about, and press OK.
    bool selected = false;
    {
        wintest::ModalWatcher watcher("Open", [&](HWND dlg) {
            const HWND listView = opendlg::GoToFolder(dlg, folder.Path(), 2);
            if (listView == nullptr) {
                wintest::ClickButton(dlg, IDCANCEL);
                return;
            }
            opendlg::SelectItems(listView, {-1});
            selected = opendlg::FileNameText(dlg).size() > 40;
            wintest::TypeText(opendlg::FileNameBox(dlg), second.c_str());
            wintest::ClickButton(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), ::CommDlgExtendedError());
        ASSERT_TRUE(watcher.Finish());
    }
    ASSERT_TRUE(selected);
    Strings paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        paths.push_back(dialog.GetNextPathName(pos).str());
    EXPECT_EQ((Strings{first, second}), paths);

    // The same object again, with only the typed name: nothing is captured in this run (the dialog
    // reports a selection change as it opens), so the failure stays a cancel.
    wintest::ModalWatcher watcher("Open", [&](HWND dlg) {
        wintest::TypeText(opendlg::FileNameBox(dlg), first.c_str());
        wintest::ClickButton(dlg, IDOK);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), ::CommDlgExtendedError());
    EXPECT_TRUE(watcher.Finish());
}

}  // namespace
