#include <cstdarg>
#include <cstdio>

#include "foundation/EError.h"
#include "linker/JavaClass.h"
#include "linker/JvmOpcodes.h"

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? size_t(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

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

}  // namespace

int CJavaClass::InstructionLength(int m, uint32_t pc) const {
    const TJavaMethod& method = Method(m);
    uint32_t length = InstructionLengthAt(method.Code.data(), method.CodeLength, pc);
    if (length == 0) throw EError(ecJVM, 23);
    return int(length);
}

const uint8_t* CJavaClass::NextInstruction(int m, uint32_t& pc) const {
    const uint8_t* code = Method(m).Code.data();
    const uint32_t at = pc;
    pc += uint32_t(InstructionLength(m, at));
    return code + at;
}

int CJavaClass::ListBytecode(int m, uint32_t pc, std::string& text) {
    if (m != ListMethod || int64_t(pc) != int64_t(ListPc) + 1) ListPending = 0;
    ListMethod = m;
    ListPc = int32_t(pc);
    if (pc >= GetCodeLength(m)) throw EError(ecJVM, 23);
    text.clear();
    if (ListPending > 0) {
        --ListPending;
        return 0;
    }
    const int length = InstructionLength(m, pc);
    const uint8_t* p = GetCode(m) + pc;
    const uint8_t op = p[0];
    const char* name = JvmOpcodeName(op);
    const int at = int(pc);
    if (op == opTableswitch || op == opLookupswitch) {
        const uint8_t* operands = GetCode(m) + ((pc + 4) & ~3u);
        const int64_t defaultTarget = at + int64_t(ReadS32(operands));
        if (op == opTableswitch) {
            const int32_t low = ReadS32(operands + 4), high = ReadS32(operands + 8);
            text = Format("%4d %s %d to %d: default=%lld", at, name, low, high, (long long)defaultTarget);
            for (int64_t i = 0; i <= int64_t(high) - low; ++i)
                text += Format("\n      %lld: %lld", (long long)(low + i),
                               (long long)(at + int64_t(ReadS32(operands + 12 + 4 * i))));
        } else {
            const int32_t pairs = ReadS32(operands + 4);
            text = Format("%4d %s %d pairs default=%lld", at, name, pairs, (long long)defaultTarget);
            for (int32_t i = 0; i < pairs; ++i)
                text += Format("\n      %d: %lld", ReadS32(operands + 8 + 8 * i),
                               (long long)(at + int64_t(ReadS32(operands + 12 + 8 * i))));
        }
    } else if (op == opWide && p[1] == opIinc) {
        text = Format("%4d wide iinc %d %d", at, ReadU16(p + 2), ReadS16(p + 4));
    } else if (op == opWide) {
        text = Format("%4d wide %s %d", at, JvmOpcodeName(p[1]), ReadU16(p + 2));
    } else if (op == opLdc) {
        text = Format("%4d %s #%d <%s>", at, name, p[1], ConstantText(p[1]).c_str());
    } else if (ShowsConstant(op)) {
        text = Format("%4d %s #%d <%s>", at, name, ReadU16(p + 1), ConstantText(ReadU16(p + 1)).c_str());
    } else if (op == opIinc) {
        text = Format("%4d %s %d %d", at, name, p[1], int8_t(p[2]));
    } else if ((op >= opIfeq && op <= opJsr) || op == opIfnull || op == opIfnonnull) {
        text = Format("%4d %s %d", at, name, at + ReadS16(p + 1));
    } else if (op == opSipush) {
        text = Format("%4d %s %d", at, name, ReadS16(p + 1));
    } else if (ShowsByteOperand(op)) {
        text = Format("%4d %s %d", at, name, p[1]);
    } else if (op == opNewarray) {
        text = Format("%4d %s %s", at, name, ArrayTypeName(p[1]));
    } else if (op == opCheckcast) {
        text = Format("%4d %s ????", at, name);
    } else {
        text = Format("%4d %s ", at, name);
    }
    ListPending = length - 1;
    return length;
}

std::string CJavaClass::ConstantText(int index, size_t limit) const {
    std::string text;
    const uint8_t tag = GetConstantTag(index);
    const TConstantPoolEntry* e = tag ? &ConstantPool[index] : nullptr;
    auto memberText = [&](const char* kind, uint16_t nameIndex) {
        return Format("%s %s.%s", kind, GetClassConstantName(e->Index1), GetUtf8(nameIndex));
    };
    switch (tag) {
        case ctClass: text = Format("Class %s", GetUtf8(e->Index1)); break;
        case ctFieldref: text = memberText("Field", GetFieldrefNameIndex(index)); break;
        case ctMethodref: text = memberText("Method", GetMethodrefNameIndex(index)); break;
        case ctInterfaceMethodref:
            text = memberText("Interface", GetInterfaceMethodrefNameIndex(index));
            break;
        case ctString: text = Format("\"%s\"", GetUtf8(e->Index1)); break;
        case ctInteger: text = Format("Integer %d", int32_t(e->HighWord())); break;
        case ctFloat: {
            float value;
            uint32_t bits = e->HighWord();
            static_assert(sizeof value == sizeof bits);
            __builtin_memcpy(&value, &bits, sizeof value);
            text = Format("Float %f", double(value));
            break;
        }
        case ctLong: text = Format("Long %d %d", int32_t(e->HighWord()), int32_t(e->Value)); break;
        case ctDouble: text = Format("Double %d %d", int32_t(e->HighWord()), int32_t(e->Value)); break;
        case ctNameAndType:
            text = Format("NameAndType %s %s", GetUtf8(e->Index1), GetUtf8(e->Index2));
            break;
        case ctUtf8: text = e->Utf8.c_str(); break;
        default: text = Format("Bad constant #%d", index); break;
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}
