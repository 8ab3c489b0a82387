#include "tests/javalib/ClassFile.h"

#include <fstream>
#include <iterator>

namespace {

class TByteReader {
public:
    explicit TByteReader(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint32_t U(int count) {
        if (pos_ + count > bytes_.size()) throw TClassFileError("class file cut short");
        uint32_t v = 0;
        for (int i = 0; i < count; ++i) v = (v << 8) | bytes_[pos_++];
        return v;
    }
    std::vector<uint8_t> Bytes(size_t count) {
        if (pos_ + count > bytes_.size()) throw TClassFileError("class file cut short");
        std::vector<uint8_t> out(bytes_.begin() + pos_, bytes_.begin() + pos_ + count);
        pos_ += count;
        return out;
    }

private:
    std::vector<uint8_t> bytes_;
    size_t pos_ = 0;
};

void ReadPool(TByteReader& in, TClassFile& cls) {
    uint16_t count = in.U(2);
    cls.Pool.assign(count, TConstant{});
    for (uint16_t i = 1; i < count; ++i) {
        TConstant& c = cls.Pool[i];
        c.Tag = in.U(1);
        switch (c.Tag) {
            case 1: {
                std::vector<uint8_t> text = in.Bytes(in.U(2));
                c.Text.assign(text.begin(), text.end());
                break;
            }
            case 3: case 4: c.Value = static_cast<int32_t>(in.U(4)); break;
            case 5: case 6:
                c.Value = (static_cast<int64_t>(in.U(4)) << 32) | in.U(4);
                ++i;
                break;
            case 7: case 8: c.Index1 = in.U(2); break;
            case 9: case 10: case 11: case 12:
                c.Index1 = in.U(2);
                c.Index2 = in.U(2);
                break;
            default: throw TClassFileError("unknown constant tag " + std::to_string(c.Tag));
        }
    }
}

TMember ReadMember(TByteReader& in, const TClassFile& cls) {
    TMember m;
    m.AccessFlags = in.U(2);
    m.Name = cls.Utf8(in.U(2));
    m.Descriptor = cls.Utf8(in.U(2));
    uint16_t attributes = in.U(2);
    for (uint16_t a = 0; a < attributes; ++a) {
        const std::string& name = cls.Utf8(in.U(2));
        uint32_t length = in.U(4);
        if (name == "ConstantValue") {
            m.ConstantValueIndex = in.U(2);
        } else if (name == "Code") {
            std::vector<uint8_t> body = in.Bytes(length);
            if (body.size() < 8) throw TClassFileError("Code attribute too short");
            uint32_t codeLength = (body[4] << 24) | (body[5] << 16) | (body[6] << 8) | body[7];
            if (8 + codeLength > body.size()) throw TClassFileError("code cut short");
            m.Code.assign(body.begin() + 8, body.begin() + 8 + codeLength);
            size_t at = 8 + codeLength;
            if (at + 2 > body.size()) throw TClassFileError("exception table cut short");
            size_t entries = (body[at] << 8) | body[at + 1];
            if (at + 2 + 8 * entries > body.size()) throw TClassFileError("exception table cut short");
            for (size_t e = 0; e < entries; ++e)
                m.CatchTypes.push_back((body[at + 8 + 8 * e] << 8) | body[at + 9 + 8 * e]);
        } else {
            in.Bytes(length);
        }
    }
    return m;
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

TClassFile ReadClassFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw TClassFileError("cannot open " + path);
    TByteReader in(std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {}));
    TClassFile cls;
    if (in.U(4) != 0xCAFEBABE) throw TClassFileError("bad magic");
    cls.Minor = in.U(2);
    cls.Major = in.U(2);
    ReadPool(in, cls);
    cls.AccessFlags = in.U(2);
    cls.Name = cls.ClassNameAt(in.U(2));
    uint16_t super = in.U(2);
    if (super) cls.SuperName = cls.ClassNameAt(super);
    cls.InterfaceCount = in.U(2);
    for (uint16_t i = 0; i < cls.InterfaceCount; ++i) in.U(2);
    for (uint16_t n = in.U(2); n > 0; --n) cls.Fields.push_back(ReadMember(in, cls));
    for (uint16_t n = in.U(2); n > 0; --n) cls.Methods.push_back(ReadMember(in, cls));
    return cls;
}

static int32_t Int32At(const std::vector<uint8_t>& code, size_t at) {
    if (at + 4 > code.size()) throw TClassFileError("switch cut short");
    return static_cast<int32_t>((code[at] << 24) | (code[at + 1] << 16) | (code[at + 2] << 8) |
                                code[at + 3]);
}

size_t InstructionLength(const std::vector<uint8_t>& code, size_t pc) {
    uint8_t op = code.at(pc);
    size_t operands = (pc + 4) & ~size_t{3};
    switch (op) {
        case 0xAA: return operands - pc + 12 + 4 * (Int32At(code, operands + 8) - Int32At(code, operands + 4) + 1);
        case 0xAB: return operands - pc + 8 + 8 * Int32At(code, operands + 4);
        case 0xC4: return code.at(pc + 1) == 0x84 ? 6 : 4;
        case 0x10: case 0x12: case 0xA9: case 0xBC: return 2;
        case 0x11: case 0x13: case 0x14: case 0x84: case 0xBB: case 0xBD: case 0xC0: case 0xC1:
        case 0xC6: case 0xC7: return 3;
        case 0xB9: case 0xC8: case 0xC9: return 5;
        case 0xC5: return 4;
    }
    if (op >= 0x15 && op <= 0x19) return 2;  // loads with a local index
    if (op >= 0x36 && op <= 0x3A) return 2;  // stores with a local index
    if (op >= 0x99 && op <= 0xA8) return 3;  // branches, jsr
    if (op >= 0xB2 && op <= 0xB8) return 3;  // field access, invocations
    return 1;
}
