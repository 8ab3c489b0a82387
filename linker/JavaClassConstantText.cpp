#include <cstring>

#include "linker/JavaClass.h"
#include "linker/ListingTextFormat.h"

namespace {

float FloatOfBits(uint32_t bits) {
    float value;
    static_assert(sizeof value == sizeof bits);
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

std::string CJavaClass::ConstantText(int index, size_t limit) const {
    const uint8_t tag = GetConstantTag(index);
    if (tag == 0) return FormatListingText("Bad constant #%d", index).substr(0, limit);
    const TConstantPoolEntry& e = ConstantPool[index];
    auto member = [&](const char* kind, uint16_t nameIndex) {
        return FormatListingText("%s %s.%s", kind, GetClassConstantName(e.Index1), GetUtf8(nameIndex));
    };
    std::string text;
    switch (tag) {
        case ctClass: text = FormatListingText("Class %s", GetUtf8(e.Index1)); break;
        case ctFieldref: text = member("Field", GetFieldrefNameIndex(index)); break;
        case ctMethodref: text = member("Method", GetMethodrefNameIndex(index)); break;
        case ctInterfaceMethodref: text = member("Interface", GetInterfaceMethodrefNameIndex(index)); break;
        case ctString: text = FormatListingText("\"%s\"", GetUtf8(e.Index1)); break;
        case ctInteger: text = FormatListingText("Integer %d", int32_t(e.HighWord())); break;
        case ctFloat: text = FormatListingText("Float %f", double(FloatOfBits(e.HighWord()))); break;
        case ctLong: text = FormatListingText("Long %d %d", int32_t(e.HighWord()), int32_t(e.Value)); break;
        case ctDouble: text = FormatListingText("Double %d %d", int32_t(e.HighWord()), int32_t(e.Value)); break;
        case ctNameAndType: text = FormatListingText("NameAndType %s %s", GetUtf8(e.Index1), GetUtf8(e.Index2)); break;
        default: text = e.Utf8.c_str(); break;  // Utf8: its text
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}
