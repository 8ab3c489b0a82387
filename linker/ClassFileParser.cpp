#include "linker/ClassFileParser.h"

#include <algorithm>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ClassFileReader.h"
#include "linker/JavaClass.h"

namespace {

constexpr uint32_t ClassFileMagic = 0xCAFEBABE;
constexpr uint32_t MaxCodeLength = 65535;  // pcs are 16-bit everywhere

[[noreturn]] void FailCorrupt(const std::string& name) { throw EError(ecJVM, 20, name.c_str()); }

class CParser {
public:
    CParser(CJavaClass& c, const std::string& bytes)
        : c_(c),
          in_(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), c.Name, FailCorrupt),
          trace_(JobOptions().debugClassLoader) {}

    void Parse() {
        ReadHeader();
        ReadConstantPool();
        CheckConstantPool();
        ReadClassInfo();
        ReadFields();
        ReadMethods();
        if (trace_) DebugPrintf("ClassLoader: ignoring any class attributes\n");
    }

private:
    CJavaClass& c_;
    CClassFileReader in_;
    bool trace_;

    [[noreturn]] void Corrupt() const { FailCorrupt(c_.Name); }

    bool IsTag(uint16_t index, uint8_t tag) const {
        return index > 0 && index < c_.ConstantPool.size() && c_.ConstantPool[index].Tag == tag;
    }
    void Require(uint16_t index, uint8_t tag) const {
        if (!IsTag(index, tag)) Corrupt();
    }
    // A count of records of at least `recordSize` bytes each that must fit
    // in what is left of `in`.
    uint16_t Count(CClassFileReader& in, size_t recordSize) const {
        uint16_t count = in.U2();
        if (size_t(count) * recordSize > in.Remaining()) Corrupt();
        return count;
    }

    const char* Utf8(uint16_t index) const {
        Require(index, ctUtf8);
        return c_.ConstantPool[index].Utf8.c_str();
    }

    void ReadHeader() {
        if (in_.U4() != ClassFileMagic) throw EError(ecJVM, 18, c_.Name.c_str());
        uint16_t minor = in_.U2();
        uint16_t major = in_.U2();
        if (trace_) DebugPrintf("ClassLoader: class file version %d.%d\n", major, minor);
        if (major != 45 || minor >= 4) throw EError(ecJVM, 19, c_.Name.c_str());
    }

    void ReadConstantPool() {
        c_.ConstantPoolCount = in_.U2();
        if (trace_) DebugPrintf("ClassLoader: %d entries in constant pool\n", c_.ConstantPoolCount);
        if (c_.ConstantPoolCount > 0 && size_t(c_.ConstantPoolCount - 1) * 3 > in_.Remaining()) Corrupt();
        c_.ConstantPool.assign(std::max<size_t>(c_.ConstantPoolCount, 1), TConstantPoolEntry());
        for (size_t i = 1; i < c_.ConstantPoolCount; ++i) {
            TConstantPoolEntry& e = c_.ConstantPool[i];
            e.Tag = in_.U1();
            switch (e.Tag) {
                case ctClass:
                case ctString:
                    e.Index1 = in_.U2();
                    break;
                case ctFieldref:
                case ctMethodref:
                case ctInterfaceMethodref:
                case ctNameAndType:
                    e.Index1 = in_.U2();
                    e.Index2 = in_.U2();
                    break;
                case ctInteger:
                case ctFloat:
                    SetHighWord(e, in_.U4());
                    break;
                case ctLong:
                case ctDouble:
                    SetHighWord(e, in_.U4());
                    e.Value = in_.U4();
                    if (++i >= c_.ConstantPoolCount) Corrupt();  // its second index is missing
                    break;
                case ctUtf8: {
                    e.Index1 = in_.U2();
                    const uint8_t* text = in_.Bytes(e.Index1);
                    e.Utf8.assign(reinterpret_cast<const char*>(text), e.Index1);
                    break;
                }
                default:
                    throw EError(ecJVM, 21, int(e.Tag), c_.Name.c_str());
            }
        }
    }

