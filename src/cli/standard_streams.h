// "-" on cordwain-join's command line, as cat reads it: the standard input where it is a FILE, the
// standard output where it is the OUTPUT. Any other name is the file of that name ("./-" included).
#pragma once

#include <string>
#include <vector>

#include "join/file_system.h"
#include "join/join_host.h"

namespace cordwain {

inline bool IsStandardStreamName(const std::string& name) { return name == "-"; }

// The files named on the command line, as the engine asks for them.
class ArgumentList final : public JoinList {
public:
    // `paths` must outlive this.
    explicit ArgumentList(const std::vector<std::string>& paths) : m_paths(paths) {}
    int FileCount() const override { return static_cast<int>(m_paths.size()); }
    std::string FilePath(int index) const override { return m_paths[static_cast<std::size_t>(index)]; }

private:
    const std::vector<std::string>& m_paths;
};

// The real files, with "-" as the standard streams. The standard input has no size to tell.
class CommandLineFiles final : public FileSystem {
public:
    std::int64_t SizeOf(const std::string& path) override
    {
        return IsStandardStreamName(path) ? 0 : m_files.SizeOf(path);
    }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override
    {
        return IsStandardStreamName(path) ? m_files.OpenStandardInput() : m_files.OpenRead(path);
    }
    std::unique_ptr<FileStream> CreateWrite(const std::string& path) override
    {
        return IsStandardStreamName(path) ? m_files.CreateStandardOutput() : m_files.CreateWrite(path);
    }
    const std::vector<FileFailure>& Failures() const { return m_files.Failures(); }

private:
    StdioFileSystem m_files;
};

// True when writing `output` would overwrite one of the inputs: the same name or file, the
// standard output that is an input's file, or an output file that is the standard input.
bool OutputMeetsAnInput(const std::vector<std::string>& inputs, const std::string& output);

}  // namespace cordwain
