#include <gtest/gtest.h>

#include "tests/linker/LinkFixture.h"

namespace {
// Worked out by hand: classes Tiny, Throwable, Object, String, OutOfMemoryError
// in that order; no statics, no initialisers, one string.
// clang-format off
const std::vector<uint8_t> GoldenImage = {
    // header: run, length (131 / 256 + 1 raised to 20), version, statics
    0xA4, 20, 0x01, 0,
    0, 23,   // main: Tiny's record 0
    0, 54,   // Object
    0, 64,   // String
    0, 40,   // Throwable.throwVMException record
    0, 117,  // string table
    0, 0,    // callback
    0, 74,   // OutOfMemoryError
    0, 144,  // stack base: 131 raised to the next multiple of 16
    // (20) Tiny: superclass Object, no fields; main (no parameters, one local, code at 96),
    // <init> (this, code at 91)
    0, 54, 0, 0, 2, 0, 0, 96, 0, 0, 2, 0, 0, 0, 91, 0, 0,
    // (37) Throwable: throwVMException, <init>
    0, 54, 0, 2, 0, 0, 0, 105, 0, 0, 2, 0, 0, 0, 100, 0, 0,
    // (54) Object: no superclass; <init>
    0xFF, 0xFF, 0, 2, 0, 0, 0, 106, 0, 0,
    // (64) String: two field words; <init>
    0, 54, 4, 2, 0, 0, 0, 107, 0, 0,
    // (74) OutOfMemoryError: superclass Throwable; inherited throwVMException, <init>
    0, 37, 0, 2, 0, 0, 0, 105, 0, 0, 2, 0, 0, 0, 112, 0, 0,
    // (91) Tiny.<init>: aload_0, invokespecial Object.<init> record, return
    0x0B, 0x25, 0, 57, 0x23,
    // (96) Tiny.main: ldc string 0, astore_0, return
    0x65, 0, 0x10, 0x23,
    // (100) Throwable.<init>, (105) throwVMException
    0x0B, 0x25, 0, 57, 0x23, 0x23,
    // (106) Object.<init>, (107) String.<init>
    0x23, 0x0B, 0x25, 0, 57, 0x23,
    // (112) OutOfMemoryError.<init>: invokespecial Throwable.<init> record
    0x0B, 0x25, 0, 47, 0x23,
    // (117) string index table, (119) "hi": String, length, pointer, Object, length, text
    0, 119, 0, 64, 0, 2, 0, 125, 0, 54, 0, 2, 'h', 'i',
};

// Worked out by hand: Zoo's main (declared before its constructor) makes a
// Cat, whose superclass Animal only Cat's constructor reaches. Classes in the
// order the code reaches them: Zoo, Throwable, Cat, Object, Animal, then
// OutOfMemoryError for the header; no statics, no strings.
const std::vector<uint8_t> GoldenHierarchyImage = {
    0xA4, 20, 0x01, 0,
    0, 23,   // main: Zoo's record 0
    0, 64,   // Object
    0, 0,    // no strings
    0, 40,   // Throwable.throwVMException record
    0, 137,  // string table: the end of the code
    0, 0,    // callback
    0, 84,   // OutOfMemoryError
    0, 144,  // stack base
    // (20) Zoo: superclass Object; main (one local, code at 101), <init> (code at 110)
    0, 64, 0, 0, 2, 0, 0, 101, 0, 0, 2, 0, 0, 0, 110, 0, 0,
    // (37) Throwable: throwVMException (code at 120), <init> (code at 115)
    0, 64, 0, 2, 0, 0, 0, 120, 0, 0, 2, 0, 0, 0, 115, 0, 0,
    // (54) Cat: superclass Animal; <init>
    0, 74, 0, 2, 0, 0, 0, 121, 0, 0,
    // (64) Object: <init>
    0xFF, 0xFF, 0, 2, 0, 0, 0, 126, 0, 0,
    // (74) Animal: superclass Object; <init>
    0, 64, 0, 2, 0, 0, 0, 127, 0, 0,
    // (84) OutOfMemoryError: inherited throwVMException, <init>
    0, 37, 0, 2, 0, 0, 0, 120, 0, 0, 2, 0, 0, 0, 132, 0, 0,
    // (101) Zoo.main: new Cat, dup, invokespecial Cat.<init> record, astore_0, return
    87, 0, 54, 42, 0x25, 0, 57, 0x10, 0x23,
    // (110) Zoo.<init>: aload_0, invokespecial Object.<init> record, return
    0x0B, 0x25, 0, 67, 0x23,
    // (115) Throwable.<init>, (120) throwVMException
    0x0B, 0x25, 0, 67, 0x23, 0x23,
    // (121) Cat.<init>: invokespecial Animal.<init> record
    0x0B, 0x25, 0, 77, 0x23,
    // (126) Object.<init>, (127) Animal.<init>
    0x23, 0x0B, 0x25, 0, 67, 0x23,
    // (132) OutOfMemoryError.<init>: invokespecial Throwable.<init> record
    0x0B, 0x25, 0, 47, 0x23,
};
// clang-format on

TSources HierarchyProgram() {
    TSources sources = TinyProgram();
    sources.erase("Tiny.java");
    sources["Zoo.java"] =
        "public class Zoo {\n    static void main() {\n        Cat c = new Cat();\n    }\n\n"
        "    public Zoo() {\n    }\n}\n";
    sources["Cat.java"] = "public class Cat extends Animal {\n    public Cat() {\n    }\n}\n";
    sources["Animal.java"] = "public class Animal {\n    public Animal() {\n    }\n}\n";
    return sources;
}

// Links mainClass and compares the image with golden byte for byte.
void ExpectGoldenImage(LinkedProgram& program, const char* mainClass, const std::vector<uint8_t>& golden) {
    ASSERT_EQ(program.Link(mainClass), "");
    std::vector<uint8_t> image = program.Image();
    ASSERT_EQ(image.size(), golden.size());
    for (size_t i = 0; i < image.size(); ++i) EXPECT_EQ(int(image[i]), int(golden[i])) << "byte " << i;
}
}  // namespace

