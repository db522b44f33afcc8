// Cordwain.exe started with an exact command line: the files its list opens with. The rules have
// their own tests; this is the raw line as Windows hands it over, through to the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/handles.h"
#include "res/resource.h"
#include "support/window_driver.h"

namespace cordwain {
namespace {

TEST(CommandLine, SwitchesQueueTheirPathsUntilAShortToken)
{
    std::string program = CORDWAIN_EXE_PATH;
    std::replace(program.begin(), program.end(), '/', '\\');
    std::string line = "\"Z:" + program +
                       "\" /a:C:\\in\\one.txt -A:C:\\in\\Grüße-日本-😀.bin.001 /a:\"C:\\My Files\\three.txt\""
                       " \"/a:C:\\in\\quoted.txt\" C:\\in\\plain.txt /a:x /a:tab\t/a:second x /a:C:\\in\\after.txt";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    const CHandle process(info.hProcess);
    const CHandle thread(info.hThread);
    HWND window = nullptr;
    WaitUntil(
        [&] {  // the program's own window, once it shows
            DWORD owner = 0;
            window = ::FindWindowA("#32770", "Cordwain");
            ::GetWindowThreadProcessId(window, &owner);
            return owner == info.dwProcessId && ::IsWindowVisible(window);
        },
        20000);
    EXPECT_EQ(ReadListItems(::GetDlgItem(window, IDC_FILE_LIST)),
              (std::vector<std::string>{"C:\\in\\one.txt", "C:\\in\\Grüße-日本-😀.bin.001", "C:\\My Files\\three.txt",
                                        "x", "tab\t/a:second"}));
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(::WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace cordwain
