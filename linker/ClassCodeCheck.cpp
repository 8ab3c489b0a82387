#include <vector>

#include "foundation/EError.h"
#include "linker/ClassFileParser.h"
#include "linker/JavaClass.h"
#include "linker/JvmOpcodes.h"

namespace {

class CCodeChecker {
public:
    CCodeChecker(const CJavaClass& c, const TJavaMethod& m) : c_(c), m_(m), code_(m.Code.data()) {}

    void Check() {
        uint32_t length = m_.CodeLength;
        std::vector<bool> starts(length, false);
        for (uint32_t pc = 0; pc < length;) {
            uint32_t size = InstructionLengthAt(code_, length, pc);
            if (size == 0) Corrupt();
            starts[pc] = true;
            CheckConstantOperand(pc);
            pc += size;
        }
        starts_ = &starts;
        for (uint32_t pc = 0; pc < length; pc += InstructionLengthAt(code_, length, pc))
            CheckTargets(pc);
        for (const TExceptionEntry& e : m_.ExceptionTable)
            if (!IsStart(e.StartPc) || !IsStart(e.HandlerPc) || (e.EndPc < length && !IsStart(e.EndPc)))
                Corrupt();
    }

private:
    const CJavaClass& c_;
    const TJavaMethod& m_;
    const uint8_t* code_;
    const std::vector<bool>* starts_ = nullptr;

    [[noreturn]] void Corrupt() const { throw EError(ecJVM, 20, c_.Name.c_str()); }

    bool IsStart(int64_t pc) const {
        return pc >= 0 && pc < int64_t(m_.CodeLength) && (*starts_)[size_t(pc)];
    }

    void RequireTag(uint16_t index, uint8_t tag1, uint8_t tag2 = 0, uint8_t tag3 = 0) const {
        uint8_t tag = c_.GetConstantTag(index);
        if (tag == 0 || (tag != tag1 && tag != tag2 && tag != tag3)) Corrupt();
    }

    void CheckConstantOperand(uint32_t pc) const {
        const uint8_t* p = code_ + pc;
        switch (p[0]) {
            case opLdc:
                RequireTag(p[1], ctInteger, ctFloat, ctString);
                break;
            case opLdcW:
                RequireTag(ReadU16(p + 1), ctInteger, ctFloat, ctString);
                break;
            case opLdc2W:
                RequireTag(ReadU16(p + 1), ctLong, ctDouble);
                break;
            case opGetstatic: case opPutstatic: case opGetfield: case opPutfield:
                RequireTag(ReadU16(p + 1), ctFieldref);
                break;
            case opInvokevirtual: case opInvokespecial: case opInvokestatic:
                RequireTag(ReadU16(p + 1), ctMethodref);
                break;
            case opInvokeinterface:
                RequireTag(ReadU16(p + 1), ctInterfaceMethodref);
                break;
            case opNew: case opAnewarray: case opCheckcast: case opInstanceof: case opMultianewarray:
                RequireTag(ReadU16(p + 1), ctClass);
                break;
            default:
                break;
        }
    }

    void RequireTarget(uint32_t pc, int64_t offset) const {
        if (!IsStart(int64_t(pc) + offset)) Corrupt();
    }

    void CheckTargets(uint32_t pc) const {
        const uint8_t* p = code_ + pc;
        uint8_t op = p[0];
        if ((op >= opIfeq && op <= opJsr) || op == opIfnull || op == opIfnonnull) {
            RequireTarget(pc, ReadS16(p + 1));
        } else if (op == opGotoW || op == opJsrW) {
            RequireTarget(pc, ReadS32(p + 1));
        } else if (op == opTableswitch || op == opLookupswitch) {
            CheckSwitch(pc, op == opTableswitch);
        }
    }

    void CheckSwitch(uint32_t pc, bool table) const {
        const uint8_t* operands = code_ + ((pc + 4) & ~3u);
        RequireTarget(pc, ReadS32(operands));
        if (table) {
            int64_t entries = int64_t(ReadS32(operands + 8)) - ReadS32(operands + 4) + 1;
            for (int64_t i = 0; i < entries; ++i) RequireTarget(pc, ReadS32(operands + 12 + 4 * i));
        } else {
            int64_t pairs = ReadS32(operands + 4);
            for (int64_t i = 0; i < pairs; ++i) RequireTarget(pc, ReadS32(operands + 12 + 8 * i));
        }
    }
};

}  // namespace

void CheckClassCode(const CJavaClass& javaClass) {
    for (const TJavaMethod& method : javaClass.Methods) CCodeChecker(javaClass, method).Check();
}
