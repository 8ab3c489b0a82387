#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An independent reader of ORU images for tests: it parses the header, the
// class and method records, the code and the strings of an image and lists
// every inconsistency it finds. It needs only the image bytes and the facts
// below, which the image itself does not carry.
struct TOruImageFacts {
    std::vector<uint32_t> ClassOffsets;  // class record addresses, class order
    uint32_t MainPrologueBytes = 0;      // initialiser calls in front of main
    bool ZeroStackBase = false;
    uint32_t NativeRowLimit = 49;
};

struct TOruMethodRecord {
    uint32_t Address = 0;
    uint8_t ParameterByte = 0;
    uint8_t LocalBytes = 0;
    uint8_t Flags = 0;
    uint16_t Target = 0;  // code address, or the native row
    uint16_t ExceptionTable = 0;
    bool Native() const { return Flags & 0x80; }
    bool HasHandlers() const { return ParameterByte & 0x80; }
};

struct TOruClassRecord {
    uint32_t Address = 0;
    uint16_t Superclass = 0;
    uint8_t FieldBytes = 0;
    std::vector<TOruMethodRecord> Methods;
};

struct TOruCodeRange {
    uint32_t Start = 0;    // code address (main: its initialiser calls first)
    uint32_t CodeEnd = 0;  // the exception table or the next method
    uint32_t End = 0;      // past the exception table
    uint32_t ExceptionTable = 0;
    std::vector<uint32_t> InstructionStarts;
};

struct TOruString {
    uint32_t Address = 0;
    std::string Text;
};

struct TOruImage {
    uint8_t RunByte = 0, LengthByte = 0, Version = 0, StaticBytes = 0;
    uint16_t MainMethod = 0, ObjectClass = 0, StringClass = 0, ThrowMethod = 0;
    uint16_t StringTable = 0, Callback = 0, OutOfMemoryClass = 0, StackBase = 0;
    uint32_t CodeStart = 0;
    std::vector<TOruClassRecord> Classes;
    std::vector<TOruCodeRange> Code;  // by address
    std::vector<TOruString> Strings;
    std::vector<std::string> Problems;  // empty: the image is consistent

    const TOruClassRecord* ClassAt(uint32_t address) const;
    const TOruMethodRecord* MethodAt(uint32_t address) const;
};

TOruImage CheckOruImage(const std::vector<uint8_t>& image, const TOruImageFacts& facts);

// Problems joined one per line, for test failure output.
std::string ProblemText(const TOruImage& parsed);
