// A folder of its own under the Windows temp folder, removed with everything in it, and the file
// helpers the tests share.
#pragma once

#include <cstddef>
#include <string>

namespace wintest {

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const { return m_path + "\\" + name; }
    // Creates a file with these bytes, or a folder, inside this one (past MAX_PATH too); answers its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string MakeFile(const std::string& name) const { return Write(name, "data"); }
    std::string MakeFolder(const std::string& name) const;

private:
    std::string m_path;
};

std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Bytes that differ from chunk to chunk, so a chunk skipped or written twice shows.
std::string Pattern(std::size_t size, unsigned seed);

}  // namespace wintest
