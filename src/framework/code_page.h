// What the text rules need to know of the 8-bit code page names are written in: which bytes
// start a double-byte character, which bytes are digits, and how a double-byte character is
// upper-cased. Portable; SystemCodePage is the platform's answer.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

inline bool IsAsciiDigit(unsigned char value) { return value >= '0' && value <= '9'; }

class CodePage {
public:
    using ByteTest = std::function<bool(unsigned char value)>;
    // Takes and gives a double-byte character as lead byte * 256 + trail byte.
    using DoubleByteUpper = std::function<std::uint16_t(std::uint16_t character)>;

    // A single-byte code page whose digits are '0' to '9'.
    CodePage();
    // Each test is asked once for every byte value, here, so lookups cost a table read. Without
    // `toUpper` a double-byte character is its own upper case.
    explicit CodePage(const ByteTest& isLeadByte, DoubleByteUpper toUpper = {}, const ByteTest& isDigit = IsAsciiDigit);

    bool IsLeadByte(unsigned char value) const { return m_leadBytes[value]; }
    bool HasLeadBytes() const { return m_hasLeadBytes; }
    bool IsDigit(unsigned char value) const { return m_digits[value]; }
    std::uint16_t ToUpper(std::uint16_t doubleByteCharacter) const;

private:
    std::array<bool, 256> m_leadBytes{};
    std::array<bool, 256> m_digits{};
    bool m_hasLeadBytes = false;
    DoubleByteUpper m_toUpper;
};

// The code page of this system's 8-bit names. On Windows the ANSI code page: its lead bytes, its
// digits (bytes IsCharAlphaNumericA admits and IsCharAlphaA does not) and its upper case. Elsewhere
// names are bytes: CodePage().
const CodePage& SystemCodePage();
