#include <gtest/gtest.h>

#include "tests/linker/LinkFixture.h"

namespace {
// Links a program whose one string has `length` characters; returns the
// error message ("" on success) and the image.
std::string LinkWithString(size_t length, std::vector<uint8_t>& image) {
    TSources sources = MinimalLibrary();
    sources["Main.java"] = "public class Main {\n    static void main() {\n        String s = \"" +
                           std::string(length, 'a') + "\";\n    }\n}\n";
    LinkedProgram program(sources, "");
    std::string error = program.Link("Main");
    image = program.Image();
    return error;
}
}  // namespace

TEST(ImageSize, LimitAndLengthByte) {
    std::vector<uint8_t> image;
    ASSERT_EQ(LinkWithString(1, image), "");
    size_t base = image.size() - 1;  // the image without the string's characters
    EXPECT_EQ(image[1], 20);

    ASSERT_EQ(LinkWithString(32512 - base, image), "");
    ASSERT_EQ(image.size(), 32512u);
    EXPECT_EQ(image[1], 128);  // 32512 / 256 + 1, no longer cut to a signed byte

    ASSERT_EQ(LinkWithString(65535 - base, image), "");
    ASSERT_EQ(image.size(), 65535u);
    EXPECT_EQ(image[1], 255);
    EXPECT_EQ(image[18] << 8 | image[19], 0);  // the stack base 65536 does not fit its word

    EXPECT_EQ(LinkWithString(65536 - base, image), "[ Error LNK-0008] Maximum binary size exceeded.\n");
}
