// The handle owner releases exactly once and a move hands the duty on; Win32 error texts.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/handles.h"
#include "framework/win32_error.h"

namespace {

bool IsOpen(HANDLE handle)
{
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

TEST(HandleOwner, ClosesOnceAndAMoveHandsTheHandleOn)
{
    const HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(IsOpen(event));
    {
        CHandle target;
        {
            CHandle source(event);
            target = std::move(source);
        }
        EXPECT_TRUE(IsOpen(event));
        EXPECT_EQ(event, target.Get());
    }
    EXPECT_FALSE(IsOpen(event));
    EXPECT_FALSE(CHandle(INVALID_HANDLE_VALUE));
}

TEST(Win32Error, SystemTextWithoutLineBreakOrOurOwnForUnknownCodes)
{
    const CString known = DescribeWin32Error(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(known.IsEmpty());
    EXPECT_NE('\n', known[known.GetLength() - 1]);
    EXPECT_NE('\r', known[known.GetLength() - 1]);
    EXPECT_EQ(CString("Windows reported error 536875572."), DescribeWin32Error(0x20001234));
}

}  // namespace
