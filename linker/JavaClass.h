#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/CObject.h"
#include "linker/ClassFinder.h"
#include "linker/JavaClassTypes.h"

// One Java class file (version 45.0 to 45.3) in memory: what the linker and
// the debugger use of it. Every EError is thrown, never returned.
class CJavaClass : public CObject {
public:
    static constexpr uint32_t JavaClassTag = 1794;

    // `name` in "/" form; `classPath` holds directories separated by ";".
    CJavaClass(const std::string& name, const std::string& classPath);
    ~CJavaClass() override;
    CJavaClass(const CJavaClass&) = delete;
    CJavaClass& operator=(const CJavaClass&) = delete;

    // Finds and reads the class file: JVM-13, JVM-17 to JVM-21, JVM-32. A
    // failed load leaves the object unloaded.
    void Load();
    void Unload();
    // Lays the class out after its superclass (taken from `linker`).
    void Layout(IClassFinder& linker);

    // --- constant pool (an index that names no entry of the asked kind: JVM-20)
    const char* GetUtf8(int index) const;
    const char* GetClassName() const;       // this class, "/" form
    const char* GetSuperClassName() const;  // "" for java/lang/Object
    const char* GetName() const;            // DottedName
    const std::string& GetClassFilePath() const { return ClassFilePath; }
    const std::string& GetSourceName();
    uint16_t GetClassConstantIndex1(int index) const;      // name index
    uint16_t GetStringConstantIndex1(int index) const;     // text index
    uint16_t GetFieldrefConstantIndex1(int index) const;   // class index
    uint16_t GetMethodrefConstantIndex1(int index) const;  // class index
    uint16_t GetInterfaceMethodrefConstantIndex1(int index) const;
    uint16_t GetFieldrefNameIndex(int index) const;  // name index of its NameAndType
    uint16_t GetMethodrefNameIndex(int index) const;
    uint16_t GetInterfaceMethodrefNameIndex(int index) const;
    uint16_t GetFieldrefDescriptorIndex(int index) const;
    uint16_t GetMethodrefDescriptorIndex(int index) const;
    uint16_t GetInterfaceMethodrefDescriptorIndex(int index) const;
    const char* GetClassConstantName(int index) const;  // text of a Class entry
    const char* GetStringConstantText(int index) const; // text of a String entry
    uint8_t GetConstantTag(int index) const;            // 0 for an empty or bad index
    int GetConstantPoolCount() const { return ConstantPoolCount; }

    // --- fields
    int GetFieldCount() const { return int(Fields.size()); }
    const char* GetFieldName(int f) const;
    const char* GetFieldDescriptor(int f) const;
    bool IsFieldStatic(int f) const;
    // A static final primitive field with a ConstantValue: no slot, no place
    // in objects, its uses are compiled as constants.
    bool IsConstantField(int f) const;
    uint16_t GetFieldSlot(int f) const;
    void SetFieldSlot(int f, uint16_t slot);
    int GetFieldSize(int f) const;  // 2 for "J"/"D", else 1
    int FindField(const char* name) const;  // JVM-14
    int CountOwnInstanceFields() const;

    // --- methods
    int GetMethodCount() const { return int(Methods.size()); }
    const char* GetMethodName(int m) const;
    const char* GetMethodDescriptor(int m) const;
    bool IsMethodStatic(int m) const;
    bool IsMethodNative(int m) const;
    int GetMaxLocals(int m) const;
    uint32_t GetCodeLength(int m) const;
    const uint8_t* GetCode(int m) const;
    uint16_t GetMethodImageOffset(int m) const;
    void SetMethodImageOffset(int m, uint16_t offset);
    int GetExceptionCount(int m) const;
    TExceptionInfo GetExceptionEntry(int m, int i) const;
    int FindMethod(const char* name, const char* descriptor) const;  // JVM-14

    // --- layout tables
    int GetInstanceFieldCount() const { return int(InstanceFields.size()); }
    int GetMethodTableCount() const { return int(MethodTable.size()); }
    uint16_t GetLinkedFieldOffset(const char* name, const char* descriptor) const;  // JVM-28
    uint16_t GetLinkedMethodOffset(const char* name, const char* descriptor) const;  // JVM-31
    uint16_t GetLinkedMethodRecordOffset(const char* name, const char* descriptor) const;
    int GetLinkedMethodIndex(const char* name, const char* descriptor) const;

    // --- descriptors
    int CountArgumentWords(int m) const;  // JVM-22
    static std::string TypeName(const char* descriptor);  // JVM-25

    // --- line numbers and breakable lines
    int GetLineForPc(int m, uint32_t address) const;  // JVM-26
    int FindBreakableLine(int line) const;             // IDE-20
    uint32_t FindBreakableAddress(int line, int& method) const;  // IDE-20
    void RelocateLineTable(int m, int offset);

    // --- local variables (JVM-24 without a table, JVM-27 without a match)
    const char* GetLocalVariableName(int m, int slot, uint32_t pc) const;
    const char* GetLocalVariableNameAnyPc(int m, int slot) const;
    const char* GetLocalVariableDescriptor(int m, int slot, uint32_t pc) const;
    int FindLocalVariable(int m, int slot, uint32_t pc) const;
    bool IsLocalVariableInScope(int m, int slot, uint32_t pc) const;

    // --- bytecode
    // Comment text of the code byte at pc: the instruction for its first byte
    // (returns its length), "" for an operand byte (returns 0). JVM-23.
    int ListBytecode(int m, uint32_t pc, std::string& text);
    // Text of a constant-pool entry, cut to `limit` characters.
    std::string ConstantText(int index, size_t limit = std::string::npos) const;
    int InstructionLength(int m, uint32_t pc) const;  // JVM-23 when it does not fit
    // The code at pc; pc moves past the instruction. JVM-23.
    const uint8_t* NextInstruction(int m, uint32_t& pc) const;

    // Data the linker and the debugger read directly.
    bool Loaded = false;
    std::string Name;         // as passed in, "/" form
    std::string DottedName;
    std::string ClassPath;
    std::string ClassFilePath;
    std::string SourceName;   // made on first request
    std::vector<TConstantPoolEntry> ConstantPool;  // index 0 empty
    uint16_t ConstantPoolCount = 0;
    uint16_t AccessFlags = 0;
    uint16_t ThisClass = 0;
    uint16_t SuperClass = 0;  // 0 for java/lang/Object
    uint16_t InterfaceCount = 0;
    std::vector<TJavaField> Fields;
    std::vector<TJavaMethod> Methods;
    std::vector<TMethodTableEntry> MethodTable;
    std::vector<TInstanceField> InstanceFields;
    bool LaidOut = false;
    int32_t ListPc = -1;
    int32_t ListMethod = -1;
    int32_t ListPending = 0;

private:
    bool LayingOut = false;  // guards against a superclass cycle
    bool SourceNameMade = false;

    const TConstantPoolEntry& Entry(int index, uint8_t tag) const;
    const TJavaField& Field(int f) const;
    const TJavaMethod& Method(int m) const;
    const TJavaMethod& MethodWithLocals(int m) const;
    const TLocalVariable* MatchLocal(int m, int slot, uint32_t pc, bool anyPc) const;
    const TLocalVariable& RequireLocal(int m, int slot, uint32_t pc, bool anyPc) const;
    const TMethodTableEntry& LinkedMethod(const char* name, const char* descriptor) const;
    bool FindBreakable(int line, int limit, int& bestLine, uint32_t& bestPc, int& bestMethod) const;
};
