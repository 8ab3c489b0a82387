#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "linker/JvmOpcodes.h"
#include "tests/linker/ClassFixture.h"

namespace {

// Lists every byte of method m; the instruction texts by pc. Checks that
// each operand byte gives "" and that the lengths tile the code.
std::map<uint32_t, std::string> ListMethod(CJavaClass& c, int m) {
    std::map<uint32_t, std::string> texts;
    uint32_t next = 0;
    std::string text;
    for (uint32_t pc = 0; pc < c.GetCodeLength(m); ++pc) {
        int length = c.ListBytecode(m, pc, text);
        if (pc == next) {
            EXPECT_EQ(length, c.InstructionLength(m, pc)) << pc;
            texts[pc] = text;
            next = pc + uint32_t(length);
        } else {
            EXPECT_EQ(length, 0) << pc;
            EXPECT_EQ(text, "") << pc;
        }
    }
    EXPECT_EQ(next, c.GetCodeLength(m));
    return texts;
}

// The text after the pc column ("%4d ").
std::string Body(const std::string& text) {
    return text.substr(text.find(' ', text.find_first_not_of(' ')) + 1);
}

// Texts of the instructions named `mnemonic`, without the pc column.
std::vector<std::string> Bodies(const std::map<uint32_t, std::string>& texts, const std::string& mnemonic) {
    std::vector<std::string> bodies;
    for (const auto& [pc, text] : texts)
        if (Body(text).rfind(mnemonic + " ", 0) == 0) bodies.push_back(Body(text));
    return bodies;
}

std::string Operand16(const CJavaClass& c, int m, uint32_t pc) {
    return std::to_string(ReadU16(c.GetCode(m) + pc + 1));
}

}  // namespace

