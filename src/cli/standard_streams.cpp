// The refusal of an output that is one of the inputs, with "-" standing for a standard stream.
#include "cli/standard_streams.h"

#include "join/output_name.h"
#include "join/same_file.h"

namespace cordwain {

bool OutputMeetsAnInput(const std::vector<std::string>& inputs, const std::string& output)
{
    const bool toStandardOutput = IsStandardStreamName(output);
    std::vector<std::string> named;
    for (const std::string& input : inputs) {
        if (!IsStandardStreamName(input))
            named.push_back(input);
        const bool meets = IsStandardStreamName(input)
                               ? (toStandardOutput ? StandardStreamsAreOneFile()
                                                   : IsStandardStreamFile(StandardStream::kInput, output))
                               : toStandardOutput && IsStandardStreamFile(StandardStream::kOutput, input);
        if (meets)
            return true;
    }
    return !toStandardOutput && IsOutputInList(ArgumentList(named), output);
}

}  // namespace cordwain
