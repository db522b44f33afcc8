// Entry point of cordwain-join: binds the command to the real console.
#include <iostream>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/join_tool.h"
#include "join/output_name.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cordwain::JoinConsole console{std::cout, std::cerr, cordwain::StderrIsTerminal(),
                                        cordwain::SystemCharClasses(), cordwain::RunInterruptible};
    return cordwain::RunJoinTool(arguments, console);
}
