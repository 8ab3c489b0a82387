#include <cstring>

#include "foundation/EError.h"
#include "linker/JavaClass.h"

namespace {

bool IsInitialiser(const char* name) {
    return std::strcmp(name, "<clinit>") == 0 || std::strcmp(name, "<init>") == 0;
}

}  // namespace

void CJavaClass::Layout(IClassFinder& linker) {
    if (LaidOut) return;
    if (LayingOut) throw EError(ecJVM, 20, Name.c_str());  // a class is its own superclass
    LayingOut = true;
    struct TReset {
        bool& flag;
        ~TReset() { flag = false; }
    } reset{LayingOut};

    const CJavaClass* super = nullptr;
    if (SuperClass != 0) {
        CJavaClass* found = linker.FindClass(GetSuperClassName());
        found->Layout(linker);
        super = found;
    }

    InstanceFields.clear();
    MethodTable.clear();
    if (super) InstanceFields = super->InstanceFields;
    uint32_t offset = 0;
    for (const TInstanceField& inherited : InstanceFields) offset += inherited.Size;
    for (int f = 0; f < GetFieldCount(); ++f) {
        if (IsFieldStatic(f) || IsConstantField(f)) continue;
        TInstanceField entry;
        entry.ClassName = GetClassName();
        entry.FieldName = GetFieldName(f);
        entry.Descriptor = GetFieldDescriptor(f);
        entry.Slot = GetFieldSlot(f);
        entry.Offset = uint16_t(offset);
        entry.Size = uint16_t(GetFieldSize(f));
        offset += entry.Size;
        if (offset > 0xFFFF) throw EError(ecJVM, 20, Name.c_str());
        InstanceFields.push_back(entry);
    }

    if (super)
        for (const TMethodTableEntry& inherited : super->MethodTable)
            if (!IsInitialiser(inherited.MethodName)) MethodTable.push_back(inherited);
    for (int pass = 0; pass < 2; ++pass) {
        for (int m = 0; m < GetMethodCount(); ++m) {
            const char* name = GetMethodName(m);
            if (IsInitialiser(name) != (pass == 1)) continue;
            const char* descriptor = GetMethodDescriptor(m);
            TMethodTableEntry* entry = nullptr;
            if (pass == 0)
                for (TMethodTableEntry& e : MethodTable)
                    if (std::strcmp(e.MethodName, name) == 0 && std::strcmp(e.Descriptor, descriptor) == 0)
                        entry = &e;
            if (!entry) entry = &MethodTable.emplace_back();
            entry->ClassName = GetClassName();
            entry->MethodName = name;
            entry->Descriptor = descriptor;
            entry->ImageOffset = 0;
            entry->RecordOffset = 0;
            entry->InUse = 1;
            entry->Owner = this;
            entry->OwnerIndex = uint16_t(FindMethod(name, descriptor));
        }
    }
    LaidOut = true;
}

uint16_t CJavaClass::GetLinkedFieldOffset(const char* name, const char* descriptor) const {
    for (auto e = InstanceFields.rbegin(); e != InstanceFields.rend(); ++e)
        if (std::strcmp(e->FieldName, name) == 0 && std::strcmp(e->Descriptor, descriptor) == 0)
            return e->Offset;
    throw EError(ecJVM, 28, GetName(), name);
}

const TMethodTableEntry& CJavaClass::LinkedMethod(const char* name, const char* descriptor) const {
    for (auto e = MethodTable.rbegin(); e != MethodTable.rend(); ++e)
        if (std::strcmp(e->MethodName, name) == 0 && std::strcmp(e->Descriptor, descriptor) == 0)
            return *e;
    throw EError(ecJVM, 31, GetName(), name);
}

uint16_t CJavaClass::GetLinkedMethodOffset(const char* name, const char* descriptor) const {
    return LinkedMethod(name, descriptor).ImageOffset;
}

uint16_t CJavaClass::GetLinkedMethodRecordOffset(const char* name, const char* descriptor) const {
    return LinkedMethod(name, descriptor).RecordOffset;
}

int CJavaClass::GetLinkedMethodIndex(const char* name, const char* descriptor) const {
    const TMethodTableEntry& entry = LinkedMethod(name, descriptor);
    return int(&entry - MethodTable.data());
}
