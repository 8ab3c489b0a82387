#pragma once
#include <cstdint>
#include <string>
#include <vector>

class CJavaClass;

// Constant-pool tags of the class-file format.
enum TConstantTag : uint8_t {
    ctUtf8 = 1,
    ctInteger = 3,
    ctFloat = 4,
    ctLong = 5,
    ctDouble = 6,
    ctClass = 7,
    ctString = 8,
    ctFieldref = 9,
    ctMethodref = 10,
    ctInterfaceMethodref = 11,
    ctNameAndType = 12,
};

// Access flags the reader and the linker look at.
constexpr uint16_t accStatic = 0x0008;
constexpr uint16_t accFinal = 0x0010;
constexpr uint16_t accNative = 0x0100;
constexpr uint16_t accAbstract = 0x0400;

// One constant-pool index. Index1 and Index2 together form the high word of
// Integer, Float, Long and Double values (Index1 the upper half).
struct TConstantPoolEntry {
    uint8_t Tag = 0;       // 0: the empty index 0 and the index after a Long or Double
    uint16_t Index1 = 0;   // Class, String: name/text index; member refs: class index;
                           // NameAndType: name index; Utf8: length in bytes
    uint16_t Index2 = 0;   // member refs: name-and-type index; NameAndType: descriptor index
    uint32_t Value = 0;    // Long, Double: the low 32 bits
    std::string Utf8;      // Utf8: the file's bytes, undecoded

    uint32_t HighWord() const { return (uint32_t(Index1) << 16) | Index2; }
};

struct TJavaField {
    uint16_t AccessFlags = 0;
    uint16_t NameIndex = 0;
    uint16_t DescriptorIndex = 0;
    uint16_t AttributeCount = 0;
    uint16_t ConstantValueIndex = 0;  // 0 without a "ConstantValue" attribute
    uint16_t Slot = 0;                // meaningless for a constant field
};

struct TExceptionEntry {
    uint16_t StartPc = 0;
    uint16_t EndPc = 0;
    uint16_t HandlerPc = 0;
    uint16_t CatchType = 0;  // constant-pool Class index, 0 catches everything
};

struct TLocalVariable {
    uint16_t StartPc = 0;
    uint16_t Length = 0;
    uint16_t NameIndex = 0;
    uint16_t DescriptorIndex = 0;
    uint16_t Slot = 0;
};

struct TLineNumber {
    uint16_t StartPc = 0;
    uint16_t Line = 0;
};

struct TJavaMethod {
    uint16_t AccessFlags = 0;
    uint16_t NameIndex = 0;
    uint16_t DescriptorIndex = 0;
    uint16_t MaxStack = 0;
    uint16_t MaxLocals = 0;
    uint32_t CodeLength = 0;
    std::vector<uint8_t> Code;
    std::vector<TExceptionEntry> ExceptionTable;  // file order
    std::vector<TLocalVariable> LocalVariables;   // file order
    std::vector<TLineNumber> LineNumbers;         // by line, ascending; equal lines keep file order
    std::vector<uint16_t> Throws;                 // "Exceptions": Class indexes
    uint16_t ImageOffset = 0;                     // set by the linker: start of the code in the image
    bool HasLocalVariableTable = false;
    bool HasLineNumberTable = false;

    uint16_t ExceptionTableLength() const { return uint16_t(ExceptionTable.size()); }
    uint16_t LocalVariableCount() const { return uint16_t(LocalVariables.size()); }
    uint16_t LineNumberCount() const { return uint16_t(LineNumbers.size()); }
    uint16_t ThrowsCount() const { return uint16_t(Throws.size()); }
};

// One word-slot run of an object, built by Layout (superclasses first).
struct TInstanceField {
    const char* ClassName = "";
    const char* FieldName = "";
    const char* Descriptor = "";
    uint16_t Slot = 0;    // the field's slot in its own class
    uint16_t Offset = 0;  // word offset in an object
    uint16_t Size = 1;    // 2 for "J" and "D"
};

// One virtual-dispatch entry, built by Layout; the linker fills the offsets.
struct TMethodTableEntry {
    const char* ClassName = "";
    const char* MethodName = "";
    const char* Descriptor = "";
    uint16_t ImageOffset = 0;   // image offset of the entry's method record
    uint16_t RecordOffset = 0;  // that record's offset from its class record
    uint8_t InUse = 1;
    CJavaClass* Owner = nullptr;  // class whose method the entry names
    uint16_t OwnerIndex = 0;      // index in the owner's Methods
};

// What a thrown exception handler entry says, with the catch type by name.
struct TExceptionInfo {
    uint16_t StartPc = 0;
    uint16_t EndPc = 0;
    uint16_t HandlerPc = 0;
    const char* CatchClassName = nullptr;  // nullptr: any exception
};
