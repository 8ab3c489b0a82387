#pragma once
#include <QList>
#include <QMargins>
#include <QRect>

#include "foundation/WindowRect.h"

class QWidget;

// Where a stored window frame goes on the screens' available areas. Any
// values are taken (the arithmetic is 64-bit; a size below one pixel counts
// as one). A frame that fits the area its title strip shows on stays; any
// other moves, shrunk to fit, whole into that area, else into the area it
// overlaps most, else into the first.
QRect FrameInSight(const TWindowRect& stored, const QList<QRect>& areas);

// The client rectangle of `frame` inside decorations of `margins`.
QRect ClientOfFrame(const QRect& frame, const QMargins& margins);

// Places the top-level `window` so that its frame covers the stored frame,
// kept in sight of the screens; a stored frame without a width or height
// leaves the window as it is. Until the window system has framed the window,
// its decorations are taken to be those of `framed` (a window already shown);
// once its own are known the placement is made again with them.
void PlaceFrame(QWidget& window, const TWindowRect& stored, const QWidget* framed = nullptr);
