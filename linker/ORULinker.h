#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "foundation/CObject.h"
#include "linker/ClassFinder.h"
#include "linker/JavaClass.h"
#include "linker/NativeMethodTable.h"

// One string constant of the program; equal texts share one record.
struct TStringRecord {
    uint32_t DataOffset = 0;  // image offset of its data record
    const char* Text = "";    // the class file's Utf8 text (not a copy)
    uint32_t Length = 0;      // bytes of the text
    CJavaClass* FirstClass = nullptr;
    uint32_t ConstantIndex = 0;  // of the String constant in FirstClass
    uint32_t Number = 0;
};

// One static-field slot.
struct TStaticSlot {
    int FieldIndex = 0;
    CJavaClass* Class = nullptr;
};

// The linker and the linked program: loads a main class and everything it
// needs along a class path, lays them out and emits the ORU image. After Link
// it answers the debugger's and the device link's queries.
class CORULinker : public CObject, public IClassFinder {
public:
    static constexpr int MaxClasses = 255;
    static constexpr int MaxStaticSlots = 128;
    static constexpr int MaxStrings = 128;
    static constexpr int MaxImageSize = 65535;
    static constexpr int HeaderSize = 20;
    static constexpr int ClassRecordHeaderSize = 3;
    static constexpr int MethodRecordSize = 7;
    static constexpr int InitialiserCallSize = 3;
    static constexpr int ExceptionEntrySize = 8;
    static constexpr int StringRecordHeaderSize = 10;

    CORULinker();
    ~CORULinker() override;
    CORULinker(const CORULinker&) = delete;
    CORULinker& operator=(const CORULinker&) = delete;

    // Links the main class ("/" form) along the ";"-separated class path into
    // the image. Throws EError.
    void Link(const char* mainClassName, const char* classPath);

    // --- classes (FindClass and GetClassIndex load a class not yet linked)
    CJavaClass* FindClass(const std::string& name) override;
    int GetClassIndex(const std::string& name);
    uint32_t GetClassOffset(const CJavaClass* javaClass) const;  // IDE-19
    int GetClassCount() const { return int(Classes.size()); }
    CJavaClass* GetClass(int index) const { return Classes[index].Class.get(); }
    // The linked class of that name, nullptr when none.
    CJavaClass* FindLinkedClass(const char* name) const;

    // --- layout facts
    int GetMainPrologueSize(const CJavaClass* javaClass, int method) const;
    bool IsStaticMethod(CJavaClass* javaClass, const char* name, const char* descriptor) const;
    bool FindString(const char* text, int count) const;
    // Byte offset in an object of an instance field (after the class word):
    // what getfield and putfield carry, and where the debugger reads it.
    static uint16_t GetFieldObjectOffset(const CJavaClass* javaClass, const char* name,
                                         const char* descriptor);
    int GetInitialiserCount() const { return InitialiserCount; }
    const std::vector<uint32_t>& GetInitialisers() const { return Initialisers; }
    int GetStaticCount() const { return int(StaticTable.size()); }
    const std::vector<TStaticSlot>& GetStaticTable() const { return StaticTable; }
    int GetStringCount() const { return int(Strings.size()); }
    const TStringRecord& GetString(int number) const { return Strings[number]; }
    uint32_t GetStringTableOffset() const { return StringTableOffset; }
    const CJavaClass* GetMainMethodClass() const { return MainMethodClass; }
    int GetMainMethodIndex() const { return MainMethodIndex; }
    const TNativeMethodRow* GetNativeTable() const { return NativeTable; }

    // --- the image
    const uint8_t* GetImage() const { return Image.empty() ? nullptr : Image.data(); }
    uint8_t* GetImage() { return Image.empty() ? nullptr : Image.data(); }
    int GetImageSize() const { return ImageSize; }

    // --- queries on the linked program
    CJavaClass* FindClassByOffset(uint32_t classOffset) const;                // IDE-29
    int FindMethodByOffset(uint32_t recordOffset, CJavaClass*& owner) const;  // IDE-15
    std::string TranslatePC(uint32_t address, int& line, int& pc) const;      // IDE-16, JVM-26
    int FindBreakableLine(const std::string& sourcePath, int line) const;     // IDE-19, IDE-20
    uint32_t FindBreakpointAddress(const std::string& sourcePath, int line) const;
    const TStringRecord& FindStringIndex(const CJavaClass* javaClass, int constantIndex) const;
    uint32_t GetClassCodeSize(int index) const { return Classes[index].CodeSize; }
    uint32_t GetClassStringsSize(int index) const { return Classes[index].StringsSize; }
    int GetStringAreaStart() const { return StringAreaStart; }
    int GetStringAreaSize() const { return StringAreaSize; }
    int GetStaticAreaSize() const { return StaticAreaSize; }
    int GetStackOffset() const { return StackBase; }

