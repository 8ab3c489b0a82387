#include "editor/qt/QtText.h"

#include "editor/support/Cp1252.h"

QString Cp1252ToQString(const char* Text, int Length) {
    QString result;
    result.reserve(Length);
    for (int i = 0; i < Length; ++i) {
        auto byte = static_cast<unsigned char>(Text[i]);
        result.append(QChar(Cp1252ToUnicode(byte)));
    }
    return result;
}

std::string QStringToCp1252(const QString& Text) {
    std::string result;
    result.reserve(static_cast<size_t>(Text.size()));
    for (qsizetype at = 0; at < Text.size(); ++at) {
        char16_t u = Text[at].unicode();
        if (QChar::isHighSurrogate(u) && at + 1 < Text.size() && Text[at + 1].isLowSurrogate()) {
            ++at;  // one character outside the code page
        }
        const int byte = Cp1252FromUnicode(u);
        result += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return result;
}

QColor ToQColor(TColor Color) {
    auto rgb = static_cast<uint32_t>(ColorToRGB(Color));
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
