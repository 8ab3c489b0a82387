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
    return Cp1252FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(Text.utf16()),
                                               static_cast<size_t>(Text.size())));
}

QColor ToQColor(TColor Color) {
    auto rgb = static_cast<uint32_t>(ColorToRGB(Color));
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
