#include "editor/control/SrcEdit.h"
#include "editor/support/SrcCanvas.h"

void TCustomSrcEdit::PaintTextLines(TSrcCanvas& ACanvas, const TRect& AClip, int, int, int, int) {
    ACanvas.FillRect(AClip, Color);
}
