#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "linker/OruInstructionSet.h"

namespace {
constexpr const char* ThrowableName = "java/lang/Throwable";
constexpr const char* HeaderClassNames[] = {"java/lang/Object", "java/lang/OutOfMemoryError"};
constexpr const char* StringClassName = "java/lang/String";
constexpr size_t ConstantTextLimit = 100;
}  // namespace

void CORULinker::LinkingPass() {
    if (JobOptions().debugLinker) DebugPrintf("Linker: linking pass");
    FindClass(ThrowableName);
    ResolveAll();
    for (const char* name : HeaderClassNames) FindClass(name);
    if (!Strings.empty()) FindClass(StringClassName);
    ResolveAll();
    NumberStaticSlots();
    for (size_t i = 0; i < Classes.size(); ++i) Classes[i].Class->Layout(*this);
    CollectInitialisers(false);
    MainMethodCount = FindMainMethod();
    ComputeOffsets();
    CollectInitialisers(true);
    if (MainMethodCount > 1) throw EError(ecLNK, 6);
    if (MainMethodCount == 0) throw EError(ecLNK, 2);
    MainMethodClass->RelocateLineTable(MainMethodIndex,
                                       GetMainPrologueSize(MainMethodClass, MainMethodIndex));
}

// Sweeps until a sweep resolves nothing; classes loaded during a sweep are
// visited in the same sweep.
void CORULinker::ResolveAll() {
    bool resolvedSome = true;
    while (resolvedSome) {
        resolvedSome = false;
        for (size_t i = 0; i < Classes.size(); ++i) {
            if (Classes[i].Resolved) continue;
            Classes[i].Resolved = true;
            ResolveClass(Classes[i].Class.get());
            resolvedSome = true;
        }
    }
}

CJavaClass* CORULinker::LoadNeededClass(const char* name) {
    std::string copy = name;  // the class list may grow while loading
    try {
        return FindClass(copy);
    } catch (const EError& inner) {
        inner.Report();
        throw EError(ecLNK, 3, copy.c_str());
    }
}

void CORULinker::ResolveClass(CJavaClass* javaClass) {
    if (JobOptions().debugLinker) DebugPrintf("Linker: resolving class %s.", javaClass->GetClassName());
    for (int m = 0; m < javaClass->GetMethodCount(); ++m) {
        const uint8_t* code = javaClass->GetCode(m);
        uint32_t pc = 0;
        while (pc < javaClass->GetCodeLength(m)) {
            uint32_t at = pc;
            javaClass->NextInstruction(m, pc);
            ResolveInstruction(javaClass, m, code, at);
        }
        if (JobOptions().debugLinker)
            DebugPrintf("Linker: checking exceptions for %s.", javaClass->GetClassName());
        for (int e = 0; e < javaClass->GetExceptionCount(m); ++e) {
            TExceptionInfo entry = javaClass->GetExceptionEntry(m, e);
            if (!entry.CatchClassName) continue;
            std::string name = entry.CatchClassName;
            try {
                GetClassIndex(name);
            } catch (const EError& inner) {
                inner.Report();
                throw EError(ecLNK, 3, name.c_str());
            }
        }
    }
    // After the code, so that classes the code reaches keep the code's order.
    if (javaClass->SuperClass != 0) LoadNeededClass(javaClass->GetSuperClassName());
}

void CORULinker::ResolveInstruction(CJavaClass* javaClass, int method, const uint8_t* code, uint32_t pc) {
    uint8_t opcode = code[pc];
    if (IsLongOrDoubleOpcode(opcode)) throw EError(ecLNK, 10, int(opcode));
    switch (opcode) {
        case opLdc:
            AddStringConstant(javaClass, method, code[pc + 1]);
            break;
        case opLdcW:
            AddStringConstant(javaClass, method, ReadU16(code + pc + 1));
            break;
        case opGetstatic:
        case opPutstatic:
        case opGetfield:
        case opPutfield:
            LoadNeededClass(javaClass->GetClassConstantName(
                javaClass->GetFieldrefConstantIndex1(ReadU16(code + pc + 1))));
            break;
        case opInvokevirtual:
        case opInvokespecial:
        case opInvokestatic:
            LoadNeededClass(javaClass->GetClassConstantName(
                javaClass->GetMethodrefConstantIndex1(ReadU16(code + pc + 1))));
            break;
        case opInvokeinterface:
            throw EError(ecJVM, 32);
        case opNew:
        case opInstanceof:
            LoadNeededClass(javaClass->GetClassConstantName(ReadU16(code + pc + 1)));
            break;
        default:
            break;
    }
}

void CORULinker::AddStringConstant(CJavaClass* javaClass, int method, int constantIndex) {
    if (javaClass->GetConstantTag(constantIndex) != ctString) {
        std::string text = javaClass->ConstantText(constantIndex, ConstantTextLimit);
        throw EError(ecJVM, 29, javaClass->GetClassName(), javaClass->GetMethodName(method), text.c_str());
    }
    const char* text = javaClass->GetStringConstantText(constantIndex);
    if (!FindString(text, int(Strings.size()))) {
        if (int(Strings.size()) >= MaxStrings) throw EError(ecIDE, 31, MaxStrings);
        Strings.push_back(NewStringRecord(javaClass, constantIndex, Strings.size()));
    }
    LoadNeededClass(StringClassName);
}

void CORULinker::NumberStaticSlots() {
    for (size_t i = 0; i < Classes.size(); ++i) {
        CJavaClass* javaClass = Classes[i].Class.get();
        for (int f = 0; f < javaClass->GetFieldCount(); ++f) {
            if (!javaClass->IsFieldStatic(f) || javaClass->IsConstantField(f)) continue;
            if (int(StaticTable.size()) >= MaxStaticSlots) throw EError(ecLNK, 7);
            javaClass->SetFieldSlot(f, uint16_t(StaticTable.size()));
            StaticTable.push_back(TStaticSlot{f, javaClass});
        }
    }
    if (int(StaticTable.size()) > MaxStaticSlots - 1) throw EError(ecIDE, 41, MaxStaticSlots - 1);
    StaticAreaSize = 2 * int(StaticTable.size());
}

const TMethodTableEntry* CORULinker::FindClinit(CJavaClass* javaClass) const {
    for (const TMethodTableEntry& entry : javaClass->MethodTable)
        if (entry.Owner == javaClass && std::strcmp(entry.MethodName, "<clinit>") == 0 &&
            std::strcmp(entry.Descriptor, "()V") == 0)
            return &entry;
    return nullptr;
}

// First call counts the initialisers; the second, after the offsets are
// known, lists their method records in class order.
void CORULinker::CollectInitialisers(bool withOffsets) {
    InitialiserCount = 0;
    Initialisers.clear();
    for (size_t i = 0; i < Classes.size(); ++i) {
        const TMethodTableEntry* clinit = FindClinit(Classes[i].Class.get());
        if (!clinit) continue;
        ++InitialiserCount;
        if (withOffsets) Initialisers.push_back(clinit->ImageOffset);
    }
}

int CORULinker::FindMainMethod() {
    int found = 0;
    for (size_t i = 0; i < Classes.size(); ++i) {
        CJavaClass* javaClass = Classes[i].Class.get();
        for (int m = 0; m < javaClass->GetMethodCount(); ++m) {
            if (std::strcmp(javaClass->GetMethodName(m), "main") != 0 ||
                std::strcmp(javaClass->GetMethodDescriptor(m), "()V") != 0)
                continue;
            if (found++ == 0) {
                MainMethodClass = javaClass;
                MainMethodIndex = m;
            }
            break;
        }
    }
    return found;
}
