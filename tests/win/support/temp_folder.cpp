// Temp folders and files for tests that need real files under Windows paths.
#include "support/temp_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/window_input.h"

namespace wintest {

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

std::wstring LongPathOf(const std::string& path) { return L"\\\\?\\" + Widen(path.c_str()); }

}  // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH + 1] = {};
    char unique[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, base);
    if (::GetTempFileNameA(base, "cwt", 0, unique) == 0)
        throw std::runtime_error("no temp file name");
    // The name GetTempFileNameA reserved becomes the folder.
    ::DeleteFileA(unique);
    if (!::CreateDirectoryA(unique, nullptr))
        throw std::runtime_error("no temp folder");
    m_path = unique;
}

TempFolder::~TempFolder() { RemoveTree(LongPathOf(m_path)); }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    const std::string path = PathOf(name);
    const HANDLE file = ::CreateFileW(LongPathOf(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    const BOOL wrote = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    if (!wrote || written != bytes.size())
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempFolder::MakeFolder(const std::string& name) const
{
    const std::string path = PathOf(name);
    if (!::CreateDirectoryW(LongPathOf(path).c_str(), nullptr))
        throw std::runtime_error("cannot create folder " + path);
    return path;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Pattern(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + i / 4096) & 0xFF);
    return bytes;
}

}  // namespace wintest
