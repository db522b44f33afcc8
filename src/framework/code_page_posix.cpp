// Names on POSIX systems are bytes: no double-byte characters, ASCII digits.
#include "framework/code_page.h"

const CodePage& SystemCodePage()
{
    static const CodePage bytes;
    return bytes;
}
