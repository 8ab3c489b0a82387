#pragma once
#include "editor/support/SrcCoord.h"
#include "editor/support/SrcObject.h"

class TCustomSrcEdit;
class TSrcCanvas;

// An add-on of an editor control, told about painting and about inserted
// and deleted lines. The control owns it once installed (AddPlugin).
class TSrcEditPlugin : public TObject {
public:
    explicit TSrcEditPlugin(TCustomSrcEdit* AOwner);
    TSrcEditPlugin(const TSrcEditPlugin&) = delete;
    TSrcEditPlugin& operator=(const TSrcEditPlugin&) = delete;

    virtual void AfterPaint(TSrcCanvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) = 0;
    virtual void LinesInserted(int FirstLine, int Count) = 0;
    virtual void LinesDeleted(int FirstLine, int Count) = 0;

    TCustomSrcEdit* Editor() const { return owner_; }

private:
    TCustomSrcEdit* owner_;
};
