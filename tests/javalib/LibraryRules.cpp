#include "tests/javalib/LibraryRules.h"

#include <algorithm>

namespace {

// JVM opcodes the module's instruction set has, less those the library must
// not use (ldc2_w, invokeinterface, wide).
const std::set<uint8_t>& SupportedOpcodes() {
    static const std::set<uint8_t> opcodes = {
        0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x10, 0x11, 0x12, 0x13, 0x15, 0x19,
        0x1A, 0x1B, 0x1C, 0x1D, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x32, 0x33, 0x34, 0x35, 0x36, 0x3A,
        0x3B, 0x3C, 0x3D, 0x3E, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58,
        0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x60, 0x64, 0x68, 0x6C, 0x70, 0x74, 0x78, 0x7A,
        0x7C, 0x7E, 0x80, 0x82, 0x84, 0x91, 0x92, 0x93, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F,
        0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xB0, 0xB1,
        0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xC1, 0xC6,
        0xC7};
    return opcodes;
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

bool IsConstantField(const TMember& field) {
    return (field.AccessFlags & kAccFinal) && field.Descriptor[0] != 'L' && field.Descriptor[0] != '[';
}

uint16_t U2(const std::vector<uint8_t>& code, size_t at) { return (code.at(at) << 8) | code.at(at + 1); }

struct TRuleCheck {
    const TClassFile& Class;
    const TClassMap& Classes;
    bool AllowMain;
    std::vector<std::string> Violations;

    void Fail(const std::string& where, const std::string& what) {
        Violations.push_back(Class.Name + (where.empty() ? "" : "." + where) + ": " + what);
    }

    void CheckMembers() {
        for (const TMember& f : Class.Fields) {
            if (HasWideOrMultiDimensionalType(f.Descriptor)) Fail(f.Name, "field type " + f.Descriptor);
            if (f.ConstantValueIndex && Class.Pool.at(f.ConstantValueIndex).Tag == 3) {
                int64_t v = Class.Pool[f.ConstantValueIndex].Value;
                if (v < -32768 || v > 32767) Fail(f.Name, "constant beyond 16 bits");
            }
        }
        for (const TMember& m : Class.Methods) {
            if (HasWideOrMultiDimensionalType(m.Descriptor)) Fail(m.Name, "method type " + m.Descriptor);
            if (m.Name == "main" && !AllowMain) Fail(m.Name, "a main method");
            CheckCode(m);
        }
    }

    void CheckCode(const TMember& method) {
        const std::vector<uint8_t>& code = method.Code;
        for (size_t pc = 0; pc < code.size(); pc += InstructionLength(code, pc)) {
            uint8_t op = code[pc];
            std::string at = method.Name + "@" + std::to_string(pc);
            if (!SupportedOpcodes().count(op)) {
                Fail(at, "unsupported opcode " + std::to_string(op));
            } else if (op == 0x12 || op == 0x13) {
                uint16_t index = op == 0x12 ? code.at(pc + 1) : U2(code, pc + 1);
                if (Class.Pool.at(index).Tag != 8) Fail(at, "ldc of a constant that is not a String");
            } else if (op == 0xB6) {
                CheckDeclared(at, U2(code, pc + 1), true);
            } else if (op == 0xB7 || op == 0xB8 || op == 0xB4 || op == 0xB5) {
                CheckInherited(at, U2(code, pc + 1), op == 0xB7 || op == 0xB8);
            } else if (op == 0xB2 || op == 0xB3) {
                CheckDeclared(at, U2(code, pc + 1), false);
            } else if (op == 0xBC && (code.at(pc + 1) == 6 || code.at(pc + 1) == 7 || code.at(pc + 1) == 11)) {
                Fail(at, "array of long, float or double");
            }
        }
    }

    // Static and special calls, and instance fields, are found in the class
    // or its superclasses.
    void CheckInherited(const std::string& at, uint16_t reference, bool method) {
        std::string owner, name, descriptor;
        Class.Reference(reference, owner, name, descriptor);
        for (std::string current = owner; !current.empty();) {
            auto found = Classes.find(current);
            if (found == Classes.end()) return;
            const std::vector<TMember>& members = method ? found->second.Methods : found->second.Fields;
            for (const TMember& m : members)
                if (m.Name == name && m.Descriptor == descriptor) return;
            current = found->second.SuperName;
        }
        Fail(at, owner + " has no " + name + descriptor);
    }

    // The linker finds virtual methods and static fields among the own
    // members of the class that the reference names.
    void CheckDeclared(const std::string& at, uint16_t reference, bool method) {
        std::string owner, name, descriptor;
        Class.Reference(reference, owner, name, descriptor);
        auto found = Classes.find(owner);
        if (found == Classes.end()) return;
        const std::vector<TMember>& members = method ? found->second.Methods : found->second.Fields;
        bool declared = std::any_of(members.begin(), members.end(), [&](const TMember& m) {
            return m.Name == name && (!method || m.Descriptor == descriptor);
        });
        if (!declared) Fail(at, owner + " does not declare " + name);
    }
};

}  // namespace

std::vector<std::string> RuleViolations(const TClassFile& cls, const TClassMap& classes, bool allowMain) {
    TRuleCheck check{cls, classes, allowMain, {}};
    check.CheckMembers();
    return check.Violations;
}

std::set<std::string> LoadedStrings(const TClassMap& classes) {
    std::set<std::string> texts;
    for (const auto& [name, cls] : classes) {
        for (const TMember& m : cls.Methods) {
            for (size_t pc = 0; pc < m.Code.size(); pc += InstructionLength(m.Code, pc)) {
                uint8_t op = m.Code[pc];
                if (op != 0x12 && op != 0x13) continue;
                uint16_t index = op == 0x12 ? m.Code.at(pc + 1) : U2(m.Code, pc + 1);
                if (cls.Pool.at(index).Tag == 8) texts.insert(cls.Utf8(cls.Pool[index].Index1));
            }
        }
    }
    return texts;
}

int StaticSlots(const TClassMap& classes) {
    int slots = 0;
    for (const auto& [name, cls] : classes)
        for (const TMember& f : cls.Fields)
            if ((f.AccessFlags & kAccStatic) && !IsConstantField(f)) ++slots;
    return slots;
}
