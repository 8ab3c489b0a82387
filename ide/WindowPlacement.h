#pragma once
#include <QList>
#include <QMargins>
#include <QRect>

class QWidget;

// Where a window's frame goes on the screens' available areas: a frame whose
// title strip shows whole on one of them stays; any other moves (shrunk to
// fit) into the area it overlaps most, else into the first.
QRect FrameInSight(const QRect& frame, const QList<QRect>& areas);

// The client rectangle of `frame` inside decorations of `margins`.
QRect ClientOfFrame(const QRect& frame, const QMargins& margins);

// Places the top-level `window` so that its frame covers `frame`, kept in
// sight of the screens. Until the window system has framed the window, its
// decorations are taken to be those of `framed` (a window already shown);
// once its own are known the placement is made again with them.
void PlaceFrame(QWidget& window, const QRect& frame, const QWidget* framed = nullptr);
