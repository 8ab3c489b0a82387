#include "foundation/EError.h"
#include "linker/InstructionText.h"
#include "linker/JavaClass.h"
#include "linker/JvmOpcodes.h"

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
    text = InstructionText(*this, GetCode(m), pc);
    ListPending = length - 1;  // every operand byte, wide and switch operands included
    return length;
}
