#pragma once
// Reads bytes as a class file and puts every query to what loaded. Shared by
// the fuzz tests and the libFuzzer target; header-only so that both build it.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "foundation/EError.h"
#include "linker/ClassFileParser.h"
#include "linker/JavaClass.h"

namespace classfuzz {

// Hands out an empty class for any superclass.
class CEmptyClassFinder : public IClassFinder {
public:
    CJavaClass* FindClass(const std::string& name) override {
        classes_.push_back(std::make_unique<CJavaClass>(name, ""));
        return classes_.back().get();
    }

private:
    std::vector<std::unique_ptr<CJavaClass>> classes_;
};

template <typename F>
void Quietly(F&& query) {
    try {
        query();
    } catch (const EError&) {
    }
}

inline void ExerciseMethod(CJavaClass& c, int m) {
    Quietly([&] { c.GetMethodName(m); });
    Quietly([&] { c.GetMethodDescriptor(m); });
    Quietly([&] { c.CountArgumentWords(m); });
    Quietly([&] { c.GetLinkedMethodIndex(c.GetMethodName(m), c.GetMethodDescriptor(m)); });
    std::string text;
    for (uint32_t pc = 0; pc < c.GetCodeLength(m); ++pc) Quietly([&] { c.ListBytecode(m, pc, text); });
    Quietly([&] {
        for (uint32_t pc = 0; pc < c.GetCodeLength(m);) c.NextInstruction(m, pc);
    });
    const TJavaMethod& method = c.Methods[m];
    for (const TLineNumber& line : method.LineNumbers) {
        Quietly([&] { c.GetLineForPc(m, method.ImageOffset + line.StartPc); });
        int found = 0;
        Quietly([&] { c.FindBreakableLine(line.Line); });
        Quietly([&] { c.FindBreakableAddress(line.Line + 1, found); });
    }
    for (const TLocalVariable& v : method.LocalVariables) {
        Quietly([&] { c.GetLocalVariableName(m, v.Slot, v.StartPc); });
        Quietly([&] { c.GetLocalVariableNameAnyPc(m, v.Slot); });
        Quietly([&] { CJavaClass::TypeName(c.GetLocalVariableDescriptor(m, v.Slot, v.StartPc)); });
        Quietly([&] { c.FindLocalVariable(m, v.Slot, uint32_t(v.StartPc) + v.Length); });
        c.IsLocalVariableInScope(m, v.Slot, v.StartPc);
    }
    for (int i = 0; i < c.GetExceptionCount(m); ++i) Quietly([&] { c.GetExceptionEntry(m, i); });
    Quietly([&] { c.RelocateLineTable(m, 6); });
}

// "" when the class loaded (and every query answered or raised an EError),
// else the message of the load's error. Any other failure escapes.
inline std::string ExerciseClassFile(const std::string& name, const std::string& bytes) {
    CJavaClass c(name, "");
    try {
        ParseClassFile(c, bytes);
        CheckClassCode(c);
    } catch (const EError& e) {
        return e.Message;
    }
    c.Loaded = true;
    for (int i = 0; i < std::max(c.GetConstantPoolCount(), 1) + 1; ++i) c.ConstantText(i, 100);
    Quietly([&] { c.GetSuperClassName(); });
    for (int f = 0; f < c.GetFieldCount(); ++f) {
        Quietly([&] { CJavaClass::TypeName(c.GetFieldDescriptor(f)); });
        Quietly([&] { c.IsConstantField(f); });
        Quietly([&] { c.GetFieldSize(f); });
    }
    CEmptyClassFinder finder;
    Quietly([&] { c.Layout(finder); });
    for (int m = 0; m < c.GetMethodCount(); ++m) ExerciseMethod(c, m);
    Quietly([&] { c.GetSourceName(); });
    return std::string();
}

// The class names of the seed classes; a mutated file is tried as each.
inline const std::vector<std::string>& SeedClassNames() {
    static const std::vector<std::string> names = {"Base",   "Derived", "Fields",
                                                   "Lines",  "Listing", "java/lang/Object",
                                                   "Task"};
    return names;
}

}  // namespace classfuzz
