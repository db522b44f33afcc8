// Argument parsing for cordwain-join: short options may be bundled (-df), -o takes the next
// argument or the rest of its own (-oOUT), long options take "=" or the next argument. One table
// of the options gives both the parsing and the usage text.
#include "cli/join_args.h"

#include <algorithm>
#include <iterator>

#include "res/version.h"

namespace cordwain {
namespace {

// One option: its letter ('\0' for none), its long name, and the flag it sets; an option without a
// flag takes the output's name. The usage text lists them in this order.
struct Option {
    char letter;
    const char* name;
    bool JoinArgs::*flag;
    const char* help;  // each line after the first starts in the help column too
};

constexpr Option kOptions[] = {
    {'d', "dividers", &JoinArgs::dividers, "write a divider with the file's name ahead of each file"},
    {'f', "force", &JoinArgs::force, "replace OUTPUT if it already exists"},
    {'o', "output", nullptr,
     "the file to write; without it, the first FILE's name without\n"
     "its numbered extension (film.avi.001 -> film.avi)"},
    {'\0', "strict", &JoinArgs::strict,
     "stop before writing when the pieces look wrong: a number\n"
     "missing or given twice, pieces out of order, a piece cut short\n"
     "(without it these are warnings)"},
    {'\0', "verify", &JoinArgs::verify,
     "check OUTPUT, as it is written, against its checksum beside\n"
     "the first piece: OUTPUT.sha256, .sha1 or .md5, a line for it in\n"
     "SHA256SUMS, SHA1SUMS or MD5SUMS, or its CRC-32 in OUTPUT.sfv\n"
     "or another .sfv file"},
    {'v', "verbose", &JoinArgs::verbose, "say which pieces a first piece stood for, also off a terminal"},
    {'h', "help", &JoinArgs::help, "show this help"},
    {'\0', "version", &JoinArgs::version, "show the version"},
};

constexpr char kUsageHead[] =
    "Usage: cordwain-join [OPTION]... FILE...\n"
    "Joins the FILEs, in the order given, into the new file OUTPUT. A single FILE that is the first\n"
    "piece of a numbered set (name.ext.001, or name.ext.000) stands for the whole run of pieces\n"
    "beside it: .001, .002, ... up to the first number missing.\n"
    "\n";

constexpr char kUsageTail[] = "\n"
                              "Exit status: 0 when every file was joined (and, with --verify, the checksum matched),\n"
                              "1 when something went wrong, 2 for a mistake on the command line, 130 when\n"
                              "interrupted, 143 when asked to terminate.\n";

constexpr std::size_t kHelpColumn = 23;

std::string UsageText()
{
    std::string text = kUsageHead;
    for (const Option& option : kOptions) {
        std::string line = option.letter != '\0' ? std::string("  -") + option.letter + ", --" : "      --";
        line += option.name;
        line += option.flag != nullptr ? "" : " OUTPUT";
        line.resize(kHelpColumn, ' ');
        for (const char* c = option.help; *c != '\0'; ++c)
            line += *c == '\n' ? "\n" + std::string(kHelpColumn, ' ') : std::string(1, *c);
        text += line + '\n';
    }
    return text + kUsageTail;
}

template <class Matches> const Option* FindOption(Matches matches)
{
    const Option* const found = std::find_if(std::begin(kOptions), std::end(kOptions), matches);
    return found != std::end(kOptions) ? found : nullptr;
}

}  // namespace

const std::string kJoinUsage = UsageText();
const char kJoinVersion[] = CORDWAIN_JOIN_VERSION_LINE;

ParsedJoinArgs ParseJoinArgs(const std::vector<std::string>& arguments)
{
    ParsedJoinArgs parsed;
    std::size_t i = 0;
    // Sets the option's flag, or the output to the value attached to the option or else the next argument.
    const auto apply = [&](const Option& option, const std::string& form, const std::optional<std::string>& attached) {
        if (option.flag != nullptr) {
            parsed.args.*option.flag = true;
        } else if (!attached && i + 1 == arguments.size()) {
            parsed.error = "option " + form + " needs a file name";
        } else if (parsed.args.output) {
            parsed.error = "only one output can be given";
        } else {
            parsed.args.output = attached ? *attached : arguments[++i];
            parsed.error = parsed.args.output->empty() ? "the output name is empty" : "";
        }
        return parsed.error.empty();
    };
    for (bool optionsEnded = false; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            parsed.args.inputs.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument[1] == '-') {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(2, equals == std::string::npos ? equals : equals - 2);
            const Option* const option = FindOption([&name](const Option& o) { return name == o.name; });
            if (option == nullptr || (option->flag != nullptr && equals != std::string::npos)) {
                parsed.error = "unknown option " + argument;
                return parsed;
            }
            const std::optional<std::string> attached =
                equals == std::string::npos ? std::nullopt : std::optional<std::string>(argument.substr(equals + 1));
            if (!apply(*option, argument, attached))
                return parsed;
        } else {
            for (std::size_t k = 1; k < argument.size(); ++k) {
                const char letter = argument[k];
                const Option* const option =
                    FindOption([letter](const Option& o) { return o.letter != '\0' && letter == o.letter; });
                if (option == nullptr) {
                    parsed.error = std::string("unknown option -") + letter;
                    return parsed;
                }
                // The letter that takes the output's name takes the rest of the argument, if any.
                const bool takesValue = option->flag == nullptr;
                const std::optional<std::string> attached = takesValue && k + 1 < argument.size()
                                                                ? std::optional<std::string>(argument.substr(k + 1))
                                                                : std::nullopt;
                if (!apply(*option, std::string("-") + letter, attached))
                    return parsed;
                if (takesValue)
                    break;
            }
        }
    }
    return parsed;
}

}  // namespace cordwain
