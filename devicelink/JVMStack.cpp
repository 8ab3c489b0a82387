#include "devicelink/JVMStack.h"

#include <new>

#include "foundation/EError.h"

void TJVMStack::SetData(const uint8_t* bytes, int32_t n)
{
    if (n < 0) n = 0;
    try {
        bytes_.assign(bytes, bytes + n);
    } catch (const std::bad_alloc&) {
        throw EError(ecSYS, 30);
    }
}

uint8_t TJVMStack::GetByteChecked(int32_t offset) const
{
    if (offset < 0 || offset >= GetSize()) throw EError(ecIDE, 1, 98);
    return bytes_[size_t(offset)];
}
