#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Compiled Java classes as the library checks see them: the constant pool,
// fields, methods and their bytecode, read by the linker's class reader.
struct TClassFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TConstant {
    uint8_t Tag = 0;
    uint16_t Index1 = 0;  // Class, String: name/text; references: class
    uint16_t Index2 = 0;  // references: name-and-type; NameAndType: descriptor
    int64_t Value = 0;    // Integer, Long
    std::string Text;     // Utf8
};

struct TMember {
    uint16_t AccessFlags = 0;
    std::string Name;
    std::string Descriptor;
    uint16_t ConstantValueIndex = 0;
    std::vector<uint8_t> Code;  // methods with a body
};

struct TClassFile {
    uint16_t Minor = 0;
    uint16_t Major = 0;
    std::vector<TConstant> Pool;
    uint16_t AccessFlags = 0;
    std::string Name;
    std::string SuperName;  // empty for java/lang/Object
    std::vector<TMember> Fields;
    std::vector<TMember> Methods;

    const std::string& Utf8(uint16_t index) const;
    std::string ClassNameAt(uint16_t index) const;
    // Class, member name and descriptor of a field or method reference.
    void Reference(uint16_t index, std::string& className, std::string& name,
                   std::string& descriptor) const;
    const TMember* FindMethod(const std::string& name, const std::string& descriptor) const;
};

constexpr uint16_t kAccStatic = 0x0008;
constexpr uint16_t kAccFinal = 0x0010;
constexpr uint16_t kAccNative = 0x0100;

// `name` in "/" form; empty: the file name's stem.
TClassFile ReadClassFile(const std::string& path, const std::string& name = "");

// Length of the instruction at pc; throws when it does not fit.
size_t InstructionLength(const std::vector<uint8_t>& code, size_t pc);
