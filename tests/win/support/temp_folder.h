// A folder of its own under the Windows temp folder, removed with everything in it.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& Path() const { return m_path; }
    // Creates a file (with a few bytes) or a folder inside this one; answers its full path.
    std::string MakeFile(const std::string& name) const;
    std::string MakeFolder(const std::string& name) const;

private:
    std::string m_path;
};
