// Entry point of cordwain-join: binds the command to the real console.
#include <ostream>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/join_tool.h"
#include "join/output_name.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::ostream& out = cordwain::StandardOutput();
    std::ostream& err = cordwain::StandardError();
    const cordwain::JoinConsole console{out, err, cordwain::StderrIsTerminal(), SystemCodePage(),
                                        cordwain::RunInterruptible};
    const int status = cordwain::RunJoinTool(arguments, console);
    out.flush();
    err.flush();
    return status;
}
