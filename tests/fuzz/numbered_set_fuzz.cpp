// A set found from its first piece differs from it only in the number (and "film." begins none);
// any checksum file line is read without a crash.
#include "join/checksum_file.h"
#include "join/piece_set.h"
#include "fuzz_target.h"

using namespace cordwain;

void FuzzOne(FuzzedDataProvider& input)
{
    const auto kind = static_cast<HashKind>(input.ConsumeIntegralInRange(0, 3));
    const std::string name = input.ConsumeRandomLengthString(64);
    const std::string line = input.ConsumeRandomLengthString(512);
    DigestOnLine(line, name, kind, input.ConsumeBool());
    SfvDigestOnLine(line, name);

    const std::string first = input.ConsumeRandomLengthString(64);
    const std::size_t keep = first.find_last_not_of("0123456789") + 1;
    const auto exists = [&](const std::string& piece) {
        assert(piece.compare(0, keep, first, 0, keep) == 0 &&
               piece.find_first_not_of("0123456789", keep) == std::string::npos);
        return input.ConsumeBool();
    };
    assert(!ExpandNumberedSet(first, exists, CodePage{}) || keep < first.size());  // a first piece has digits
}
