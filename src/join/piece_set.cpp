// Numbered sets: finding the pieces and checking them.
#include "join/piece_set.h"

#include <iterator>
#include <set>

namespace cordwain {
namespace {

std::uint64_t NumberOf(const std::string& digits)
{
    std::uint64_t number = 0;
    for (const char digit : digits)
        number = number * 10 + static_cast<std::uint64_t>(digit - '0');
    return number;
}

// Piece `number` of the set, written with at least as many digits as the piece it comes from.
std::string PieceOf(const NumberedName& piece, std::uint64_t number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < piece.digits.size())
        digits.insert(0, piece.digits.size() - digits.size(), '0');
    return piece.stem + digits;
}

std::optional<NumberedName> SplitPieceName(const std::string& path, const CodePage& codePage)
{
    std::optional<NumberedName> name = SplitNumberedName(path, codePage);
    if (!name || name->digits.empty() || name->digits.size() > 18 ||
        name->digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return name;
}

// Every input split as a piece of one set; nullopt when they are not all pieces of one set.
std::optional<std::vector<NumberedName>> SplitOneSet(const std::vector<std::string>& inputs, const CodePage& codePage)
{
    std::vector<NumberedName> pieces;
    for (const std::string& input : inputs) {
        const std::optional<NumberedName> piece = SplitPieceName(input, codePage);
        if (!piece || (!pieces.empty() && piece->stem != pieces.front().stem))
            return std::nullopt;
        pieces.push_back(*piece);
    }
    return pieces;
}

// Numbers missing inside a list are looked for up to this many: a list of .001 and .999999 is
// named as a gap, not searched a million names deep.
constexpr std::size_t kMaxGapProbes = 1000;

}  // namespace

std::optional<std::vector<std::string>> ExpandNumberedSet(const std::string& first,
                                                          const std::function<bool(const std::string&)>& exists,
                                                          const CodePage& codePage)
{
    const std::optional<NumberedName> piece = SplitPieceName(first, codePage);
    if (!piece || NumberOf(piece->digits) > 1)
        return std::nullopt;
    std::uint64_t number = NumberOf(piece->digits) == 1 && exists(PieceOf(*piece, 0)) ? 0 : NumberOf(piece->digits);
    std::vector<std::string> pieces;
    while (exists(PieceOf(*piece, number)))
        pieces.push_back(PieceOf(*piece, number++));
    return pieces;
}

std::vector<std::string> CheckPieces(const std::vector<std::string>& inputs,
                                     const std::function<std::int64_t(const std::string&)>& sizeOf,
                                     const CodePage& codePage)
{
    const std::optional<std::vector<NumberedName>> set = SplitOneSet(inputs, codePage);
    if (!set)
        return {};
    const std::vector<NumberedName>& pieces = *set;
    std::vector<std::string> problems;
    std::set<std::uint64_t> seen;
    const std::int64_t firstSize = pieces.empty() ? 0 : sizeOf(inputs.front());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::uint64_t number = NumberOf(pieces[i].digits);
        const std::uint64_t previous = i > 0 ? NumberOf(pieces[i - 1].digits) : number;
        if (!seen.insert(number).second) {
            problems.push_back(inputs[i] + " is given twice");
        } else if (number < previous) {
            problems.push_back(inputs[i] + " comes after " + inputs[i - 1] + ": the pieces are out of order");
        } else if (number > previous + 1) {
            const std::string from = PieceOf(pieces[i], previous + 1);
            const std::string to = PieceOf(pieces[i], number - 1);
            problems.push_back((from == to ? from + " is" : from + " to " + to + " are") + " missing between " +
                               inputs[i - 1] + " and " + inputs[i]);
        }
        if (i > 0 && i + 1 < pieces.size() && sizeOf(inputs[i]) < firstSize) {
            problems.push_back(inputs[i] + " is smaller than " + inputs.front() + " (" +
                               std::to_string(sizeOf(inputs[i])) + " bytes against " + std::to_string(firstSize) +
                               "): a piece cut short?");
        }
    }
    return problems;
}

std::vector<std::string> UnlistedPieces(const std::vector<std::string>& inputs,
                                        const std::function<bool(const std::string&)>& exists, const CodePage& codePage)
{
    const std::optional<std::vector<NumberedName>> set = SplitOneSet(inputs, codePage);
    if (!set || set->empty())
        return {};
    std::set<std::uint64_t> listed;
    for (const NumberedName& piece : *set)
        listed.insert(NumberOf(piece.digits));
    const NumberedName& first = set->front();
    std::vector<std::string> unlisted;
    for (std::uint64_t number = *listed.begin(); number > 0 && exists(PieceOf(first, number - 1)); --number)
        unlisted.insert(unlisted.begin(), PieceOf(first, number - 1));
    std::size_t probes = 0;
    for (auto next = std::next(listed.begin()); next != listed.end(); ++next) {
        for (std::uint64_t number = *std::prev(next) + 1; number < *next && probes < kMaxGapProbes;
             ++number, ++probes) {
            if (exists(PieceOf(first, number)))
                unlisted.push_back(PieceOf(first, number));
        }
    }
    for (std::uint64_t number = *listed.rbegin() + 1; exists(PieceOf(first, number)); ++number)
        unlisted.push_back(PieceOf(first, number));
    return unlisted;
}

}  // namespace cordwain