TEST(InstructionLengths, SwitchPaddingAndImpossibleOperands) {
    // nop; tableswitch at 1: 2 padding bytes, default, low 0, high 2, 3 targets.
    uint8_t table[28] = {0x00, opTableswitch, 0, 0, 0, 0, 0, 27, 0, 0, 0, 0, 0, 0, 0, 2};
    EXPECT_EQ(InstructionLengthAt(table, 28, 1), 27u);
    EXPECT_EQ(InstructionLengthAt(table, 27, 1), 0u);  // cut short
    table[15] = 0xFF;
    table[12] = 0xFF;
    table[13] = 0xFF;
    table[14] = 0xFF;  // high -1 below low 0
    EXPECT_EQ(InstructionLengthAt(table, 28, 1), 0u);
    uint8_t lookup[12] = {opLookupswitch, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(InstructionLengthAt(lookup, 12, 0), 0u);  // negative pair count
    lookup[8] = lookup[9] = lookup[10] = lookup[11] = 0;
    EXPECT_EQ(InstructionLengthAt(lookup, 12, 0), 12u);
    const uint8_t wide[] = {opWide, opIinc, 1, 0, 3, 0xE8, opWide, opIload, 1, 0x2C, opWide, 0x60};
    EXPECT_EQ(InstructionLengthAt(wide, sizeof wide, 0), 6u);
    EXPECT_EQ(InstructionLengthAt(wide, sizeof wide, 6), 4u);
    EXPECT_EQ(InstructionLengthAt(wide, sizeof wide, 10), 0u);  // iadd cannot be widened
    const uint8_t others[] = {opMultianewarray, 0, 1, 2, opInvokeinterface, 0, 1, 1, 0, opGotoW, 0, 0, 0, 0};
    EXPECT_EQ(InstructionLengthAt(others, sizeof others, 0), 4u);
    EXPECT_EQ(InstructionLengthAt(others, sizeof others, 4), 5u);
    EXPECT_EQ(InstructionLengthAt(others, sizeof others, 9), 5u);
    EXPECT_EQ(InstructionLengthAt(others, sizeof others - 1, 9), 0u);
}

TEST(BytecodeLister, SwitchesWithTheirTargets) {
    auto c = LoadTestClass("Listing");
    const auto texts = ListMethod(*c, MethodIndex(*c, "pick"));
    EXPECT_EQ(texts.at(3), "   3 tableswitch 1 to 3: default=41\n      1: 28\n      2: 33\n      3: 38");
    EXPECT_EQ(texts.at(42), "  42 lookupswitch 2 pairs default=75\n      10: 68\n      1000: 73");
    EXPECT_EQ(texts.count(28), 1u);  // 1 + 0 padding + 12 + 12 bytes
    EXPECT_EQ(texts.count(68), 1u);  // 1 + 1 padding + 8 + 16 bytes
    EXPECT_EQ(texts.at(30), "  30 goto 41");
}

TEST(BytecodeLister, OperandFormats) {
    auto c = LoadTestClass("Listing");
    const int m = MethodIndex(*c, "operands");
    const auto texts = ListMethod(*c, m);
    EXPECT_EQ(texts.at(0), "   0 sipush 300");
    EXPECT_EQ(Bodies(texts, "sipush"), (std::vector<std::string>{"sipush 300", "sipush -300"}));
    EXPECT_EQ(Bodies(texts, "bipush"), (std::vector<std::string>{"bipush 254"}));
    EXPECT_EQ(Bodies(texts, "iinc"), (std::vector<std::string>{"iinc 3 5", "iinc 4 -3"}));
    EXPECT_EQ(Bodies(texts, "wide"),
              (std::vector<std::string>{"wide iinc 1 1000", "wide iinc 1 -1000"}));
    EXPECT_EQ(texts.at(36), "  36 ifne 46");
    EXPECT_EQ(Bodies(texts, "newarray"), (std::vector<std::string>{"newarray int", "newarray char"}));
    EXPECT_EQ(Bodies(texts, "checkcast"), (std::vector<std::string>{"checkcast ????"}));
    EXPECT_EQ(Bodies(texts, "multianewarray"), (std::vector<std::string>{"multianewarray "}));
    EXPECT_EQ(Bodies(texts, "iadd").size(), 4u);
    EXPECT_EQ(Bodies(texts, "iadd")[0], "iadd ");
    EXPECT_EQ(Bodies(texts, "istore")[0], "istore 4");
    EXPECT_EQ(Bodies(texts, "lstore"), (std::vector<std::string>{"lstore 15"}));

    // Constant operands: "#index <constant>".
    const std::map<std::string, std::string> constants = {
        {"ldc", "<Integer 123456>"},           {"anewarray", "<Class java/lang/Object>"},
        {"instanceof", "<Class java/lang/String>"}, {"getfield", "<Field Listing.field>"},
        {"putstatic", "<Field Listing.shared>"},    {"new", "<Class Listing>"},
        {"invokevirtual", "<Method Listing.pick>"}, {"invokestatic", "<Method Listing.helper>"},
        {"invokespecial", "<Method Listing.<init>>"}, {"ldc2_w", "<Long 1 705032704>"}};
    for (const auto& [mnemonic, constant] : constants) {
        for (const auto& [pc, text] : texts) {
            if (Body(text).rfind(mnemonic + " ", 0) != 0) continue;
            const std::string index =
                mnemonic == "ldc" ? std::to_string(c->GetCode(m)[pc + 1]) : Operand16(*c, m, pc);
            EXPECT_EQ(text.substr(5), mnemonic + " #" + index + " " + constant);
            break;
        }
    }
    EXPECT_EQ(Bodies(texts, "ldc")[1].substr(Bodies(texts, "ldc")[1].find('<')), "<\"hi\">");
}

TEST(BytecodeLister, LocalsOfFloatsKeepTheirOperandByte) {
    auto c = LoadTestClass("Listing");
    const auto texts = ListMethod(*c, MethodIndex(*c, "floats"));
    EXPECT_EQ(texts.at(3), "   3 dstore 5");
    EXPECT_EQ(texts.at(5).substr(texts.at(5).find('<')), "<Float 1.500000>");
    EXPECT_EQ(texts.at(7), "   7 fstore ");
    EXPECT_EQ(texts.at(9), "   9 fload ");
    EXPECT_EQ(texts.at(0).substr(texts.at(0).find('<')), "<Double 1074003968 0>");
}

TEST(BytecodeLister, WideAndLongJumps) {
    auto c = LoadTestClass("Generated");
    const auto locals = ListMethod(*c, MethodIndex(*c, "manyLocals"));
    const auto wide = Bodies(locals, "wide");
    ASSERT_EQ(wide.size(), 47u);  // istore 256 to 300, then iinc and iload of slot 300
    EXPECT_EQ(wide[0], "wide istore 256");
    EXPECT_EQ(wide[45], "wide iinc 300 1000");
    EXPECT_EQ(wide[46], "wide iload 300");
    const auto far = ListMethod(*c, MethodIndex(*c, "far"));
    EXPECT_EQ(Bodies(far, "goto_w").size(), 2u);
    EXPECT_EQ(Bodies(far, "wide").size(), 6000u);
    const auto farFinally = ListMethod(*c, MethodIndex(*c, "farFinally"));
    EXPECT_EQ(Bodies(farFinally, "jsr_w").size(), 3u);
    EXPECT_EQ(Bodies(farFinally, "jsr_w")[0], "jsr_w ");

    const int strings = MethodIndex(*c, "manyStrings");
    const auto ldcW = Bodies(ListMethod(*c, strings), "ldc_w");
    ASSERT_FALSE(ldcW.empty());
    EXPECT_EQ(ldcW.back().substr(ldcW.back().find('<')), "<\"c299\">");

    auto listing = LoadTestClass("Listing");
    const auto call = ListMethod(*listing, MethodIndex(*listing, "call"));
    EXPECT_EQ(call.at(1), "   1 invokeinterface ");
    EXPECT_EQ(call.count(6), 1u);
}

TEST(BytecodeLister, SubroutinesAndBackwardBranches) {
    auto c = LoadTestClass("Listing");
    const auto wrap = ListMethod(*c, MethodIndex(*c, "wrap"));
    EXPECT_EQ(Bodies(wrap, "jsr"), (std::vector<std::string>{"jsr 12", "jsr 12"}));
    EXPECT_EQ(Bodies(wrap, "ret"), (std::vector<std::string>{"ret 1"}));
    const auto loop = ListMethod(*c, MethodIndex(*c, "loop"));
    const auto back = Bodies(loop, "if_icmplt");
    ASSERT_EQ(back.size(), 1u);
    for (const auto& [pc, text] : loop) {
        if (Body(text) == back[0]) {
            EXPECT_LT(std::stoul(back[0].substr(10)), pc);  // the target lies before the branch
        }
    }
}

TEST(BytecodeLister, PendingBytesBelongToTheListedInstructionOnly) {
    auto c = LoadTestClass("Listing");
    const int m = MethodIndex(*c, "operands");
    const int other = MethodIndex(*c, "pick");
    std::string text;
    EXPECT_EQ(c->ListBytecode(m, 0, text), 3);  // sipush 300: two operand bytes pending
    EXPECT_EQ(c->ListBytecode(m, 1, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(c->ListBytecode(other, 2, text), 1);  // another method: a new instruction
    EXPECT_EQ(text, "   2 iload_1 ");
    c->ListBytecode(m, 0, text);
    c->ListBytecode(m, 2, text);  // a jump in pc: byte 2 (0x2C) read as an instruction
    EXPECT_EQ(text, "   2 aload_2 ");
}

TEST(BytecodeLister, CodeIndexOutOfRange) {
    auto c = LoadTestClass("Listing");
    const int m = MethodIndex(*c, "operands");
    std::string text;
    const std::string outOfRange = "[ Error JVM-0023] Code index out of range.\n";
    EXPECT_EQ(ErrorMessageOf([&] { c->ListBytecode(m, c->GetCodeLength(m), text); }), outOfRange);
    uint32_t pc = c->GetCodeLength(m);
    EXPECT_EQ(ErrorMessageOf([&] { c->NextInstruction(m, pc); }), outOfRange);
    pc = 0;
    EXPECT_EQ(c->NextInstruction(m, pc), c->GetCode(m));
    EXPECT_EQ(pc, 3u);
    EXPECT_STREQ(JvmOpcodeName(0xE4), "**unknown**");
}

TEST(ConstantText, EveryKindAndTheLimit) {
    auto c = LoadTestClass("Listing");
    std::map<uint8_t, std::string> first;
    for (int i = 1; i < c->GetConstantPoolCount(); ++i)
        if (!first.count(c->GetConstantTag(i))) first[c->GetConstantTag(i)] = c->ConstantText(i);
    EXPECT_EQ(first[ctInterfaceMethodref], "Interface Runner.go");
    EXPECT_EQ(first[ctNameAndType].rfind("NameAndType ", 0), 0u);
    for (int i = 1; i < c->GetConstantPoolCount(); ++i) {
        if (c->GetConstantTag(i) == ctString && c->ConstantText(i) == "\"hi\"") {
            EXPECT_EQ(c->ConstantText(i, 2), "\"h");
        }
    }
    EXPECT_EQ(c->ConstantText(0), "Bad constant #0");
    EXPECT_EQ(c->ConstantText(60000), "Bad constant #60000");
}
