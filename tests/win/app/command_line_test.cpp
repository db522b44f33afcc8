// Cordwain.exe started with exact command lines: which files its list opens with. Each start
// costs time under Wine, so one long line carries most of the cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/handles.h"
#include "res/resource.h"
#include "support/window_finder.h"
#include "support/window_input.h"

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;

// The build knows the program's path in this system's spelling; Wine maps / onto drive Z:.
std::string ProgramPath()
{
    std::string path = CORDWAIN_EXE_PATH;
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;
    for (char& ch : path) {
        if (ch == '/')
            ch = '\\';
    }
    return path;
}

HWND WaitForMainWindow(DWORD processId, HANDLE process)
{
    HWND found = nullptr;
    wintest::WaitUntil(
        [&] {
            found = wintest::FindTopLevelWindow("Cordwain", "#32770", processId);
            // A program that ended without showing its window is not waited for.
            return found != nullptr || ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        },
        kStartTimeoutMs);
    return found;
}

// Starts the program with exactly this text after its quoted path, reads the list its window
// opens with, closes the window and checks that the program ends cleanly.
std::vector<std::wstring> ListAtStart(const std::string& arguments)
{
    std::string commandLine = "\"" + ProgramPath() + "\"" + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine << ": error " << ::GetLastError();
        return {};
    }
    const CHandle process(info.hProcess);
    const CHandle thread(info.hThread);

    const HWND window = WaitForMainWindow(info.dwProcessId, process.Get());
    std::vector<std::wstring> items;
    if (window == nullptr) {
        ADD_FAILURE() << "no main window for " << commandLine;
        ::TerminateProcess(process.Get(), 1);
    } else {
        items = wintest::ReadListBoxItems(::GetDlgItem(window, IDC_FILE_LIST));
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the program did not end after WM_CLOSE";
        ::TerminateProcess(process.Get(), 1);
        return items;
    }
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(0U, exitCode);
    return items;
}

TEST(CommandLine, SwitchesQueueTheirPathsInOrderUntilAShortToken)
{
    const std::string arguments = " /a:C:\\in\\one.txt"               // queued
                                  " -A:C:\\in\\two.txt"               // '-' and 'A' are as good as '/' and 'a'
                                  " /a:\"C:\\My Files\\three.txt\""   // quotes keep the space and are removed
                                  " \"/a:C:\\in\\quoted.txt\""        // the whole token quoted: not a switch
                                  " C:\\in\\plain.txt"                // a plain path: ignored
                                  " \"C:\\in\\dropped on icon.txt\""  // the shell's quoted form: ignored too
                                  " /a:"                              // no path: ignored
                                  " /a:x"                             // a relative path
                                  " /a:\"\""                          // a rest of two characters keeps its quotes
                                  " /a:\"y\""                         // but three are stripped
                                  " -b:C:\\in\\other.txt"             // another switch letter: ignored
                                  " /a:C:\\in\\one.txt"               // the same path again
                                  " /A:C:\\missing\\nowhere.bin"      // not tested for existence
                                  " /a:tab\t/a:second"                // a tab does not separate
                                  " x"                                // one character: the scan stops here
                                  " /a:C:\\in\\after.txt";
    const std::vector<std::wstring> expected = {
        L"C:\\in\\one.txt", L"C:\\in\\two.txt",          L"C:\\My Files\\three.txt", L"x", L"\"\"", L"y",
        L"C:\\in\\one.txt", L"C:\\missing\\nowhere.bin", L"tab\t/a:second",
    };
    EXPECT_EQ(expected, ListAtStart(arguments));
}

TEST(CommandLine, TwoSpacesAfterTheProgramMakeAnEmptyTokenThatStopsTheScan)
{
    EXPECT_TRUE(ListAtStart("  /a:C:\\in\\one.txt /a:C:\\in\\two.txt").empty());
}

}  // namespace
