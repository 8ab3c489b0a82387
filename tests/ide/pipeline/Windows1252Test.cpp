// Compiler texts in Windows-1252 read as UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "ide/pipeline/Windows1252.h"

namespace {

// ASCII stays as it is wherever it stands: alone, before, between and after
// mapped bytes; the unassigned bytes become U+FFFD.
TEST(Windows1252ToUtf8, AsciiStaysAndOtherBytesAreMapped)
{
    struct Case {
        std::string bytes, utf8;
    };
    const Case cases[] = {
        {"", ""},
        {"plain text: 0x7F \x7f", "plain text: 0x7F \x7f"},
        {std::string("nul\0inside", 10), std::string("nul\0inside", 10)},
        {"\xe9t\xe9", "\xc3\xa9t\xc3\xa9"},
        {"Caf\xe9", "Caf\xc3\xa9"},
        {"\x80 euro", "\xe2\x82\xac euro"},
        {"a\x93q\x94z", "a\xe2\x80\x9cq\xe2\x80\x9dz"},
        {"\x81\x8d\x8f\x90\x9d", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"\xff", "\xc3\xbf"},
        {"\xa0\x7f", "\xc2\xa0\x7f"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8) << c.bytes;
    }
}

}  // namespace
