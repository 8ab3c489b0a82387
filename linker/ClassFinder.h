#pragma once
#include <string>

class CJavaClass;

// Hands out loaded classes by "/" name, loading one that is missing. The
// linker implements it; Layout asks it for the superclass.
class IClassFinder {
public:
    virtual ~IClassFinder() = default;
    // Never null: a class that cannot be loaded raises its EError.
    virtual CJavaClass* FindClass(const std::string& name) = 0;
};
