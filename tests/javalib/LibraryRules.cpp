#include "tests/javalib/LibraryRules.h"

#include "linker/JvmOpcodes.h"
#include "linker/OruInstructionSet.h"

namespace {

// JVM opcodes the module's instruction set has, less those the library must
// not use (ldc2_w, invokeinterface, wide).
bool Supported(uint8_t op) {
    return OruCodeOfJvmOpcode(op) >= 0 && op != opLdc2W && op != opInvokeinterface && op != opWide;
}

bool HasWideOrMultiDimensionalType(const std::string& descriptor) {
    if (descriptor.find("[[") != std::string::npos) return true;
    bool inClassName = false;
    for (char c : descriptor) {
        if (inClassName) {
            inClassName = c != ';';
        } else if (c == 'L') {
            inClassName = true;
        } else if (c == 'J' || c == 'F' || c == 'D') {
            return true;
        }
    }
    return false;
}

// A field or method of a class, by name and descriptor (any descriptor
// when `descriptor` is empty), in the class alone or also its superclasses.
bool HasMember(const TClassMap& classes, std::string owner, const TMemberReference& ref, bool method,
               bool inherited) {
    while (!owner.empty()) {
        auto found = classes.find(owner);
        if (found == classes.end()) return true;  // not ours to judge
        const CJavaClass& c = *found->second;
        int count = method ? c.GetMethodCount() : c.GetFieldCount();
        for (int i = 0; i < count; ++i) {
            const char* name = method ? c.GetMethodName(i) : c.GetFieldName(i);
            const char* descriptor = method ? c.GetMethodDescriptor(i) : c.GetFieldDescriptor(i);
            if (ref.Name == name && (ref.Descriptor.empty() || ref.Descriptor == descriptor)) return true;
        }
        owner = inherited ? c.GetSuperClassName() : "";
    }
    return false;
}

struct TRuleCheck {
    const CJavaClass& Class;
    const TClassMap& Classes;
    bool AllowMain;
    std::vector<std::string> Violations;

    void Fail(const std::string& where, const std::string& what) {
        Violations.push_back(std::string(Class.GetClassName()) + (where.empty() ? "" : "." + where) + ": " + what);
    }

    void CheckMembers() {
        for (int f = 0; f < Class.GetFieldCount(); ++f) {
            std::string name = Class.GetFieldName(f), descriptor = Class.GetFieldDescriptor(f);
            if (HasWideOrMultiDimensionalType(descriptor)) Fail(name, "field type " + descriptor);
            uint16_t constant = Class.Fields[f].ConstantValueIndex;
            if (constant && Class.GetConstantTag(constant) == ctInteger) {
                int32_t v = static_cast<int32_t>(Class.ConstantPool[constant].HighWord());
                if (v < -32768 || v > 32767) Fail(name, "constant beyond 16 bits");
            }
        }
        for (int m = 0; m < Class.GetMethodCount(); ++m) {
            std::string name = Class.GetMethodName(m), descriptor = Class.GetMethodDescriptor(m);
            if (HasWideOrMultiDimensionalType(descriptor)) Fail(name, "method type " + descriptor);
            if (name == "main" && !AllowMain) Fail(name, "a main method");
            CheckCode(m, name);
        }
    }

    void CheckCode(int m, const std::string& method) {
        const uint8_t* code = Class.GetCode(m);
        for (uint32_t pc = 0; pc < Class.GetCodeLength(m); pc += Class.InstructionLength(m, pc)) {
            uint8_t op = code[pc];
            std::string at = method + "@" + std::to_string(pc);
            if (!Supported(op)) {
                Fail(at, "unsupported opcode " + std::to_string(op));
            } else if (op == opLdc || op == opLdcW) {
                if (Class.GetConstantTag(OperandIndex(Class, m, pc)) != ctString)
                    Fail(at, "ldc of a constant that is not a String");
            } else if (op >= opGetstatic && op <= opInvokestatic) {
                TMemberReference ref = MemberReference(Class, OperandIndex(Class, m, pc));
                bool method = op >= opInvokevirtual;
                // Static and special calls, and instance fields, are found in
                // the class or its superclasses; virtual methods and static
                // fields among the own members of the class named.
                bool inherited = op == opInvokespecial || op == opInvokestatic || op == opGetfield || op == opPutfield;
                if (!method && !inherited) ref.Descriptor.clear();
                if (!HasMember(Classes, ref.Owner, ref, method, inherited))
                    Fail(at, ref.Owner + (inherited ? " has no " + ref.Name + ref.Descriptor : " does not declare " + ref.Name));
            } else if (op == opNewarray && (code[pc + 1] == 6 || code[pc + 1] == 7 || code[pc + 1] == 11)) {
                Fail(at, "array of long, float or double");
            }
        }
    }
};

}  // namespace

std::vector<std::string> RuleViolations(const CJavaClass& cls, const TClassMap& classes, bool allowMain) {
    TRuleCheck check{cls, classes, allowMain, {}};
    check.CheckMembers();
    return check.Violations;
}

std::set<std::string> LoadedStrings(const TClassMap& classes) {
    std::set<std::string> texts;
    for (const auto& [name, cls] : classes) {
        for (int m = 0; m < cls->GetMethodCount(); ++m) {
            for (uint32_t pc = 0; pc < cls->GetCodeLength(m); pc += cls->InstructionLength(m, pc)) {
                uint8_t op = cls->GetCode(m)[pc];
                if (op != opLdc && op != opLdcW) continue;
                uint16_t index = OperandIndex(*cls, m, pc);
                if (cls->GetConstantTag(index) == ctString) texts.insert(cls->GetStringConstantText(index));
            }
        }
    }
    return texts;
}

int StaticSlots(const TClassMap& classes) {
    int slots = 0;
    for (const auto& [name, cls] : classes)
        for (int f = 0; f < cls->GetFieldCount(); ++f)
            if (cls->IsFieldStatic(f) && !cls->IsConstantField(f)) ++slots;
    return slots;
}
