#include <gtest/gtest.h>

#include <algorithm>

#include "linker/JvmOpcodes.h"
#include "tests/linker/ClassFixture.h"
#include "tests/linker/LinkFixture.h"

namespace {
// The image bytes of a method's code (initialiser calls included).
std::vector<uint8_t> CodeOf(LinkedProgram& program, const CJavaClass& javaClass, int m) {
    std::vector<uint8_t> image = program.Image();
    uint32_t start = javaClass.GetMethodImageOffset(m);
    uint32_t end =
        start + javaClass.GetCodeLength(m) + uint32_t(program.Linker().GetMainPrologueSize(&javaClass, m));
    return std::vector<uint8_t>(image.begin() + start, image.begin() + end);
}

bool Contains(const std::vector<uint8_t>& code, const std::vector<uint8_t>& part) {
    return std::search(code.begin(), code.end(), part.begin(), part.end()) != code.end();
}

// The method record of a class's method-table entry, as the image holds it.
std::vector<uint8_t> RecordOf(LinkedProgram& program, const CJavaClass& javaClass, const char* name,
                              const char* descriptor) {
    std::vector<uint8_t> image = program.Image();
    uint32_t at = javaClass.GetLinkedMethodOffset(name, descriptor);
    return std::vector<uint8_t>(image.begin() + at, image.begin() + at + 7);
}

uint16_t Word(const std::vector<uint8_t>& bytes, size_t at) {
    return uint16_t(bytes[at] << 8 | bytes[at + 1]);
}
}  // namespace

TEST(Translation, WideIincKeepsItsOperands) {
    LinkedProgram program(ProgramSources({"Arithmetic.java"}));
    ASSERT_EQ(program.Link("Arithmetic"), "");
    const CJavaClass& main = *program.Linker().GetClass(0);
    std::vector<uint8_t> code = CodeOf(program, main, MethodIndex(main, "main"));
    EXPECT_TRUE(Contains(code, {0x4F, 0x51, 0x00, 0x00, 0x03, 0xE8})) << "x += 1000";
    EXPECT_TRUE(Contains(code, {0x4F, 0x51, 0x00, 0x00, 0xF8, 0x30})) << "x -= 2000";
}

TEST(Translation, FieldOperandsCountInheritedWords) {
    LinkedProgram program(ProgramSources({"Shapes.java"}));
    ASSERT_EQ(program.Link("Shapes"), "");
    CORULinker& linker = program.Linker();
    const CJavaClass* shape = linker.FindLinkedClass("Shape");
    const CJavaClass* square = linker.FindLinkedClass("Square");
    const CJavaClass* box = linker.FindLinkedClass("Box");
    ASSERT_TRUE(shape && square && box);
    std::vector<uint8_t> image = program.Image();
    // x, y, then the long id takes two words; side, then depth.
    EXPECT_EQ(image[linker.GetClassOffset(shape) + 2], 8);
    EXPECT_EQ(image[linker.GetClassOffset(square) + 2], 10);
    EXPECT_EQ(image[linker.GetClassOffset(box) + 2], 12);
    EXPECT_EQ(CORULinker::GetFieldObjectOffset(box, "x", "I"), 2);
    EXPECT_EQ(CORULinker::GetFieldObjectOffset(box, "side", "I"), 10);
    EXPECT_EQ(CORULinker::GetFieldObjectOffset(box, "depth", "I"), 12);
    std::vector<uint8_t> squareInit = CodeOf(program, *square, MethodIndex(*square, "<init>"));
    EXPECT_TRUE(Contains(squareInit, {0x55, 0x00, 10})) << "putfield side";
    std::vector<uint8_t> shapeInit = CodeOf(program, *shape, MethodIndex(*shape, "<init>"));
    EXPECT_TRUE(Contains(shapeInit, {0x55, 0x00, 2})) << "putfield x";
    EXPECT_TRUE(Contains(shapeInit, {0x55, 0x00, 4})) << "putfield y";
}

TEST(Translation, AbstractAndInheritedMethodRecords) {
    LinkedProgram program(ProgramSources({"Shapes.java"}));
    ASSERT_EQ(program.Link("Shapes"), "");
    CORULinker& linker = program.Linker();
    CJavaClass* shape = linker.FindLinkedClass("Shape");
    CJavaClass* box = linker.FindLinkedClass("Box");
    std::vector<uint8_t> area = RecordOf(program, *shape, "area", "()I");
    EXPECT_EQ(area[0], 2);  // this
    EXPECT_EQ(area[1], 0);  // abstract: no locals
    // Box's record of the inherited, non-overridden method is Shape's.
    EXPECT_EQ(RecordOf(program, *box, "equals", "(Ljava/lang/Object;)Z"),
              RecordOf(program, *shape, "equals", "(Ljava/lang/Object;)Z"));
    CJavaClass* owner = nullptr;
    int index =
        linker.FindMethodByOffset(box->GetLinkedMethodOffset("equals", "(Ljava/lang/Object;)Z"), owner);
    EXPECT_STREQ(owner->GetClassName(), "java/lang/Object");
    EXPECT_STREQ(owner->GetMethodName(index), "equals");
    // A virtual call carries the parameter bytes and the record's place in the class record.
    const CJavaClass& main = *linker.GetClass(0);
    int describe = box->GetLinkedMethodIndex("describe", "()Ljava/lang/String;");
    std::vector<uint8_t> code = CodeOf(program, main, MethodIndex(main, "main"));
    EXPECT_TRUE(Contains(code, {0x24, 2, uint8_t(3 + 7 * describe)}));
    // new carries the class record's address.
    EXPECT_TRUE(Contains(code, {0x57, 0, uint8_t(linker.GetClassOffset(box))}));
}