    // --- instruction set
    static uint8_t JvmToOruOpcode(int jvmOpcode);  // JVM-30
    // The JVM opcode an image byte names; -1 for a byte that names no code.
    static int OruToJvmOpcode(uint8_t imageByte);
    int FindNativeMethod(const char* className, const char* methodName) const;  // LNK-4

private:
    friend struct CORULinkerPasses;  // the benchmark times the passes one by one

    struct TLinkedClass {
        std::unique_ptr<CJavaClass> Class;
        bool Resolved = false;
        uint32_t Offset = 0;
        uint32_t CodeSize = 0;
        uint32_t StringsSize = 0;
    };

    // Linking pass
    void LinkingPass();
    void ResolveAll();
    void ResolveClass(CJavaClass* javaClass);
    void ResolveInstruction(CJavaClass* javaClass, int method, const uint8_t* code, uint32_t pc);
    CJavaClass* LoadNeededClass(const char* name);
    void AddStringConstant(CJavaClass* javaClass, int method, int constantIndex);
    static TStringRecord NewStringRecord(CJavaClass* javaClass, int constantIndex, size_t number);
    CJavaClass* LoadClass(const std::string& name);
    void NumberStaticSlots();
    void CollectInitialisers(bool withOffsets);
    int FindMainMethod();
    const TMethodTableEntry* FindClinit(CJavaClass* javaClass) const;

    // Layout pass
    void ComputeOffsets();
    void LayoutStrings();
    int IndexOfClass(const CJavaClass* javaClass) const;
    uint32_t LinkedClassOffset(const char* name) const;  // IDE-48 when not linked
    const CJavaClass* RequireLinkedClass(const char* name) const;  // IDE-48 when not linked

    // Output pass
    void OutputPass();
    void WriteHeader();
    void WriteClassRecord(int index);
    void WriteMethodRecord(const TMethodTableEntry& entry);
    void WriteClassCode(int index);
    void WriteMethodCode(CJavaClass* javaClass, int method);
    void WriteInitialiserCalls();
    void TranslateMethod(CJavaClass* javaClass, int method);
    void TranslateInstruction(CJavaClass* javaClass, int method, uint32_t pc, uint32_t length);
    void WriteOperands(CJavaClass* javaClass, uint8_t opcode, const uint8_t* at, uint32_t pc,
                       uint32_t length);
    void WriteInvokeVirtualOperands(CJavaClass* javaClass, const uint8_t* at);
    void WriteCompactSwitch(uint8_t opcode, const uint8_t* code, uint32_t pc, uint32_t length);
    void WriteExceptionTable(CJavaClass* javaClass, int method);
    void WriteStrings();
    void SetLengthByte();
    void WriteImageFiles() const;

    // Bytes and listing
    void EmitByte(uint8_t value, const char* format, ...) __attribute__((format(printf, 3, 4)));
    void EmitValue(uint8_t value, const std::string& text);
    void EmitCode(uint8_t value, const std::string& text);
    void EmitWord(uint16_t value, const std::string& label, bool aligned);
    void EmitCodeWord(uint16_t value, const std::string& hiText, const std::string& loText);
    void EmitOperandWord(uint16_t value);
    void EmitCountByte(unsigned value, const std::string& text);
    // A program beyond a limit of the image: names what, the count and the
    // limit in a message line, then raises IDE-48.
    [[noreturn]] static void RaiseLimit(const std::string& what, unsigned count, const char* unit, unsigned limit);
    void ListingPrintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void WriteNativeTableListing();
    void WriteOpcodeListing();
    void CloseListing();

    CJavaClass* MainClass = nullptr;
    std::string ClassPath;
    std::vector<TLinkedClass> Classes;
    std::vector<TStaticSlot> StaticTable;
    int InitialiserCount = 0;
    std::vector<uint32_t> Initialisers;
    FILE* ListingFile = nullptr;
    std::vector<uint8_t> Image;
    int ImageSize = 0;
    int WritePosition = 0;
    std::vector<TStringRecord> Strings;
    uint32_t StringTableOffset = 0;
    int StackBase = 0;
    int StringAreaStart = 0;
    int StringAreaSize = 0;
    int StaticAreaSize = 0;
    const TNativeMethodRow* NativeTable = NativeMethodTable;
    CJavaClass* MainMethodClass = nullptr;
    int MainMethodIndex = -1;
    int MainMethodCount = 0;
    int LinkedClassCount = 0;  // classes with a place in the image
};

// The most recently constructed linker, nullptr once it is deleted.
extern CORULinker* CurrentLinker;
