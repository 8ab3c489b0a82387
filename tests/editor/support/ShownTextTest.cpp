#include "editor/support/ShownText.h"

#include <gtest/gtest.h>

// Well-formed UTF-8 is kept; each other byte is read as Windows-1252.
TEST(ShownText, KeepsUtf8AndReadsOtherBytesAsWindows1252)
{
    const struct {
        std::string bytes, shown;
    } rows[] = {
        {"Hello.java", "Hello.java"},
        {"Wörter/Grüße.java", "Wörter/Grüße.java"},
        {"caf\xe9.java", "café.java"},
        {"\x80\x9f\xff", "€Ÿÿ"},
        {"\x81", "\xef\xbf\xbd"},                    // unassigned in the code page
        {"\xc3\xa9\xe9", "éé"},                       // both kinds in one name
        {"\xc0\xaf", "À¯"},                           // overlong '/'
        {"\xed\xa0\x80", "í\xc2\xa0€"},               // a surrogate
        {"\xf4\x90\x80\x80", "ô\xef\xbf\xbd€€"},     // past U+10FFFF
        {"\xe2\x82", "â‚"},                           // cut short at the end
        {"\xf0\x9f\x98\x80!", "\xf0\x9f\x98\x80!"},   // four bytes
    };
    for (const auto& row : rows) EXPECT_EQ(ShownText(row.bytes), row.shown) << row.bytes;
}
