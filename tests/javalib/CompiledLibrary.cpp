#include "tests/javalib/CompiledLibrary.h"

#include <filesystem>
#include <stdexcept>

#include "foundation/EError.h"
#include "linker/JvmOpcodes.h"
#include "tests/support/JavaCompile.h"

std::shared_ptr<CJavaClass> LoadJavaClass(const std::string& name, const std::string& classPath) {
    auto cls = std::make_shared<CJavaClass>(name, classPath);
    try {
        cls->Load();
    } catch (const EError& e) {
        throw std::runtime_error(e.Message);
    }
    return cls;
}

TClassMap ReadClassTree(const std::string& dir) {
    TClassMap classes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.path().extension() != ".class") continue;
        std::string name = std::filesystem::relative(entry.path(), dir).replace_extension().generic_string();
        classes.emplace(name, LoadJavaClass(name, dir));
    }
    return classes;
}

const TClassMap& CompiledLibrary() {
    static const TClassMap library = ReadClassTree(ClassLibraryDir());
    return library;
}

bool DeclaresMethod(const CJavaClass& cls, const std::string& name, const std::string& descriptor) {
    for (int m = 0; m < cls.GetMethodCount(); ++m)
        if (cls.GetMethodName(m) == name && cls.GetMethodDescriptor(m) == descriptor) return true;
    return false;
}

TMemberReference MemberReference(const CJavaClass& cls, int index) {
    uint8_t tag = cls.GetConstantTag(index);
    if (tag != ctFieldref && tag != ctMethodref && tag != ctInterfaceMethodref)
        throw std::runtime_error("not a member reference");
    const TConstantPoolEntry& reference = cls.ConstantPool[index];
    const TConstantPoolEntry& nameAndType = cls.ConstantPool.at(reference.Index2);
    return {cls.GetClassConstantName(reference.Index1), cls.GetUtf8(nameAndType.Index1),
            cls.GetUtf8(nameAndType.Index2)};
}

uint16_t OperandIndex(const CJavaClass& cls, int m, uint32_t pc) {
    const uint8_t* code = cls.GetCode(m) + pc;
    return code[0] == opLdc ? code[1] : ReadU16(code + 1);
}
