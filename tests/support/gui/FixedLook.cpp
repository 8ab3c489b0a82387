#include "tests/support/gui/FixedLook.h"

#include <QApplication>
#include <QFontInfo>
#include <QStyleFactory>
#include <string>

QFont TestLook::Font() {
    QFont font(FontFamily);
    font.setPixelSize(FontPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QPalette TestLook::Palette() {
    QPalette palette{QColor(Window), QColor(Window)};
    palette.setColor(QPalette::WindowText, QColor(Text));
    palette.setColor(QPalette::ButtonText, QColor(Text));
    palette.setColor(QPalette::Base, QColor(Base));
    palette.setColor(QPalette::AlternateBase, QColor(Window));
    palette.setColor(QPalette::Text, QColor(Text));
    palette.setColor(QPalette::Highlight, QColor(Highlight));
    palette.setColor(QPalette::HighlightedText, QColor(HighlightedText));
    return palette;
}

bool ApplyFixedLook(QApplication& app, std::string& problem) {
    app.setStyle(QStyleFactory::create("Fusion"));
    QFont font = TestLook::Font();
    QString family = QFontInfo(font).family();
    if (family != TestLook::FontFamily) {
        problem = std::string("the test font ") + TestLook::FontFamily + " is not installed (got " +
                  family.toStdString() + "); install fonts-dejavu-core";
        return false;
    }
    QApplication::setFont(font);
    QApplication::setPalette(TestLook::Palette());
    return true;
}
