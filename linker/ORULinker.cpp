#include "linker/ORULinker.h"

#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"

CORULinker* CurrentLinker = nullptr;

CORULinker::CORULinker() : CObject(257) {
    Classes.reserve(MaxClasses);
    Strings.reserve(MaxStrings);
    CurrentLinker = this;
}

CORULinker::~CORULinker() {
    CloseListing();
    if (CurrentLinker == this) CurrentLinker = nullptr;
}

void CORULinker::Link(const char* mainClassName, const char* classPath) {
    if (!Classes.empty()) throw EError(ecIDE, 48);  // one link per linker
    WritePosition = 0;
    NativeTable = SwitchNativePackage();
    ClassPath = classPath ? classPath : "";
    MainClass = FindClass(mainClassName ? mainClassName : "");
    LinkingPass();
    Image.assign(size_t(ImageSize), 0);
    StackBase = JobOptions().debugZeroStackOffset ? 0 : (ImageSize / 16 + 1) * 16;
    OutputPass();
}

CJavaClass* CORULinker::FindLinkedClass(const char* name) const {
    for (const TLinkedClass& linked : Classes)
        if (std::strcmp(linked.Class->GetClassName(), name) == 0) return linked.Class.get();
    return nullptr;
}

CJavaClass* CORULinker::FindClass(const std::string& name) {
    if (CJavaClass* found = FindLinkedClass(name.c_str())) return found;
    return LoadClass(name);
}

CJavaClass* CORULinker::LoadClass(const std::string& name) {
    auto javaClass = std::make_unique<CJavaClass>(name, ClassPath);
    if (JobOptions().debugLinker) DebugPrintf("Linker: loading class %s.", name.c_str());
    javaClass->Load();
    if (int(Classes.size()) >= MaxClasses) throw EError(ecLNK, 1, MaxClasses);
    Classes.push_back(TLinkedClass{std::move(javaClass)});
    return Classes.back().Class.get();
}

int CORULinker::GetClassIndex(const std::string& name) {
    int index = IndexOfClass(FindClass(name));
    if (index < 0) throw EError(ecLNK, 3, name.c_str());
    return index;
}

int CORULinker::IndexOfClass(const CJavaClass* javaClass) const {
    for (size_t i = 0; i < Classes.size(); ++i)
        if (Classes[i].Class.get() == javaClass) return int(i);
    return -1;
}

uint32_t CORULinker::GetClassOffset(const CJavaClass* javaClass) const {
    int index = IndexOfClass(javaClass);
    if (index < 0) throw EError(ecIDE, 19, javaClass ? javaClass->GetName() : "");
    return Classes[index].Offset;
}

const CJavaClass* CORULinker::RequireLinkedClass(const char* name) const {
    const CJavaClass* found = FindLinkedClass(name);
    if (!found) throw EError(ecIDE, 48);
    return found;
}

uint32_t CORULinker::LinkedClassOffset(const char* name) const {
    for (int i = 0; i < LinkedClassCount; ++i)
        if (std::strcmp(Classes[i].Class->GetClassName(), name) == 0) return Classes[i].Offset;
    throw EError(ecIDE, 48);
}

int CORULinker::GetMainPrologueSize(const CJavaClass* javaClass, int method) const {
    if (javaClass != MainMethodClass || method != MainMethodIndex) return 0;
    return InitialiserCallSize * InitialiserCount;
}

bool CORULinker::IsStaticMethod(CJavaClass* javaClass, const char* name, const char* descriptor) const {
    int index = javaClass->GetLinkedMethodIndex(name, descriptor);
    const TMethodTableEntry& entry = javaClass->MethodTable[index];
    return entry.Owner->IsMethodStatic(entry.OwnerIndex);
}

TStringRecord CORULinker::NewStringRecord(CJavaClass* javaClass, int constantIndex, size_t number) {
    TStringRecord record;
    record.Text = javaClass->GetStringConstantText(constantIndex);
    record.Length = uint32_t(std::strlen(record.Text));
    record.FirstClass = javaClass;
    record.ConstantIndex = uint32_t(constantIndex);
    record.Number = uint32_t(number);
    return record;
}

bool CORULinker::FindString(const char* text, int count) const {
    for (int i = 0; i < count && i < int(Strings.size()); ++i)
        if (std::strcmp(Strings[i].Text, text) == 0) return true;
    return false;
}

uint16_t CORULinker::GetFieldObjectOffset(const CJavaClass* javaClass, const char* name,
                                          const char* descriptor) {
    return uint16_t(2 * javaClass->GetLinkedFieldOffset(name, descriptor) + 2);
}