    static void SetHighWord(TConstantPoolEntry& e, uint32_t word) {
        e.Index1 = uint16_t(word >> 16);
        e.Index2 = uint16_t(word);
    }

    // Every reference inside the pool names an entry of the kind it needs.
    void CheckConstantPool() const {
        for (const TConstantPoolEntry& e : c_.ConstantPool) {
            switch (e.Tag) {
                case ctClass:
                case ctString:
                    Require(e.Index1, ctUtf8);
                    break;
                case ctFieldref:
                case ctMethodref:
                case ctInterfaceMethodref:
                    Require(e.Index1, ctClass);
                    Require(e.Index2, ctNameAndType);
                    break;
                case ctNameAndType:
                    Require(e.Index1, ctUtf8);
                    Require(e.Index2, ctUtf8);
                    break;
                default:
                    break;
            }
        }
    }

    void ReadClassInfo() {
        c_.AccessFlags = in_.U2();
        c_.ThisClass = in_.U2();
        c_.SuperClass = in_.U2();
        Require(c_.ThisClass, ctClass);
        if (c_.SuperClass != 0) Require(c_.SuperClass, ctClass);
        if (c_.Name != c_.GetClassName()) throw EError(ecJVM, 18, c_.Name.c_str());
        uint16_t interfaces = in_.U2();
        if (trace_) DebugPrintf("ClassLoader: %d interfaces\n", interfaces);
        if (interfaces > 0) throw EError(ecJVM, 32);
    }

    void ReadFields() {
        uint16_t count = in_.U2();
        if (trace_ && count != 0) DebugPrintf("ClassLoader: %d fields\n", count);
        if (size_t(count) * 8 > in_.Remaining()) Corrupt();
        c_.Fields.resize(count);
        uint16_t staticSlots = 0;
        uint16_t instanceSlots = 0;
        for (int f = 0; f < count; ++f) {
            TJavaField& field = c_.Fields[f];
            field.AccessFlags = in_.U2();
            field.NameIndex = in_.U2();
            field.DescriptorIndex = in_.U2();
            field.AttributeCount = in_.U2();
            const char* name = Utf8(field.NameIndex);
            const char* descriptor = Utf8(field.DescriptorIndex);
            if (trace_) DebugPrintf("ClassLoader: field: `%s' of type %s\n", name, descriptor);
            for (int a = 0; a < field.AttributeCount; ++a) ReadFieldAttribute(field);
            if (c_.IsConstantField(f)) continue;
            field.Slot = c_.IsFieldStatic(f) ? staticSlots++ : instanceSlots++;
        }
    }

    void ReadFieldAttribute(TJavaField& field) {
        const char* name = Utf8(in_.U2());
        CClassFileReader body = in_.Sub(in_.U4());
        if (std::strcmp(name, "ConstantValue") == 0) {
            field.ConstantValueIndex = body.U2();
            uint8_t tag = c_.GetConstantTag(field.ConstantValueIndex);
            if (tag != ctInteger && tag != ctFloat && tag != ctLong && tag != ctDouble && tag != ctString)
                Corrupt();
        } else if (trace_) {
            DebugPrintf("ClassLoader: skipping unknown attribute `%s'\n", name);
        }
    }

    void ReadMethods() {
        uint16_t count = in_.U2();
        if (trace_) DebugPrintf("ClassLoader: %d methods\n", count);
        if (size_t(count) * 8 > in_.Remaining()) Corrupt();
        c_.Methods.resize(count);
        for (TJavaMethod& method : c_.Methods) {
            method.AccessFlags = in_.U2();
            method.NameIndex = in_.U2();
            method.DescriptorIndex = in_.U2();
            uint16_t attributes = in_.U2();
            const char* name = Utf8(method.NameIndex);
            const char* descriptor = Utf8(method.DescriptorIndex);
            if (trace_) DebugPrintf("ClassLoader: method: `%s' of type %s\n", name, descriptor);
            bool seenCode = false;
            for (int a = 0; a < attributes; ++a) ReadMethodAttribute(method, seenCode);
            if (!seenCode && (method.AccessFlags & (accNative | accAbstract)) == 0) {
                // The catalogue's text names neither the class nor the method.
                DebugPrintf("ClassLoader: no `Code' attribute for method `%s.%s%s'\n", c_.Name.c_str(), name,
                            descriptor);
                throw EError(ecJVM, 13);
            }
            std::stable_sort(method.LineNumbers.begin(), method.LineNumbers.end(),
                             [](const TLineNumber& x, const TLineNumber& y) { return x.Line < y.Line; });
        }
    }

