#include <cstring>

#include "foundation/EError.h"
#include "linker/JavaClass.h"

const char* CJavaClass::GetFieldName(int f) const { return GetUtf8(Field(f).NameIndex); }

const char* CJavaClass::GetFieldDescriptor(int f) const {
    return GetUtf8(Field(f).DescriptorIndex);
}

bool CJavaClass::IsFieldStatic(int f) const { return Field(f).AccessFlags & accStatic; }

bool CJavaClass::IsConstantField(int f) const {
    const TJavaField& field = Field(f);
    const uint16_t staticFinal = accStatic | accFinal;
    if ((field.AccessFlags & staticFinal) != staticFinal || field.ConstantValueIndex == 0) return false;
    const char type = GetUtf8(field.DescriptorIndex)[0];
    return type != 'L' && type != '[' && type != '\0';
}

uint16_t CJavaClass::GetFieldSlot(int f) const { return Field(f).Slot; }

void CJavaClass::SetFieldSlot(int f, uint16_t slot) {
    Field(f);
    Fields[f].Slot = slot;
}

int CJavaClass::GetFieldSize(int f) const {
    const char type = GetFieldDescriptor(f)[0];
    return type == 'J' || type == 'D' ? 2 : 1;
}

int CJavaClass::FindField(const char* name) const {
    for (int f = 0; f < GetFieldCount(); ++f)
        if (std::strcmp(GetFieldName(f), name) == 0) return f;
    throw EError(ecJVM, 14, name);
}

int CJavaClass::CountOwnInstanceFields() const {
    int count = 0;
    for (int f = 0; f < GetFieldCount(); ++f)
        if (!IsFieldStatic(f) && !IsConstantField(f)) ++count;
    return count;
}

const char* CJavaClass::GetMethodName(int m) const { return GetUtf8(Method(m).NameIndex); }

const char* CJavaClass::GetMethodDescriptor(int m) const {
    return GetUtf8(Method(m).DescriptorIndex);
}

bool CJavaClass::IsMethodStatic(int m) const { return Method(m).AccessFlags & accStatic; }
bool CJavaClass::IsMethodNative(int m) const { return Method(m).AccessFlags & accNative; }
int CJavaClass::GetMaxLocals(int m) const { return Method(m).MaxLocals; }
uint32_t CJavaClass::GetCodeLength(int m) const { return Method(m).CodeLength; }

const uint8_t* CJavaClass::GetCode(int m) const {
    const TJavaMethod& method = Method(m);
    return method.Code.empty() ? nullptr : method.Code.data();
}

uint16_t CJavaClass::GetMethodImageOffset(int m) const { return Method(m).ImageOffset; }

void CJavaClass::SetMethodImageOffset(int m, uint16_t offset) {
    Method(m);
    Methods[m].ImageOffset = offset;
}

int CJavaClass::GetExceptionCount(int m) const { return Method(m).ExceptionTableLength(); }

TExceptionInfo CJavaClass::GetExceptionEntry(int m, int i) const {
    const TJavaMethod& method = Method(m);
    if (i < 0 || size_t(i) >= method.ExceptionTable.size()) throw EError(ecJVM, 20, Name.c_str());
    const TExceptionEntry& entry = method.ExceptionTable[i];
    TExceptionInfo info;
    info.StartPc = entry.StartPc;
    info.EndPc = entry.EndPc;
    info.HandlerPc = entry.HandlerPc;
    info.CatchClassName = entry.CatchType == 0 ? nullptr : GetClassConstantName(entry.CatchType);
    return info;
}

int CJavaClass::FindMethod(const char* name, const char* descriptor) const {
    for (int m = 0; m < GetMethodCount(); ++m)
        if (std::strcmp(GetMethodName(m), name) == 0 &&
            std::strcmp(GetMethodDescriptor(m), descriptor) == 0)
            return m;
    throw EError(ecJVM, 14, name);
}
