// The version resource read back as Explorer reads it, and the embedded manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace cordwain::test {
namespace {

HMODULE ThisModule() { return GetModuleHandleA(nullptr); }

std::vector<BYTE> VersionBlock()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data())) {
        block.clear();
    }
    return block;
}

class VersionResource : public testing::Test {
protected:
    void SetUp() override
    {
        m_block = VersionBlock();
        ASSERT_FALSE(m_block.empty()) << "no version resource";
    }

    template <typename T> const T* Query(const std::string& subBlock, UINT* size = nullptr)
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(m_block.data(), subBlock.c_str(), &value, &length))
            return nullptr;
        if (size)
            *size = length;
        return static_cast<const T*>(value);
    }

    std::vector<BYTE> m_block;
};

TEST_F(VersionResource, FixedFileAndProductVersions)
{
    const auto* fixed = Query<VS_FIXEDFILEINFO>("\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);  // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);  // .0.1
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionResource, StringsReadBackThroughTheDeclaredTranslation)
{
    UINT size = 0;
    const auto* translation = Query<WORD>("\\VarFileInfo\\Translation", &size);
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(size, 2 * sizeof(WORD));
    char table[32] = {};
    wsprintfA(table, "%04x%04x", translation[0], translation[1]);

    const struct {
        const char* name;
        const char* value;
    } expected[] = {
        {"FileDescription", "Cordwain Application"},
        {"FileVersion", "2.1"},
        {"InternalName", "Cordwain"},
        {"OriginalFilename", "Cordwain.exe"},
        {"ProductName", "Cordwain Application"},
        {"ProductVersion", "2.1"},
    };
    for (const auto& entry : expected) {
        const auto* text = Query<char>(std::string("\\StringFileInfo\\") + table + "\\" + entry.name);
        ASSERT_NE(text, nullptr) << entry.name;
        EXPECT_STREQ(text, entry.value) << entry.name;
    }
}

std::string ManifestText(int id)
{
    const HRSRC found = FindResourceA(ThisModule(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(24));
    if (!found)
        return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(ThisModule(), found)));
    return bytes ? std::string(bytes, SizeofResource(ThisModule(), found)) : std::string();
}

size_t Occurrences(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(Manifest, IsTheOnlyOneAndNamesThisBuildsProcessor)
{
    int manifests = 0;
    EnumResourceNamesA(ThisModule(), MAKEINTRESOURCEA(24), CountName, reinterpret_cast<LONG_PTR>(&manifests));
    EXPECT_EQ(manifests, 1);

    const std::string manifest = ManifestText(1);
    ASSERT_FALSE(manifest.empty());
#ifdef _WIN64
    const std::string ours = "processorArchitecture=\"amd64\"";
    const std::string other = "processorArchitecture=\"X86\"";
#else
    const std::string ours = "processorArchitecture=\"X86\"";
    const std::string other = "processorArchitecture=\"amd64\"";
#endif
    // Both the program's identity and its common-controls dependency name the processor.
    EXPECT_EQ(Occurrences(manifest, ours), 2u) << manifest;
    EXPECT_EQ(Occurrences(manifest, other), 0u) << manifest;
}

TEST(Manifest, DescribesTheProgramAndAsksForCommonControls6)
{
    const std::string manifest = ManifestText(1);
    EXPECT_NE(manifest.find("<assemblyIdentity version=\"1.0.0.0\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("type=\"win32\""), std::string::npos);
    EXPECT_NE(manifest.find("<description>Application to concatenate multiple files into one.</description>"),
              std::string::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("language=\"*\""), std::string::npos);
}

// The manifest only matters if the loader honours it: version 6 of the common controls is not
// the system folder's copy but the side-by-side one the manifest names.
TEST(Manifest, LoaderBindsTheSideBySideCommonControls)
{
    const HMODULE controls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, sizeof path);
    FreeLibrary(controls);
    std::string lower = path;
    for (auto& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("winsxs"), std::string::npos) << path;
    EXPECT_NE(lower.find("common-controls_6595b64144ccf1df_6."), std::string::npos) << path;
}

}  // namespace
}  // namespace cordwain::test
