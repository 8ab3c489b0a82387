#pragma once
#include <QRect>

#include "editor/support/SrcCoord.h"

// The editor's rectangles (right and bottom exclusive) as Qt's and back.
inline QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }
inline TRect ToTRect(const QRect& R) { return Rect(R.x(), R.y(), R.x() + R.width(), R.y() + R.height()); }
