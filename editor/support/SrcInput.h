#pragma once
#include <cstdint>

#include "editor/support/SmallSet.h"

// The modifier and button state of an input event; bit 0 Shift, bit 1 Alt,
// bit 2 Ctrl, then the mouse buttons and the double click.
enum TShiftStateFlag : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSmallSet<TShiftStateFlag, uint8_t>;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// A mouse cursor number; crDefault 0, the arrow -2.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crDrag = -12;
constexpr TCursor crMultiDrag = -16;

// Where a dragged pointer is relative to a drop target.
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// The standard edit actions of an application.
enum TSrcEditAction : uint8_t { eaCut, eaCopy, eaPaste, eaDelete, eaUndo, eaSelectAll };
