#include "linker/ClassFileReader.h"

#include <cstdlib>

void CClassFileReader::Fail() const {
    fail_(className_);
    std::abort();  // fail_ throws
}

const uint8_t* CClassFileReader::Bytes(size_t count) {
    if (count > Remaining()) Fail();
    const uint8_t* p = data_ + pos_;
    pos_ += count;
    return p;
}

uint8_t CClassFileReader::U1() { return *Bytes(1); }

uint16_t CClassFileReader::U2() {
    const uint8_t* p = Bytes(2);
    return uint16_t((p[0] << 8) | p[1]);
}

uint32_t CClassFileReader::U4() {
    const uint8_t* p = Bytes(4);
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

CClassFileReader CClassFileReader::Sub(size_t count) {
    const uint8_t* p = Bytes(count);
    return CClassFileReader(p, count, className_, fail_);
}