    void ReadMethodAttribute(TJavaMethod& method, bool& seenCode) {
        const char* name = Utf8(in_.U2());
        CClassFileReader body = in_.Sub(in_.U4());
        if (std::strcmp(name, "Code") == 0) {
            if (seenCode) Corrupt();  // a second body would mix with the first one's tables
            seenCode = true;
            ReadCode(method, body);
        } else if (std::strcmp(name, "Exceptions") == 0) {
            method.Throws.resize(Count(body, 2));
            for (uint16_t& index : method.Throws) {
                index = body.U2();
                Require(index, ctClass);
            }
        } else if (trace_) {
            DebugPrintf("ClassLoader: skipping unknown attribute `%s'\n", name);
        }
    }

    void ReadCode(TJavaMethod& method, CClassFileReader& body) {
        method.MaxStack = body.U2();
        method.MaxLocals = body.U2();
        uint32_t length = body.U4();
        if (length > MaxCodeLength) Corrupt();
        const uint8_t* code = body.Bytes(length);
        method.Code.assign(code, code + length);
        method.CodeLength = length;
        method.ExceptionTable.resize(Count(body, 8));
        for (TExceptionEntry& entry : method.ExceptionTable) {
            entry.StartPc = body.U2();
            entry.EndPc = body.U2();
            entry.HandlerPc = body.U2();
            entry.CatchType = body.U2();
            if (entry.StartPc >= entry.EndPc || entry.EndPc > length || entry.HandlerPc >= length)
                Corrupt();
            if (entry.CatchType != 0) Require(entry.CatchType, ctClass);
        }
        uint16_t attributes = body.U2();
        for (int a = 0; a < attributes; ++a) ReadCodeAttribute(method, body);
    }

    void ReadCodeAttribute(TJavaMethod& method, CClassFileReader& body) {
        const char* name = Utf8(body.U2());
        uint32_t length = body.U4();
        CClassFileReader attribute = body.Sub(length);
        if (std::strcmp(name, "LocalVariableTable") == 0) {
            ReadLocalVariables(method, attribute);
        } else if (std::strcmp(name, "LineNumberTable") == 0) {
            ReadLineNumbers(method, attribute);
        } else if (trace_) {
            DebugPrintf("ClassLoader: skipping unknown Code attribute `%s' of length %d\n", name,
                        int(length));
        }
    }

    void ReadLocalVariables(TJavaMethod& method, CClassFileReader& in) {
        uint16_t count = Count(in, 10);
        method.HasLocalVariableTable = true;
        for (int i = 0; i < count; ++i) {
            TLocalVariable v;
            v.StartPc = in.U2();
            v.Length = in.U2();
            v.NameIndex = in.U2();
            v.DescriptorIndex = in.U2();
            v.Slot = in.U2();
            Utf8(v.NameIndex);
            Utf8(v.DescriptorIndex);
            method.LocalVariables.push_back(v);
        }
    }

    void ReadLineNumbers(TJavaMethod& method, CClassFileReader& in) {
        uint16_t count = Count(in, 4);
        method.HasLineNumberTable = true;
        for (int i = 0; i < count; ++i) {
            TLineNumber entry;
            entry.StartPc = in.U2();
            entry.Line = in.U2();
            if (entry.StartPc >= method.CodeLength) Corrupt();
            method.LineNumbers.push_back(entry);
        }
    }
};

}  // namespace

void ParseClassFile(CJavaClass& javaClass, const std::string& bytes) {
    CParser(javaClass, bytes).Parse();
}
