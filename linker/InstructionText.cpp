#include "linker/InstructionText.h"

#include "linker/JavaClass.h"
#include "linker/JvmOpcodes.h"
#include "linker/ListingTextFormat.h"

namespace {

const char* ArrayTypeName(uint8_t type) {
    switch (type) {
        case 5: return "char";
        case 6: return "float";
        case 7: return "double";
        case 8: return "byte";
        case 9: return "short";
        case 10: return "int";
        case 11: return "long";
        default: return "**unknown**";
    }
}

bool ShowsConstant(uint8_t op) {
    switch (op) {
        case opLdcW: case opLdc2W: case opGetstatic: case opPutstatic: case opGetfield:
        case opPutfield: case opInvokevirtual: case opInvokespecial: case opInvokestatic:
        case opNew: case opAnewarray: case opInstanceof:
            return true;
        default:
            return false;
    }
}

bool ShowsByteOperand(uint8_t op) {
    switch (op) {
        case opBipush: case opIload: case opLload: case opDload: case opAload: case opIstore:
        case opLstore: case opDstore: case opAstore: case opRet:
            return true;
        default:
            return false;
    }
}

bool IsBranch(uint8_t op) { return (op >= opIfeq && op <= opJsr) || op == opIfnull || op == opIfnonnull; }

long long Target(uint32_t pc, const uint8_t* offset) { return (long long)pc + ReadS32(offset); }

std::string SwitchText(const uint8_t* code, uint32_t pc) {
    const uint8_t* operands = code + ((pc + 4) & ~3u);
    const char* name = JvmOpcodeName(code[pc]);
    std::string text;
    if (code[pc] == opTableswitch) {
        const int32_t low = ReadS32(operands + 4), high = ReadS32(operands + 8);
        text = FormatListingText("%4d %s %d to %d: default=%lld", int(pc), name, low, high, Target(pc, operands));
        for (int64_t i = 0; i <= int64_t(high) - low; ++i)
            text += FormatListingText("\n      %lld: %lld", (long long)(low + i), Target(pc, operands + 12 + 4 * i));
    } else {
        const int32_t pairs = ReadS32(operands + 4);
        text = FormatListingText("%4d %s %d pairs default=%lld", int(pc), name, pairs, Target(pc, operands));
        for (int32_t i = 0; i < pairs; ++i)
            text += FormatListingText("\n      %d: %lld", ReadS32(operands + 8 + 8 * i),
                               Target(pc, operands + 12 + 8 * i));
    }
    return text;
}

}  // namespace

std::string InstructionText(const CJavaClass& owner, const uint8_t* code, uint32_t pc) {
    const uint8_t* p = code + pc;
    const uint8_t op = p[0];
    const char* name = JvmOpcodeName(op);
    const int at = int(pc);
    if (op == opTableswitch || op == opLookupswitch) return SwitchText(code, pc);
    if (op == opWide && p[1] == opIinc) return FormatListingText("%4d wide iinc %d %d", at, ReadU16(p + 2), ReadS16(p + 4));
    if (op == opWide) return FormatListingText("%4d wide %s %d", at, JvmOpcodeName(p[1]), ReadU16(p + 2));
    if (op == opLdc) return FormatListingText("%4d %s #%d <%s>", at, name, p[1], owner.ConstantText(p[1]).c_str());
    if (ShowsConstant(op)) {
        const uint16_t index = ReadU16(p + 1);
        return FormatListingText("%4d %s #%d <%s>", at, name, index, owner.ConstantText(index).c_str());
    }
    if (op == opIinc) return FormatListingText("%4d %s %d %d", at, name, p[1], int8_t(p[2]));
    if (IsBranch(op)) return FormatListingText("%4d %s %d", at, name, at + ReadS16(p + 1));
    if (op == opSipush) return FormatListingText("%4d %s %d", at, name, ReadS16(p + 1));
    if (ShowsByteOperand(op)) return FormatListingText("%4d %s %d", at, name, p[1]);
    if (op == opNewarray) return FormatListingText("%4d %s %s", at, name, ArrayTypeName(p[1]));
    if (op == opCheckcast) return FormatListingText("%4d %s ????", at, name);
    return FormatListingText("%4d %s ", at, name);
}
