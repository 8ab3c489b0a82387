#pragma once
#include <QImage>
#include <QRect>
#include <string>

class QWidget;

// The acceptance run's pictures: <build tree>/artifacts/acceptance/<test>/
// (CORVANE_ARTIFACT_DIR replaces <build tree>/artifacts).
std::string AcceptanceArtifactFolder();
// Empties the running test's folder.
void ClearAcceptanceArtifacts();

// grab() of the widget, saved as <name>.png; the image in Format_RGB32.
QImage SaveGrab(QWidget& widget, const std::string& name);

// How many colours the image has (counting stops at `enough`).
int ColourCount(const QImage& image, int enough = 16);
// The pixels of `area` dark enough to be ink (text on a light background).
int InkPixels(const QImage& image, const QRect& area);
