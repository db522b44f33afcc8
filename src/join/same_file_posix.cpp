// File identity on POSIX systems: device and inode.
#include <sys/stat.h>
#include <unistd.h>

#include "join/same_file.h"

namespace cordwain {

bool IsSameExistingFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool IsStandardStreamFile(StandardStream stream, const std::string& path)
{
    struct stat open {};
    struct stat named {};
    const int descriptor = stream == StandardStream::kInput ? STDIN_FILENO : STDOUT_FILENO;
    if (fstat(descriptor, &open) != 0 || stat(path.c_str(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool StandardStreamsAreOneFile()
{
    struct stat input {};
    struct stat output {};
    if (fstat(STDIN_FILENO, &input) != 0 || fstat(STDOUT_FILENO, &output) != 0 || !S_ISREG(output.st_mode))
        return false;
    return input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

bool PathExists(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

bool NameTaken(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

}  // namespace cordwain
