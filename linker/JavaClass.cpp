#include "linker/JavaClass.h"

#include <algorithm>
#include <cstring>

#include "foundation/EError.h"

CJavaClass::CJavaClass(const std::string& name, const std::string& classPath)
    : CObject(JavaClassTag), Name(name), DottedName(name), ClassPath(classPath) {
    std::replace(DottedName.begin(), DottedName.end(), '/', '.');
}

CJavaClass::~CJavaClass() {
    if (Loaded) Unload();
}

void CJavaClass::Unload() {
    ConstantPool.clear();
    ConstantPoolCount = 0;
    Fields.clear();
    Methods.clear();
    InterfaceCount = 0;
    // The layout tables point into the constant pool: they go with it.
    MethodTable.clear();
    InstanceFields.clear();
    LaidOut = false;
    Loaded = false;
}

const TConstantPoolEntry& CJavaClass::Entry(int index, uint8_t tag) const {
    if (index <= 0 || size_t(index) >= ConstantPool.size() || ConstantPool[index].Tag != tag)
        throw EError(ecJVM, 20, Name.c_str());
    return ConstantPool[index];
}

const TJavaField& CJavaClass::Field(int f) const {
    if (f < 0 || size_t(f) >= Fields.size()) throw EError(ecJVM, 20, Name.c_str());
    return Fields[f];
}

const TJavaMethod& CJavaClass::Method(int m) const {
    if (m < 0 || size_t(m) >= Methods.size()) throw EError(ecJVM, 20, Name.c_str());
    return Methods[m];
}

uint8_t CJavaClass::GetConstantTag(int index) const {
    if (index <= 0 || size_t(index) >= ConstantPool.size()) return 0;
    return ConstantPool[index].Tag;
}

const char* CJavaClass::GetUtf8(int index) const { return Entry(index, ctUtf8).Utf8.c_str(); }

const char* CJavaClass::GetClassConstantName(int index) const {
    return GetUtf8(Entry(index, ctClass).Index1);
}

const char* CJavaClass::GetStringConstantText(int index) const {
    return GetUtf8(Entry(index, ctString).Index1);
}

const char* CJavaClass::GetClassName() const { return GetClassConstantName(ThisClass); }

const char* CJavaClass::GetSuperClassName() const {
    return SuperClass == 0 ? "" : GetClassConstantName(SuperClass);
}

const char* CJavaClass::GetName() const { return DottedName.c_str(); }

uint16_t CJavaClass::GetClassConstantIndex1(int index) const { return Entry(index, ctClass).Index1; }
uint16_t CJavaClass::GetStringConstantIndex1(int index) const {
    return Entry(index, ctString).Index1;
}
uint16_t CJavaClass::GetFieldrefConstantIndex1(int index) const {
    return Entry(index, ctFieldref).Index1;
}
uint16_t CJavaClass::GetMethodrefConstantIndex1(int index) const {
    return Entry(index, ctMethodref).Index1;
}
uint16_t CJavaClass::GetInterfaceMethodrefConstantIndex1(int index) const {
    return Entry(index, ctInterfaceMethodref).Index1;
}

uint16_t CJavaClass::GetFieldrefNameIndex(int index) const {
    return Entry(Entry(index, ctFieldref).Index2, ctNameAndType).Index1;
}
uint16_t CJavaClass::GetMethodrefNameIndex(int index) const {
    return Entry(Entry(index, ctMethodref).Index2, ctNameAndType).Index1;
}
uint16_t CJavaClass::GetInterfaceMethodrefNameIndex(int index) const {
    return Entry(Entry(index, ctInterfaceMethodref).Index2, ctNameAndType).Index1;
}
uint16_t CJavaClass::GetFieldrefDescriptorIndex(int index) const {
    return Entry(Entry(index, ctFieldref).Index2, ctNameAndType).Index2;
}
uint16_t CJavaClass::GetMethodrefDescriptorIndex(int index) const {
    return Entry(Entry(index, ctMethodref).Index2, ctNameAndType).Index2;
}
uint16_t CJavaClass::GetInterfaceMethodrefDescriptorIndex(int index) const {
    return Entry(Entry(index, ctInterfaceMethodref).Index2, ctNameAndType).Index2;
}

const std::string& CJavaClass::GetSourceName() {
    if (SourceNameMade || ClassFilePath.empty()) return SourceName;
    size_t nameStart = ClassFilePath.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dollar = ClassFilePath.find('$', nameStart);
    if (dollar != std::string::npos)
        SourceName = ClassFilePath.substr(0, dollar) + ".java";
    else if (ClassFilePath.size() >= 6)
        SourceName = ClassFilePath.substr(0, ClassFilePath.size() - 6) + ".java";
    else
        SourceName = ClassFilePath + ".java";
    SourceNameMade = true;
    return SourceName;
}
