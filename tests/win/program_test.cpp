// What the executable carries beyond its dialogs (the manifest) and the framework's run-time
// classes. The command line's rules are tested natively and by a fuzz target, the queued paths on
// the live window, and the real program starts in the packages' check.
#include <gtest/gtest.h>

#include <type_traits>

#include "filelist/multi_file_dialog.h"
#include "join/success_dlg.h"
#include "support/window_driver.h"

namespace cordwain {
namespace {

TEST(Program, CarriesItsManifestAndRunTimeClasses)
{
    // Windows refuses to start a program whose manifest names another processor than its own.
    const HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                               ::SizeofResource(nullptr, found));
    const char* const processor =
        sizeof(void*) == 8 ? R"(processorArchitecture="amd64")" : R"(processorArchitecture="X86")";
    for (const char* part : {processor, "Microsoft.Windows.Common-Controls", ">UTF-8</activeCodePage>"})
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
