// Argument parsing for cordwain-join: short options may be bundled (-df), -o takes the next
// argument or the rest of its own (-oOUT), long options take "=" or the next argument.
#include "cli/join_args.h"

#include "res/version.h"

namespace cordwain {

const char kJoinUsage[] =
    "Usage: cordwain-join [OPTION]... FILE...\n"
    "Joins the FILEs, in the order given, into the new file OUTPUT. A single FILE that is the first\n"
    "piece of a numbered set (name.ext.001, or name.ext.000) stands for the whole run of pieces\n"
    "beside it: .001, .002, ... up to the first number missing.\n"
    "\n"
    "  -d, --dividers       write a divider with the file's name ahead of each file\n"
    "  -f, --force          replace OUTPUT if it already exists\n"
    "  -o, --output OUTPUT  the file to write; without it, the first FILE's name without\n"
    "                       its numbered extension (film.avi.001 -> film.avi)\n"
    "      --strict         stop before writing when the pieces look wrong: a number\n"
    "                       missing or given twice, pieces out of order, a piece cut short\n"
    "                       (without it these are warnings)\n"
    "      --verify         after the join, check OUTPUT against its checksum beside the\n"
    "                       first piece: OUTPUT.sha256, .sha1 or .md5, or a line for it in\n"
    "                       SHA256SUMS, SHA1SUMS or MD5SUMS\n"
    "  -v, --verbose        say which pieces a first piece stood for, also off a terminal\n"
    "  -h, --help           show this help\n"
    "      --version        show the version\n"
    "\n"
    "Exit status: 0 when every file was joined (and, with --verify, the checksum matched),\n"
    "1 when something went wrong, 2 for a mistake on the command line, 130 when\n"
    "interrupted, 143 when asked to terminate.\n";

const char kJoinVersion[] = CORDWAIN_JOIN_VERSION_LINE;

namespace {

bool SetOutput(ParsedJoinArgs& parsed, const std::string& value)
{
    if (parsed.args.output) {
        parsed.error = "only one output can be given";
        return false;
    }
    if (value.empty()) {
        parsed.error = "the output name is empty";
        return false;
    }
    parsed.args.output = value;
    return true;
}

}  // namespace

ParsedJoinArgs ParseJoinArgs(const std::vector<std::string>& arguments)
{
    ParsedJoinArgs parsed;
    JoinArgs& args = parsed.args;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();

        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            args.inputs.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument.compare(0, 2, "--") == 0) {
            if (argument == "--dividers") {
                args.dividers = true;
            } else if (argument == "--force") {
                args.force = true;
            } else if (argument == "--strict") {
                args.strict = true;
            } else if (argument == "--verify") {
                args.verify = true;
            } else if (argument == "--verbose") {
                args.verbose = true;
            } else if (argument == "--help") {
                args.help = true;
            } else if (argument == "--version") {
                args.version = true;
            } else if (argument == "--output") {
                if (!hasNext) {
                    parsed.error = "option --output needs a file name";
                    return parsed;
                }
                if (!SetOutput(parsed, arguments[++i]))
                    return parsed;
            } else if (argument.compare(0, 9, "--output=") == 0) {
                if (!SetOutput(parsed, argument.substr(9)))
                    return parsed;
            } else {
                parsed.error = "unknown option " + argument;
                return parsed;
            }
        } else {
            for (std::size_t k = 1; k < argument.size(); ++k) {
                const char letter = argument[k];
                if (letter == 'd') {
                    args.dividers = true;
                } else if (letter == 'f') {
                    args.force = true;
                } else if (letter == 'h') {
                    args.help = true;
                } else if (letter == 'v') {
                    args.verbose = true;
                } else if (letter == 'o') {
                    if (k + 1 < argument.size()) {
                        if (!SetOutput(parsed, argument.substr(k + 1)))
                            return parsed;
                    } else if (hasNext) {
                        if (!SetOutput(parsed, arguments[++i]))
                            return parsed;
                    } else {
                        parsed.error = "option -o needs a file name";
                        return parsed;
                    }
                    break;
                } else {
                    parsed.error = std::string("unknown option -") + letter;
                    return parsed;
                }
            }
        }
    }
    return parsed;
}

}  // namespace cordwain