TEST(GoldenImage, TinyProgramByteForByte) {
    LinkedProgram program(TinyProgram(), "");
    ExpectGoldenImage(program, "Tiny", GoldenImage);
    if (HasFatalFailure()) return;

    TOruImage parsed = program.Check();
    ASSERT_EQ(parsed.Classes.size(), 5u);
    EXPECT_EQ(parsed.Classes[4].Superclass, parsed.Classes[1].Address);
    EXPECT_EQ(parsed.Classes[3].FieldBytes, 4);
    ASSERT_EQ(parsed.Strings.size(), 1u);
    EXPECT_EQ(parsed.Strings[0].Text, "hi");
    EXPECT_EQ(parsed.Code.size(), 7u);  // one range per method with code

    CORULinker& linker = program.Linker();
    EXPECT_EQ(linker.GetStringAreaStart(), 117);
    EXPECT_EQ(linker.GetStringAreaSize(), 14);
    EXPECT_EQ(linker.GetStaticAreaSize(), 0);
    EXPECT_EQ(linker.GetStackOffset(), 144);
    EXPECT_EQ(linker.GetClassCodeSize(0), 17u + 5 + 4);
    EXPECT_EQ(linker.GetClassStringsSize(0), 12u);
    EXPECT_EQ(linker.GetClassStringsSize(3), 0u);
}

TEST(GoldenImage, ClassHierarchyInTheOrderTheCodeReachesIt) {
    LinkedProgram program(HierarchyProgram(), "");
    ExpectGoldenImage(program, "Zoo", GoldenHierarchyImage);
    EXPECT_EQ(program.Linker().GetClassCount(), 6);
    EXPECT_STREQ(program.Linker().GetClass(2)->GetClassName(), "Cat");
}

TEST(GoldenImage, ZeroStackBaseSwitch) {
    ScopedOptions options;
    GlobalOptions.debugZeroStackOffset = true;
    LinkedProgram program(TinyProgram(), "");
    ASSERT_EQ(program.Link("Tiny"), "");
    EXPECT_EQ(program.Image()[18], 0);
    EXPECT_EQ(program.Image()[19], 0);
    EXPECT_EQ(program.Linker().GetStackOffset(), 0);
}

TEST(GoldenImage, CheckerFlagsDamagedImages) {
    LinkedProgram program(TinyProgram(), "");
    ASSERT_EQ(program.Link("Tiny"), "");
    TOruImageFacts facts = program.Facts();
    int flagged = 0, damaged = 0;
    for (size_t i = 0; i < GoldenImage.size(); ++i) {
        for (uint8_t value : {0x00, 0x01, 0x7F, 0xFF}) {
            if (GoldenImage[i] == value) continue;
            std::vector<uint8_t> image = GoldenImage;
            image[i] = value;
            ++damaged;
            flagged += !CheckOruImage(image, facts).Problems.empty();
        }
    }
    std::vector<uint8_t> cut(GoldenImage.begin(), GoldenImage.begin() + 100);
    EXPECT_FALSE(CheckOruImage(cut, facts).Problems.empty());
    // Only the characters of the string and a few values that no reader can
    // tell from right ones (locals, a superclass that is another class) pass.
    EXPECT_GT(flagged, damaged * 8 / 10) << flagged << " of " << damaged;
}
