#pragma once
#include <cstdint>

// Root of the program's own non-visual classes; the tag names the class.
class CObject {
public:
    explicit CObject(uint32_t classTag = 0) : ClassTag(classTag) {}
    virtual ~CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;

    uint32_t ClassTag;
};
