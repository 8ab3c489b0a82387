#include "foundation/EError.h"
#include "linker/JavaClass.h"

const TJavaMethod& CJavaClass::MethodWithLocals(int m) const {
    const TJavaMethod& method = Method(m);
    if (method.LocalVariables.empty()) throw EError(ecJVM, 24, GetName());
    return method;
}

const TLocalVariable* CJavaClass::MatchLocal(int m, int slot, uint32_t pc, bool anyPc) const {
    for (const TLocalVariable& v : Method(m).LocalVariables) {
        if (v.Slot != slot) continue;
        if (anyPc || (v.StartPc <= pc && pc <= uint32_t(v.StartPc) + v.Length)) return &v;
    }
    return nullptr;
}

const TLocalVariable& CJavaClass::RequireLocal(int m, int slot, uint32_t pc, bool anyPc) const {
    MethodWithLocals(m);
    const TLocalVariable* v = MatchLocal(m, slot, pc, anyPc);
    if (!v) throw EError(ecJVM, 27);
    return *v;
}

const char* CJavaClass::GetLocalVariableName(int m, int slot, uint32_t pc) const {
    return GetUtf8(RequireLocal(m, slot, pc, false).NameIndex);
}

const char* CJavaClass::GetLocalVariableNameAnyPc(int m, int slot) const {
    return GetUtf8(RequireLocal(m, slot, 0, true).NameIndex);
}

const char* CJavaClass::GetLocalVariableDescriptor(int m, int slot, uint32_t pc) const {
    return GetUtf8(RequireLocal(m, slot, pc, false).DescriptorIndex);
}

int CJavaClass::FindLocalVariable(int m, int slot, uint32_t pc) const {
    return RequireLocal(m, slot, pc, false).Slot;
}

bool CJavaClass::IsLocalVariableInScope(int m, int slot, uint32_t pc) const {
    if (m < 0 || m >= GetMethodCount()) return false;
    return MatchLocal(m, slot, pc, false) != nullptr;
}
