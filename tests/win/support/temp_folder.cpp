// Temp folders for tests that need real files under Windows paths.
#include "temp_folder.h"

#include <windows.h>

#include <stdexcept>

namespace {

// Deletes a folder's files and folders, deepest first; paths go through the wide \\?\ form so
// names past MAX_PATH go too.
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = path + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(path.c_str());
}

std::wstring LongPathOf(const std::string& path)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return L"\\\\?\\" + wide;
}

}  // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH + 1] = {};
    char unique[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, base);
    if (::GetTempFileNameA(base, "cwl", 0, unique) == 0)
        throw std::runtime_error("no temp file name");
    ::DeleteFileA(unique);
    if (!::CreateDirectoryA(unique, nullptr))
        throw std::runtime_error("no temp folder");
    m_path = unique;
}

TempFolder::~TempFolder()
{
    RemoveTree(LongPathOf(m_path));
}

std::string TempFolder::MakeFile(const std::string& name) const
{
    const std::string path = m_path + "\\" + name;
    const HANDLE file = ::CreateFileW(LongPathOf(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    ::WriteFile(file, "data", 4, &written, nullptr);
    ::CloseHandle(file);
    return path;
}

std::string TempFolder::MakeFolder(const std::string& name) const
{
    const std::string path = m_path + "\\" + name;
    if (!::CreateDirectoryW(LongPathOf(path).c_str(), nullptr))
        throw std::runtime_error("cannot create folder " + path);
    return path;
}
