#include "tests/javalib/ClassFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/EError.h"
#include "linker/ClassFileParser.h"
#include "linker/JavaClass.h"
#include "linker/JvmOpcodes.h"

namespace {

// Copies what the checks look at out of the linker's own reading of a class.
TMember Member(const CJavaClass& c, uint16_t flags, uint16_t name, uint16_t descriptor) {
    TMember m;
    m.AccessFlags = flags;
    m.Name = c.GetUtf8(name);
    m.Descriptor = c.GetUtf8(descriptor);
    return m;
}

void CopyClass(const CJavaClass& c, TClassFile& cls) {
    for (const TConstantPoolEntry& e : c.ConstantPool) {
        TConstant& k = cls.Pool.emplace_back();
        k.Tag = e.Tag;
        k.Index1 = e.Index1;
        k.Index2 = e.Index2;
        k.Value = static_cast<int32_t>(e.HighWord());
        k.Text = e.Utf8;
    }
    cls.AccessFlags = c.AccessFlags;
    cls.Name = c.GetClassName();
    cls.SuperName = c.GetSuperClassName();
    for (const TJavaField& f : c.Fields) {
        cls.Fields.push_back(Member(c, f.AccessFlags, f.NameIndex, f.DescriptorIndex));
        cls.Fields.back().ConstantValueIndex = f.ConstantValueIndex;
    }
    for (const TJavaMethod& m : c.Methods) {
        cls.Methods.push_back(Member(c, m.AccessFlags, m.NameIndex, m.DescriptorIndex));
        cls.Methods.back().Code = m.Code;
    }
}

}  // namespace

const std::string& TClassFile::Utf8(uint16_t index) const {
    if (index >= Pool.size() || Pool[index].Tag != 1) throw TClassFileError("not a Utf8 entry");
    return Pool[index].Text;
}

std::string TClassFile::ClassNameAt(uint16_t index) const {
    if (index >= Pool.size() || Pool[index].Tag != 7) throw TClassFileError("not a Class entry");
    return Utf8(Pool[index].Index1);
}

void TClassFile::Reference(uint16_t index, std::string& className, std::string& name,
                           std::string& descriptor) const {
    if (index >= Pool.size() || Pool[index].Tag < 9 || Pool[index].Tag > 11)
        throw TClassFileError("not a member reference");
    className = ClassNameAt(Pool[index].Index1);
    const TConstant& nameAndType = Pool.at(Pool[index].Index2);
    name = Utf8(nameAndType.Index1);
    descriptor = Utf8(nameAndType.Index2);
}

const TMember* TClassFile::FindMethod(const std::string& name, const std::string& descriptor) const {
    for (const TMember& m : Methods)
        if (m.Name == name && m.Descriptor == descriptor) return &m;
    return nullptr;
}

TClassFile ReadClassFile(const std::string& path, const std::string& name) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw TClassFileError("cannot open " + path);
    std::string bytes{std::istreambuf_iterator<char>(file), {}};
    TClassFile cls;
    if (bytes.size() < 8) throw TClassFileError("class file cut short");
    cls.Minor = static_cast<uint8_t>(bytes[4]) << 8 | static_cast<uint8_t>(bytes[5]);
    cls.Major = static_cast<uint8_t>(bytes[6]) << 8 | static_cast<uint8_t>(bytes[7]);
    CJavaClass javaClass(name.empty() ? std::filesystem::path(path).stem().string() : name, "");
    try {
        ParseClassFile(javaClass, bytes);
    } catch (const EError& e) {
        throw TClassFileError(path + ": " + e.Message);
    }
    CopyClass(javaClass, cls);
    return cls;
}

size_t InstructionLength(const std::vector<uint8_t>& code, size_t pc) {
    uint32_t length = InstructionLengthAt(code.data(), static_cast<uint32_t>(code.size()), static_cast<uint32_t>(pc));
    if (length == 0) throw TClassFileError("instruction does not fit at " + std::to_string(pc));
    return length;
}
