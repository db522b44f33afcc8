// A private folder of real files for one test, removed afterwards, and the file helpers every
// suite shares. Names are joined as bytes, so a UTF-8 name reaches the system's narrow functions
// unchanged.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace cordwain {

class TempFolder {
public:
    // Named after the running test and `tag`, and a random number for suites run side by side.
    explicit TempFolder(const std::string& tag = "")
    {
        const auto* const test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string("cordwain-") + test->test_suite_name() + "-" + test->name() + tag + "-";
        m_path = (std::filesystem::temp_directory_path() / name).string() + std::to_string(std::random_device{}());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const
    {
        return m_path + char(std::filesystem::path::preferred_separator) + name;
    }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << content;
        return PathOf(name);
    }

private:
    std::string m_path;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bytes that differ from chunk to chunk, so a chunk written twice or skipped shows.
inline std::string Pattern(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + i / 4096) & 0xFF);
    return bytes;
}

}  // namespace cordwain
