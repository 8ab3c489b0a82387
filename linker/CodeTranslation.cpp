#include "foundation/EError.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "linker/OruInstructionSet.h"

namespace {
constexpr uint8_t ArrayTypeBoolean = 4;
constexpr uint8_t ArrayTypeChar = 5;
constexpr uint8_t ArrayTypeByte = 8;
const std::string Indent = "     ";
}  // namespace

uint8_t CORULinker::JvmToOruOpcode(int jvmOpcode) {
    int code = OruCodeOfJvmOpcode(jvmOpcode);
    if (code < 0) throw EError(ecJVM, 30, jvmOpcode);
    return EncodeOruCode(code);
}

int CORULinker::OruToJvmOpcode(uint8_t imageByte) {
    int code = DecodeOruByte(imageByte);
    return code < 0 ? -1 : OruOpcodeList[code];
}

int CORULinker::FindNativeMethod(const char* className, const char* methodName) const {
    int row = FindNativeRow(NativeTable, className, methodName);
    if (row < 0) throw EError(ecLNK, 4, className, methodName);
    return row;
}

void CORULinker::WriteClassCode(int index) {
    CJavaClass* javaClass = Classes[index].Class.get();
    ListingPrintf("\n; Class = `%s'\n", javaClass->GetClassName());
    for (int m = 0; m < javaClass->GetMethodCount(); ++m) WriteMethodCode(javaClass, m);
}

void CORULinker::WriteMethodCode(CJavaClass* javaClass, int method) {
    uint16_t codeOffset = javaClass->GetMethodImageOffset(method);
    ListingPrintf("; (%d) Method %s /* %s */\n", codeOffset, javaClass->GetMethodName(method),
                  javaClass->GetMethodDescriptor(method));
    if (javaClass->IsMethodNative(method)) {
        ListingPrintf(";      Native\n");
        return;
    }
    if (WritePosition != codeOffset) throw EError(ecIDE, 48);
    if (GetMainPrologueSize(javaClass, method) > 0) WriteInitialiserCalls();
    TranslateMethod(javaClass, method);
    WriteExceptionTable(javaClass, method);
}

void CORULinker::WriteInitialiserCalls() {
    uint8_t invokestatic = JvmToOruOpcode(opInvokestatic);
    for (uint32_t record : Initialisers) {
        EmitCode(invokestatic, Indent + "invokestatic <??.<clinit>>");
        EmitCodeWord(uint16_t(record), Indent + "Offset hi = " + std::to_string(record >> 8),
                     Indent + "Offset lo = " + std::to_string(record & 0xFF));
    }
}

void CORULinker::TranslateMethod(CJavaClass* javaClass, int method) {
    uint32_t pc = 0;
    while (pc < javaClass->GetCodeLength(method)) {
        uint32_t start = pc;
        javaClass->NextInstruction(method, pc);
        TranslateInstruction(javaClass, method, start, pc - start);
    }
}

void CORULinker::TranslateInstruction(CJavaClass* javaClass, int method, uint32_t pc, uint32_t length) {
    const uint8_t* at = javaClass->GetCode(method) + pc;
    std::string text;
    if (ListingFile) javaClass->ListBytecode(method, pc, text);
    EmitCode(JvmToOruOpcode(at[0]), text);
    WriteOperands(javaClass, at[0], at, pc, length);
}

void CORULinker::WriteOperands(CJavaClass* javaClass, uint8_t opcode, const uint8_t* at, uint32_t pc,
                               uint32_t length) {
    switch (opcode) {
        case opNew:
        case opInstanceof: {
            const char* name = javaClass->GetClassConstantName(ReadU16(at + 1));
            EmitOperandWord(uint16_t(LinkedClassOffset(name)));
            return;
        }
        case opCheckcast:
        case opAnewarray:
            EmitOperandWord(0);
            return;
        case opNewarray: {
            uint8_t type = at[1];
            bool bytes = type == ArrayTypeBoolean || type == ArrayTypeChar || type == ArrayTypeByte;
            EmitCode(bytes ? 1 : 0, Indent + (bytes ? "1" : "0"));
            return;
        }
        case opGetfield:
        case opPutfield: {
            int ref = ReadU16(at + 1);
            const CJavaClass* owner = RequireLinkedClass(
                javaClass->GetClassConstantName(javaClass->GetFieldrefConstantIndex1(ref)));
            EmitOperandWord(
                GetFieldObjectOffset(owner, javaClass->GetUtf8(javaClass->GetFieldrefNameIndex(ref)),
                                     javaClass->GetUtf8(javaClass->GetFieldrefDescriptorIndex(ref))));
            return;
        }
        case opGetstatic:
        case opPutstatic: {
            int ref = ReadU16(at + 1);
            const CJavaClass* owner = RequireLinkedClass(
                javaClass->GetClassConstantName(javaClass->GetFieldrefConstantIndex1(ref)));
            int field = owner->FindField(javaClass->GetUtf8(javaClass->GetFieldrefNameIndex(ref)));
            EmitOperandWord(uint16_t(2 * owner->GetFieldSlot(field)));
            return;
        }
        case opInvokestatic:
        case opInvokespecial: {
            int ref = ReadU16(at + 1);
            const CJavaClass* owner = RequireLinkedClass(
                javaClass->GetClassConstantName(javaClass->GetMethodrefConstantIndex1(ref)));
            EmitOperandWord(owner->GetLinkedMethodOffset(
                javaClass->GetUtf8(javaClass->GetMethodrefNameIndex(ref)),
                javaClass->GetUtf8(javaClass->GetMethodrefDescriptorIndex(ref))));
            return;
        }
        case opInvokevirtual:
            WriteInvokeVirtualOperands(javaClass, at);
            return;
        case opLdc:
        case opLdcW: {
            int constantIndex = opcode == opLdc ? at[1] : ReadU16(at + 1);
            uint32_t number = FindStringIndex(javaClass, constantIndex).Number;
            if (opcode == opLdcW) EmitCode(0, "");
            EmitCode(uint8_t(number), Indent + "index = " + std::to_string(number));
            return;
        }
        case opTableswitch:
        case opLookupswitch:
            WriteCompactSwitch(opcode, at - pc, pc, length);
            return;
        case opWide:
            EmitCode(JvmToOruOpcode(at[1]), "");
            for (uint32_t i = 2; i < length; ++i) EmitCode(at[i], "");
            return;
        default:  // local indexes, constants, branch offsets: unchanged
            for (uint32_t i = 1; i < length; ++i) EmitCode(at[i], "");
            return;
    }
}

