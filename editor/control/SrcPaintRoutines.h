#pragma once
#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"

class TSrcCanvas;

// Fills ARect with the canvas's brush colour.
void InternalFillRect(TSrcCanvas& ACanvas, const TRect& ARect);

// Fills ARect with Steps bands (clamped to 2..256) running from FromColor
// to ToColor, left to right when Horizontal, else top to bottom.
void SrcDrawGradient(TSrcCanvas& ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& ARect,
                     bool Horizontal);
