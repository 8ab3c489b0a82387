#pragma once
#include <map>
#include <memory>
#include <string>

#include "linker/JavaClass.h"

// Classes read by the linker's own class reader, by "/" name.
using TClassMap = std::map<std::string, std::shared_ptr<const CJavaClass>>;

// Loads one class along `classPath`; a failure is a std::runtime_error.
std::shared_ptr<CJavaClass> LoadJavaClass(const std::string& name, const std::string& classPath);

// Reads every class file under `dir`; names must match the file paths.
TClassMap ReadClassTree(const std::string& dir);

// The compiled library of this build, read once.
const TClassMap& CompiledLibrary();

// Whether a class declares a method of that name and descriptor.
bool DeclaresMethod(const CJavaClass& cls, const std::string& name, const std::string& descriptor);

// Class, name and descriptor of the field or method reference at `index`.
struct TMemberReference {
    std::string Owner, Name, Descriptor;
};
TMemberReference MemberReference(const CJavaClass& cls, int index);

// The constant-pool operand of the instruction at pc of method m.
uint16_t OperandIndex(const CJavaClass& cls, int m, uint32_t pc);
