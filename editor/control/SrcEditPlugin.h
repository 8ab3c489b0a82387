#pragma once
#include "editor/support/SrcCoord.h"
#include "editor/support/SrcObject.h"

class TCustomSrcEdit;
class TSrcCanvas;

// An add-on of an editor control, told about painting and about inserted
// and deleted lines. It registers with its owner on construction and
// leaves on destruction; the control frees those still registered when it
// goes.
class TSrcEditPlugin : public TObject {
public:
    explicit TSrcEditPlugin(TCustomSrcEdit* AOwner);
    ~TSrcEditPlugin() override;
    TSrcEditPlugin(const TSrcEditPlugin&) = delete;
    TSrcEditPlugin& operator=(const TSrcEditPlugin&) = delete;

    virtual void AfterPaint(TSrcCanvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) = 0;
    virtual void LinesInserted(int FirstLine, int Count) = 0;
    virtual void LinesDeleted(int FirstLine, int Count) = 0;

    TCustomSrcEdit* Editor() const { return owner_; }

private:
    friend class TCustomSrcEdit;
    TCustomSrcEdit* owner_;
};
