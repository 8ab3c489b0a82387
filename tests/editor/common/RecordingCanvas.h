#pragma once
#include <string>
#include <vector>

#include "editor/support/SrcCanvas.h"

// Records each copy as "copy X Y left top right bottom [mask]" and which
// bitmap it came from.
class RecordingCanvas : public TSrcCanvas {
public:
    void CopyBitmap(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source) override {
        Record("copy", X, Y, Bitmap, Source, "");
    }
    void BrushCopy(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source, TColor Transparent) override {
        Record("brush", X, Y, Bitmap, Source, " " + std::to_string(Transparent));
    }

    std::vector<std::string> Calls;
    std::vector<const TSrcBitmap*> Sources;

private:
    void Record(const char* kind, int X, int Y, const TSrcBitmap& Bitmap, const TRect& s, const std::string& tail) {
        Calls.push_back(std::string(kind) + " " + std::to_string(X) + " " + std::to_string(Y) + " " +
                        std::to_string(s.Left) + " " + std::to_string(s.Top) + " " + std::to_string(s.Right) +
                        " " + std::to_string(s.Bottom) + tail);
        Sources.push_back(&Bitmap);
    }
};
