// The extended-length form of a full path.
#include "framework/wide_path.h"

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::wstring ExtendedLengthName(const std::wstring& fullPath)
{
    if (fullPath.size() <= kClassicPathLimit || StartsWith(fullPath, L"\\\\?\\") || StartsWith(fullPath, L"\\\\.\\"))
        return fullPath;
    // The server keeps its place after "UNC": \\server\share becomes \\?\UNC\server\share.
    if (StartsWith(fullPath, L"\\\\"))
        return L"\\\\?\\UNC" + fullPath.substr(1);
    return L"\\\\?\\" + fullPath;
}
