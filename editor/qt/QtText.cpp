#include "editor/qt/QtText.h"

namespace {
// 0x80..0x9F; the rest of the code page equals Latin-1. Unassigned bytes
// keep their C1 control value.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace

QString Cp1252ToQString(const char* Text, int Length) {
    QString result;
    result.reserve(Length);
    for (int i = 0; i < Length; ++i) {
        auto byte = static_cast<unsigned char>(Text[i]);
        result.append(QChar(byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char16_t(byte)));
    }
    return result;
}

std::string QStringToCp1252(const QString& Text) {
    std::string result;
    result.reserve(static_cast<size_t>(Text.size()));
    for (qsizetype at = 0; at < Text.size(); ++at) {
        char16_t u = Text[at].unicode();
        char byte = '?';
        if (QChar::isHighSurrogate(u) && at + 1 < Text.size() && Text[at + 1].isLowSurrogate()) {
            ++at;  // one character outside the code page
        }
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            byte = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHigh[i] == u) {
                    byte = static_cast<char>(0x80 + i);
                    break;
                }
            }
        }
        result += byte;
    }
    return result;
}

QColor ToQColor(TColor Color) {
    auto rgb = static_cast<uint32_t>(ColorToRGB(Color));
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
