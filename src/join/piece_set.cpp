// Numbered sets: finding the pieces and checking them.
#include "join/piece_set.h"

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
    std::vector<NumberedName> pieces;
    for (const std::string& input : inputs) {
        const std::optional<NumberedName> piece = SplitPieceName(input, codePage);
        if (!piece || (!pieces.empty() && piece->stem != pieces.front().stem))
            return {};  // not pieces of one set
        pieces.push_back(*piece);
    }
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

}  // namespace cordwain
