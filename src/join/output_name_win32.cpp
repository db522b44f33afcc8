// The ANSI code page's own view of lead bytes and digits, for the output-name rules.
#include <windows.h>

#include "join/output_name.h"

namespace cordwain {
namespace {

bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

bool IsAnsiDigit(unsigned char byte)
{
    const auto ch = static_cast<CHAR>(byte);
    return ::IsCharAlphaNumericA(ch) && !::IsCharAlphaA(ch);
}

}  // namespace

CharClasses SystemCharClasses() { return CharClasses{IsAnsiLeadByte, IsAnsiDigit}; }

}  // namespace cordwain
