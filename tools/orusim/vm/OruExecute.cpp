// The instruction set. Instructions are named by the JVM opcode that their
// ORU code stands for; the linker's tables give the image byte of each code.
#include <array>

#include "linker/NativeSignatures.h"
#include "linker/OruInstructionSet.h"
#include "tools/orusim/vm/OruMachine.h"

namespace orusim {

namespace {
// JVM opcode of every image byte that encodes an ORU code, else -1.
std::array<int16_t, 256> BuildDecodeTable() {
    std::array<int16_t, 256> table;
    table.fill(-1);
    for (int code = 0; code < OruCodeCount; ++code)
        table[EncodeOruCode(code)] = static_cast<int16_t>(OruOpcodeList[static_cast<size_t>(code)]);
    return table;
}

const std::array<int16_t, 256>& DecodeTable() {
    static const std::array<int16_t, 256> table = BuildDecodeTable();
    return table;
}

int16_t ToInt(uint16_t value) { return static_cast<int16_t>(value); }
}  // namespace

Outcome OruMachine::Execute() {
    outcome_ = Outcome{};
    at_ = pc_;
    ++executed_;
    ExecuteOpcode(DecodeTable()[memory_.Byte(at_)]);
    return outcome_;
}

void OruMachine::ExecuteOpcode(int opcode) {
    switch (opcode) {
    case 0x00: Next(1); break;                                  // nop (i2s)
    case 0x02: PushInt(-1); Next(1); break;                     // iconst_m1
    case 0x03: case 0x04: case 0x05: case 0x06: case 0x07: case 0x08:
        PushInt(opcode - 0x03); Next(1); break;                 // iconst_0..5 (aconst_null)
    case 0x10: PushInt(S8(1)); Next(2); break;                  // bipush
    case 0x11: PushInt(S16(1)); Next(3); break;                 // sipush
    case 0x12: Push(memory_.Word(static_cast<uint16_t>(header_.stringTable + 2 * U8(1)))); Next(2); break;
    case 0x13: Push(memory_.Word(static_cast<uint16_t>(header_.stringTable + 2 * U8(2)))); Next(3); break;
    case 0x15: Push(Local(U8(1))); Next(2); break;              // iload, aload
    case 0x1A: case 0x1B: case 0x1C: case 0x1D: Push(Local(opcode - 0x1A)); Next(1); break;
    case 0x36: SetLocal(U8(1), Pop()); Next(2); break;          // istore, astore
    case 0x3B: case 0x3C: case 0x3D: case 0x3E: SetLocal(opcode - 0x3B, Pop()); Next(1); break;
    case 0x2E: ArrayLoad(2); break;                             // iaload, aaload, saload
    case 0x33: ArrayLoad(1); break;                             // baload, caload
    case 0x4F: ArrayStore(2); break;                            // iastore, aastore, sastore
    case 0x54: ArrayStore(1); break;                            // bastore, castore
    case 0x57: case 0x58: case 0x59: case 0x5A: case 0x5B: case 0x5C: case 0x5D: case 0x5E: case 0x5F:
        StackShuffle(opcode); Next(1); break;
    case 0x60: case 0x64: case 0x68: case 0x6C: case 0x70: case 0x74: case 0x78: case 0x7A:
    case 0x7C: case 0x7E: case 0x80: case 0x82: case 0x91:
        Arithmetic(opcode); break;
    case 0x84: SetLocal(U8(1), static_cast<uint16_t>(Local(U8(1)) + S8(2))); Next(3); break;  // iinc
    case 0x99: case 0x9A: case 0x9B: case 0x9C: case 0x9D: case 0x9E: case 0x9F: case 0xA0:
    case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5: case 0xA6:
        Compare(opcode); break;
    case 0xA7: Jump(S16(1)); break;                             // goto
    case 0xA8: Push(static_cast<uint16_t>(at_ + 3)); Jump(S16(1)); break;  // jsr
    case 0xA9: pc_ = Local(U8(1)); break;                       // ret
    case 0xAA: TableSwitch(); break;
    case 0xAB: LookupSwitch(); break;
    case 0xAC: Return(true); break;                             // ireturn, areturn
    case 0xB1: Return(false); break;
    case 0xB2: Push(memory_.Word(static_cast<uint16_t>(staticBase_ + U16(1)))); Next(3); break;
    case 0xB3: memory_.SetWord(static_cast<uint16_t>(staticBase_ + U16(1)), Pop()); Next(3); break;
    case 0xB4: {                                                // getfield
        uint16_t object = Pop();
        if (object == 0) return Fault(vfNullPointer);
        Push(memory_.Word(static_cast<uint16_t>(object + U16(1))));
        Next(3);
        break;
    }
    case 0xB5: {                                                // putfield
        uint16_t value = Pop();
        uint16_t object = Pop();
        if (object == 0) return Fault(vfNullPointer);
        memory_.SetWord(static_cast<uint16_t>(object + U16(1)), value);
        Next(3);
        break;
    }
    case 0xB6: InvokeVirtual(); break;
    case 0xB8: Invoke(U16(1)); break;                           // invokestatic, invokespecial
    case 0xBB: NewObject(); break;
    case 0xBC: NewArray(U8(1) ? 1 : 2, 2); break;
    case 0xBD: NewArray(2, 3); break;                              // anewarray
    case 0xBE: {                                                // arraylength
        uint16_t array = Pop();
        if (array == 0) return Fault(vfNullPointer);
        Push(memory_.Word(static_cast<uint16_t>(array + 2)));
        Next(1);
        break;
    }
    case 0xBF: {                                                // athrow
        uint16_t object = Pop();
        if (object == 0) return Fault(vfNullPointer);
        Throw(object, method_ == header_.throwMethod ? faultAt_ : at_);
        break;
    }
    case 0xC0: Next(3); break;                                  // checkcast: no class to check against
    case 0xC1: InstanceOf(); break;
    case 0xC4: Wide(); break;
    default: Undefined(); break;                                // invokeinterface, ldc2_w, no code
    }
}

void OruMachine::StackShuffle(int opcode) {
    uint16_t a = Peek(0), b = Peek(1), c = Peek(2), d = Peek(3);
    switch (opcode) {
    case 0x57: Pop(); break;                                    // pop
    case 0x58: Pop(); Pop(); break;                             // pop2
    case 0x59: Push(a); break;                                  // dup
    case 0x5A: Poke(1, a); Poke(0, b); Push(a); break;          // dup_x1: b a -> a b a
    case 0x5B: Poke(2, a); Poke(1, c); Poke(0, b); Push(a); break;  // dup_x2: c b a -> a c b a
    case 0x5C: Push(b); Push(a); break;                         // dup2
    case 0x5D: Poke(2, b); Poke(1, a); Poke(0, c); Push(b); Push(a); break;  // c b a -> b a c b a
    case 0x5E: Poke(3, b); Poke(2, a); Poke(1, d); Poke(0, c); Push(b); Push(a); break;
    case 0x5F: Poke(0, b); Poke(1, a); break;                   // swap
    }
}

// 16-bit arithmetic: results wrap, division truncates, shift counts are masked to 4 bits.
void OruMachine::Arithmetic(int opcode) {
    if (opcode == 0x74) { PushInt(-PopInt()); Next(1); return; }              // ineg
    if (opcode == 0x91) { PushInt(static_cast<int8_t>(Pop() & 0xFF)); Next(1); return; }  // i2b (i2c)
    int32_t right = PopInt();
    int32_t left = PopInt();
    int32_t result = 0;
    switch (opcode) {
    case 0x60: result = left + right; break;
    case 0x64: result = left - right; break;
    case 0x68: result = left * right; break;
    case 0x6C:
    case 0x70:
        if (right == 0) return Fault(vfArithmetic);
        result = opcode == 0x6C ? left / right : left % right;
        break;
    case 0x78: result = left << (right & 15); break;
    case 0x7A: result = left >> (right & 15); break;
    case 0x7C: result = static_cast<uint16_t>(left) >> (right & 15); break;
    case 0x7E: result = left & right; break;
    case 0x80: result = left | right; break;
    case 0x82: result = left ^ right; break;
    }
    PushInt(result);
    Next(1);
}

void OruMachine::Compare(int opcode) {
    bool taken;
    if (opcode <= 0x9E) {
        int16_t value = PopInt();
        switch (opcode) {
        case 0x99: taken = value == 0; break;
        case 0x9A: taken = value != 0; break;
        case 0x9B: taken = value < 0; break;
        case 0x9C: taken = value >= 0; break;
        case 0x9D: taken = value > 0; break;
        default: taken = value <= 0; break;
        }
    } else {
        int16_t right = PopInt();
        int16_t left = PopInt();
        switch (opcode) {
        case 0x9F: case 0xA5: taken = left == right; break;
        case 0xA0: case 0xA6: taken = left != right; break;
        case 0xA1: taken = left < right; break;
        case 0xA2: taken = left >= right; break;
        case 0xA3: taken = left > right; break;
        default: taken = left <= right; break;
        }
    }
    if (taken) Jump(S16(1));
    else Next(3);
}

// wide, the ORU byte of the widened instruction, a 2-byte local index (and
// iinc's 2-byte increment).
void OruMachine::Wide() {
    int opcode = DecodeTable()[U8(1)];
    uint16_t index = U16(2);
    switch (opcode) {
    case 0x15: Push(Local(index)); Next(4); break;
    case 0x36: SetLocal(index, Pop()); Next(4); break;
    case 0xA9: pc_ = Local(index); break;
    case 0x84: SetLocal(index, static_cast<uint16_t>(Local(index) + S16(4))); Next(6); break;
    default: Undefined(); break;
    }
}

// Compact forms: after the opcode, default - 1, then the values; targets are
// relative to the opcode, one more than the stored offset.
void OruMachine::TableSwitch() {
    int32_t key = PopInt();
    int32_t low = S16(3);
    int32_t span = U16(5);
    int32_t offset = S16(1);
    if (key >= low && key - low <= span) offset = S16(7 + 2 * (key - low));
    Jump(offset + 1);
}

void OruMachine::LookupSwitch() {
    int16_t key = PopInt();
    int32_t pairs = U16(3);
    int32_t offset = S16(1);
    for (int32_t i = 0; i < pairs; ++i) {
        if (S16(5 + 4 * i) == key) {
            offset = S16(7 + 4 * i);
            break;
        }
    }
    Jump(offset + 1);
}

bool OruMachine::ArrayElement(uint16_t array, int index, int elementBytes, uint16_t& address) {
    if (array == 0) {
        Fault(vfNullPointer);
        return false;
    }
    if (index < 0 || index >= ToInt(memory_.Word(static_cast<uint16_t>(array + 2)))) {
        Fault(vfArrayIndexOutOfBounds);
        return false;
    }
    address = static_cast<uint16_t>(array + 4 + elementBytes * index);
    return true;
}

// Byte arrays (boolean, byte, char) load sign-extended, as baload.
void OruMachine::ArrayLoad(int elementBytes) {
    int index = PopInt();
    uint16_t array = Pop();
    uint16_t address = 0;
    if (!ArrayElement(array, index, elementBytes, address)) return;
    if (elementBytes == 1) PushInt(static_cast<int8_t>(memory_.Byte(address)));
    else Push(memory_.Word(address));
    Next(1);
}

void OruMachine::ArrayStore(int elementBytes) {
    uint16_t value = Pop();
    int index = PopInt();
    uint16_t array = Pop();
    uint16_t address = 0;
    if (!ArrayElement(array, index, elementBytes, address)) return;
    if (elementBytes == 1) memory_.SetByte(address, static_cast<uint8_t>(value));
    else memory_.SetWord(address, value);
    Next(1);
}

void OruMachine::NewObject() {
    uint16_t classRecord = U16(1);
    uint16_t object = 0;
    if (!Allocate(ObjectBytes(classRecord), object, InGrace())) return ThrowOutOfMemory();
    memory_.SetWord(object, classRecord);
    Push(object);
    Next(3);
}

// An array: the class record of Object, the length, the elements.
void OruMachine::NewArray(int elementBytes, int length) {
    int count = PopInt();
    if (count < 0) return Fault(vfNegativeArraySize);
    uint16_t array = 0;
    if (!Allocate(4 + elementBytes * count, array, InGrace())) return ThrowOutOfMemory();
    memory_.SetWord(array, header_.objectClass);
    memory_.SetWord(static_cast<uint16_t>(array + 2), static_cast<uint16_t>(count));
    Push(array);
    Next(length);
}

void OruMachine::InstanceOf() {
    uint16_t object = Pop();
    PushInt(object != 0 && IsKindOf(memory_.Word(object), U16(1)) ? 1 : 0);
    Next(3);
}

}  // namespace orusim

