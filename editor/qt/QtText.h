#pragma once
#include <QColor>
#include <QString>

#include <string>

#include "editor/support/SrcColor.h"

// Windows-1252 bytes as Unicode text, one character per byte.
QString Cp1252ToQString(const char* Text, int Length);

// A colour of the editor (system colours resolved) as a Qt colour.
QColor ToQColor(TColor Color);

// Unicode text as Windows-1252 bytes; a character the code page lacks
// becomes "?".
std::string QStringToCp1252(const QString& Text);