void CORULinker::WriteInvokeVirtualOperands(CJavaClass* javaClass, const uint8_t* at) {
    int ref = ReadU16(at + 1);
    const char* className = javaClass->GetClassConstantName(javaClass->GetMethodrefConstantIndex1(ref));
    const CJavaClass* target = RequireLinkedClass(className);
    const char* name = javaClass->GetUtf8(javaClass->GetMethodrefNameIndex(ref));
    const char* descriptor = javaClass->GetUtf8(javaClass->GetMethodrefDescriptorIndex(ref));
    int index = 0;
    try {
        index = target->GetLinkedMethodIndex(name, descriptor);
    } catch (const EError&) {
        throw EError(ecJVM, 14, name);  // a method the class does not have
    }
    const TMethodTableEntry& entry = target->MethodTable[index];
    int parameterBytes = 2 * entry.Owner->CountArgumentWords(entry.OwnerIndex);
    if (parameterBytes > 0xFF)
        RaiseLimit(std::string("call of ") + className + "." + name, unsigned(parameterBytes / 2), "parameter words",
                   0x7F);
    EmitCode(uint8_t(parameterBytes), Indent + "Object offset = -" + std::to_string(parameterBytes));
    if (entry.RecordOffset > 0xFF) throw EError(ecLNK, 9, className);
    EmitCode(uint8_t(entry.RecordOffset), Indent + std::to_string(entry.RecordOffset));
}

// Switches keep their JVM length: the values follow the opcode at once (cut
// to 16 bits, jump offsets less 1) and the padding moves to the end.
void CORULinker::WriteCompactSwitch(uint8_t opcode, const uint8_t* code, uint32_t pc, uint32_t length) {
    uint32_t values = (pc + 4) & ~3u;
    auto value = [&](uint32_t index) { return ReadS32(code + values + 4 * index); };
    auto emit = [&](int32_t v) { EmitCodeWord(uint16_t(v), "", ""); };
    uint32_t written = 1;
    if (opcode == opTableswitch) {
        int32_t low = value(1);
        int32_t high = value(2);
        emit(value(0) - 1);
        emit(low);
        emit(high - low);
        written += 6;
        for (int64_t i = 0; i <= int64_t(high) - low; ++i, written += 2) emit(value(3 + uint32_t(i)) - 1);
    } else {
        int32_t pairs = value(1);
        emit(value(0) - 1);
        emit(pairs);
        written += 4;
        for (int32_t i = 0; i < pairs; ++i, written += 4) {
            emit(value(2 + 2 * uint32_t(i)));
            emit(value(3 + 2 * uint32_t(i)) - 1);
        }
    }
    for (; written < length; ++written) EmitCode(0, "");
}

void CORULinker::WriteExceptionTable(CJavaClass* javaClass, int method) {
    int count = javaClass->GetExceptionCount(method);
    if (count == 0) return;
    uint32_t base = javaClass->GetMethodImageOffset(method) + GetMainPrologueSize(javaClass, method);
    EmitCountByte(unsigned(count), "Number of exception handlers = " + std::to_string(count));
    for (int i = 0; i < count; ++i) {
        TExceptionInfo entry = javaClass->GetExceptionEntry(method, i);
        const char* catchType = entry.CatchClassName ? entry.CatchClassName : "java/lang/Throwable";
        EmitWord(uint16_t(base + entry.StartPc + 1), "start_pc", false);
        EmitWord(uint16_t(base + entry.EndPc + 1), "end_pc", false);
        EmitWord(uint16_t(LinkedClassOffset(catchType)), "catchType offset", false);
        EmitWord(uint16_t(base + entry.HandlerPc), "handler_pc", false);
    }
}
