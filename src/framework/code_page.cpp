// The code page's byte tables.
#include "framework/code_page.h"

CodePage::CodePage() : CodePage(ByteTest([](unsigned char) { return false; })) {}

CodePage::CodePage(const ByteTest& isLeadByte, DoubleByteUpper toUpper, const ByteTest& isDigit)
    : m_toUpper(std::move(toUpper))
{
    for (std::size_t byte = 0; byte < m_leadBytes.size(); ++byte) {
        m_leadBytes[byte] = isLeadByte(static_cast<unsigned char>(byte));
        m_digits[byte] = isDigit(static_cast<unsigned char>(byte));
        m_hasLeadBytes = m_hasLeadBytes || m_leadBytes[byte];
    }
}

std::uint16_t CodePage::ToUpper(std::uint16_t doubleByteCharacter) const
{
    return m_toUpper ? m_toUpper(doubleByteCharacter) : doubleByteCharacter;
}
