#include "linker/JvmOpcodes.h"

const char* const JvmOpcodeNames[JvmOpcodeCount + 1] = {
    // 0x00
    "nop", "aconst_null", "iconst_m1", "iconst_0", "iconst_1", "iconst_2", "iconst_3", "iconst_4",
    "iconst_5", "lconst_0", "lconst_1", "fconst_0", "fconst_1", "fconst_2", "dconst_0", "dconst_1",
    // 0x10
    "bipush", "sipush", "ldc", "ldc_w", "ldc2_w", "iload", "lload", "fload",
    "dload", "aload", "iload_0", "iload_1", "iload_2", "iload_3", "lload_0", "lload_1",
    // 0x20
    "lload_2", "lload_3", "fload_0", "fload_1", "fload_2", "fload_3", "dload_0", "dload_1",
    "dload_2", "dload_3", "aload_0", "aload_1", "aload_2", "aload_3", "iaload", "laload",
    // 0x30
    "faload", "daload", "aaload", "baload", "caload", "saload", "istore", "lstore",
    "fstore", "dstore", "astore", "istore_0", "istore_1", "istore_2", "istore_3", "lstore_0",
    // 0x40
    "lstore_1", "lstore_2", "lstore_3", "fstore_0", "fstore_1", "fstore_2", "fstore_3", "dstore_0",
    "dstore_1", "dstore_2", "dstore_3", "astore_0", "astore_1", "astore_2", "astore_3", "iastore",
    // 0x50
    "lastore", "fastore", "dastore", "aastore", "bastore", "castore", "sastore", "pop",
    "pop2", "dup", "dup_x1", "dup_x2", "dup2", "dup2_x1", "dup2_x2", "swap",
    // 0x60
    "iadd", "ladd", "fadd", "dadd", "isub", "lsub", "fsub", "dsub",
    "imul", "lmul", "fmul", "dmul", "idiv", "ldiv", "fdiv", "ddiv",
    // 0x70
    "irem", "lrem", "frem", "drem", "ineg", "lneg", "fneg", "dneg",
    "ishl", "lshl", "ishr", "lshr", "iushr", "lushr", "iand", "land",
    // 0x80
    "ior", "lor", "ixor", "lxor", "iinc", "i2l", "i2f", "i2d",
    "l2i", "l2f", "l2d", "f2i", "f2l", "f2d", "d2i", "d2l",
    // 0x90
    "d2f", "i2b", "i2c", "i2s", "lcmp", "fcmpl", "fcmpg", "dcmpl",
    "dcmpg", "ifeq", "ifne", "iflt", "ifge", "ifgt", "ifle", "if_icmpeq",
    // 0xA0
    "if_icmpne", "if_icmplt", "if_icmpge", "if_icmpgt", "if_icmple", "if_acmpeq", "if_acmpne", "goto",
    "jsr", "ret", "tableswitch", "lookupswitch", "ireturn", "lreturn", "freturn", "dreturn",
    // 0xB0
    "areturn", "return", "getstatic", "putstatic", "getfield", "putfield", "invokevirtual",
    "invokespecial", "invokestatic", "invokeinterface", "xxxunusedxxx", "new", "newarray",
    "anewarray", "arraylength", "athrow",
    // 0xC0
    "checkcast", "instanceof", "monitorenter", "monitorexit", "wide", "multianewarray", "ifnull",
    "ifnonnull", "goto_w", "jsr_w", "breakpoint", "ldc_quick", "ldc_w_quick", "ldc2_w_quick",
    "getfield_quick", "putfield_quick",
    // 0xD0
    "getfield2_quick", "putfield2_quick", "getstatic_quick", "putstatic_quick", "getstatic2_quick",
    "putstatic2_quick", "invokevirtual_quick", "invokenonvirtual_quick", "invokesuper_quick",
    "invokestatic_quick", "invokeinterface_quick", "invokevirtualobject_quick", "new_quick",
    "anewarray_quick", "multianewarray_quick", "checkcast_quick",
    // 0xE0
    "instanceof_quick", "invokevirtual_quick_w", "getfield_quick_w", "putfield_quick_w",
    nullptr};

const char* JvmOpcodeName(int opcode) {
    if (opcode < 0 || opcode >= JvmOpcodeCount) return "**unknown**";
    return JvmOpcodeNames[opcode];
}

namespace {

bool IsWidenable(uint8_t op) {
    return (op >= opIload && op <= opAload) || (op >= opIstore && op <= opAstore) || op == opRet ||
           op == opIinc;
}

uint32_t FixedLength(uint8_t op) {
    switch (op) {
        case opBipush: case opLdc: case opIload: case opLload: case opFload: case opDload:
        case opAload: case opIstore: case opLstore: case opFstore: case opDstore: case opAstore:
        case opRet: case opNewarray:
            return 2;
        case opSipush: case opLdcW: case opLdc2W: case opIinc: case opNew: case opAnewarray:
        case opCheckcast: case opInstanceof: case opIfnull: case opIfnonnull:
            return 3;
        case opMultianewarray:
            return 4;
        case opInvokeinterface: case opGotoW: case opJsrW:
            return 5;
        default:
            if ((op >= opIfeq && op <= opJsr) || (op >= opGetstatic && op <= opInvokestatic)) return 3;
            return 1;
    }
}

// Length of a switch whose padded operands start at `operands`; 0 if absurd.
uint64_t SwitchLength(const uint8_t* code, uint32_t codeLength, uint32_t pc, bool table) {
    uint64_t operands = (uint64_t(pc) + 4) & ~uint64_t(3);
    uint64_t header = table ? 12 : 8;
    if (operands + header > codeLength) return 0;
    const uint8_t* p = code + operands;
    int64_t entries;
    if (table) {
        int64_t low = ReadS32(p + 4), high = ReadS32(p + 8);
        if (high < low) return 0;
        entries = (high - low + 1) * 4;
    } else {
        int64_t pairs = ReadS32(p + 4);
        if (pairs < 0) return 0;
        entries = pairs * 8;
    }
    return operands + header + uint64_t(entries) - pc;
}

}  // namespace

uint32_t InstructionLengthAt(const uint8_t* code, uint32_t codeLength, uint32_t pc) {
    if (pc >= codeLength) return 0;
    uint8_t op = code[pc];
    uint64_t length;
    if (op == opTableswitch || op == opLookupswitch) {
        length = SwitchLength(code, codeLength, pc, op == opTableswitch);
    } else if (op == opWide) {
        if (pc + 1 >= codeLength || !IsWidenable(code[pc + 1])) return 0;
        length = code[pc + 1] == opIinc ? 6 : 4;
    } else {
        length = FixedLength(op);
    }
    if (length == 0 || uint64_t(pc) + length > codeLength) return 0;
    return uint32_t(length);
}