TEST(Translation, SwitchesBecomeCompact) {
    LinkedProgram program(ProgramSources({"Switches.java"}));
    ASSERT_EQ(program.Link("Switches"), "");
    const CJavaClass& main = *program.Linker().GetClass(0);
    int switches = 0;
    for (const char* name : {"dense", "sparse"}) {
        int m = MethodIndex(main, name);
        const uint8_t* jvm = main.GetCode(m);
        std::vector<uint8_t> code = CodeOf(program, main, m);
        for (uint32_t pc = 0, next = 0; pc < main.GetCodeLength(m); pc = next) {
            next = pc;
            main.NextInstruction(m, next);
            if (jvm[pc] != opTableswitch && jvm[pc] != opLookupswitch) continue;
            ++switches;
            const uint8_t* values = jvm + ((pc + 4) & ~3u);
            EXPECT_EQ(code[pc], jvm[pc] == opTableswitch ? 0x75 : 0x77);
            EXPECT_EQ(int16_t(Word(code, pc + 1)), ReadS32(values) - 1) << "default";
            if (jvm[pc] == opTableswitch) {
                int low = ReadS32(values + 4), high = ReadS32(values + 8);
                EXPECT_EQ(Word(code, pc + 3), low);
                EXPECT_EQ(Word(code, pc + 5), high - low);
                for (int i = 0; i <= high - low; ++i)
                    EXPECT_EQ(int16_t(Word(code, pc + 7 + 2 * i)), ReadS32(values + 12 + 4 * i) - 1);
            } else {
                int pairs = ReadS32(values + 4);
                EXPECT_EQ(Word(code, pc + 3), pairs);
                for (int i = 0; i < pairs; ++i) {
                    EXPECT_EQ(int16_t(Word(code, pc + 5 + 4 * i)), int16_t(ReadS32(values + 8 + 8 * i)));
                    EXPECT_EQ(int16_t(Word(code, pc + 7 + 4 * i)), ReadS32(values + 12 + 8 * i) - 1);
                }
            }
        }
    }
    EXPECT_EQ(switches, 2);
}

TEST(Translation, InitialiserCallsOnlyInFrontOfTheMainMethod) {
    TSources sources = ProgramSources({"Statics.java"});
    sources["Helper.java"] =
        "class Helper {\n    static int v = 5;\n    static void main(int a) {\n        v = a;\n    }\n}\n";
    sources["Statics.java"].insert(sources["Statics.java"].find("Counter.bump();"),
                                   "Helper.main(3);\n        ");
    LinkedProgram program(sources);
    ASSERT_EQ(program.Link("Statics"), "");
    CORULinker& linker = program.Linker();
    const CJavaClass& main = *linker.GetClass(0);
    int count = linker.GetInitialiserCount();
    EXPECT_GE(count, 4);  // Statics, Counter, Settings, Helper and the library's
    ASSERT_EQ(int(linker.GetInitialisers().size()), count);
    std::vector<uint8_t> code = CodeOf(program, main, MethodIndex(main, "main", "()V"));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(code[3 * i], 0x25);
        CJavaClass* owner = nullptr;
        int m = linker.FindMethodByOffset(Word(code, 3 * i + 1), owner);
        EXPECT_STREQ(owner->GetMethodName(m), "<clinit>");
    }
    const CJavaClass* helper = linker.FindLinkedClass("Helper");
    int helperMain = MethodIndex(*helper, "main");
    EXPECT_EQ(linker.GetMainPrologueSize(helper, helperMain), 0);
    EXPECT_EQ(CodeOf(program, *helper, helperMain)[0], OruByteOf(0x1A));  // iload_0, no calls in front
    uint32_t total = 0;
    for (int i = 0; i < linker.GetClassCount(); ++i) total += linker.GetClassCodeSize(i);
    EXPECT_EQ(total, linker.GetStringTableOffset() - 20);
}

TEST(Translation, NativeTableFollowsTheSwitchAtEveryLink) {
    ScopedOptions options;
    TSources sources = {{"Echo.java",
                         "import torve.core.*;\npublic class Echo {\n    public static void main() {\n"
                         "        Uart.rxRead(0);\n        Terminal.getByte();\n    }\n}\n"}};
    LinkedProgram program(sources);
    ASSERT_EQ(program.Link("Echo"), "");
    const CJavaClass* uart = program.Linker().FindLinkedClass("torve/core/Uart");
    ASSERT_TRUE(uart);
    std::vector<uint8_t> record = RecordOf(program, *uart, "rxRead", "(I)I");
    EXPECT_EQ(record[2], 0x80);
    EXPECT_EQ(Word(record, 3), 33);
    EXPECT_EQ(record[1], 0);
    GlobalOptions.debugLMNative = true;
    EXPECT_EQ(program.Link("Echo"), "[ Error LNK-0004] Unknown native method `torve/core/Uart.txInit'.\n");
    GlobalOptions.debugLMNative = false;
    ASSERT_EQ(program.Link("Echo"), "");
    const CJavaClass* terminal = program.Linker().FindLinkedClass("torve/core/Terminal");
    EXPECT_EQ(Word(RecordOf(program, *terminal, "getByte", "()I"), 3), 46);
}
