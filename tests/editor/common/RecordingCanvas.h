#pragma once
#include <string>
#include <vector>

#include "editor/support/SrcCanvas.h"

// Records each call as one text line: "copy X Y left top right bottom
// [mask]", "fill left top right bottom colour", "line x1 y1 x2 y2 colour",
// "clip left top right bottom" or "clip none"; bitmaps' sources are kept.
class RecordingCanvas : public TSrcCanvas {
public:
    void CopyBitmap(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source) override {
        Record("copy", X, Y, Bitmap, Source, "");
    }
    void BrushCopy(int X, int Y, const TSrcBitmap& Bitmap, const TRect& Source, TColor Transparent) override {
        Record("brush", X, Y, Bitmap, Source, " " + std::to_string(Transparent));
    }
    void FillRect(const TRect& R, TColor Color) override {
        Calls.push_back("fill " + RectText(R) + " " + std::to_string(Color));
    }
    void Line(int X1, int Y1, int X2, int Y2, TColor Color) override {
        Calls.push_back("line " + RectText(Rect(X1, Y1, X2, Y2)) + " " + std::to_string(Color));
    }
    void SetClipRect(const TRect* R) override { Calls.push_back(R ? "clip " + RectText(*R) : "clip none"); }
    // Six pixels per character, twelve high.
    TPoint TextExtent(const std::string& Text) override { return Point(static_cast<int>(Text.size()) * 6, 12); }

    // The calls that start with Prefix.
    std::vector<std::string> Only(const std::string& Prefix) const {
        std::vector<std::string> result;
        for (const std::string& call : Calls) {
            if (call.rfind(Prefix, 0) == 0) {
                result.push_back(call);
            }
        }
        return result;
    }

    static std::string RectText(const TRect& R) {
        return std::to_string(R.Left) + " " + std::to_string(R.Top) + " " + std::to_string(R.Right) + " " +
               std::to_string(R.Bottom);
    }

    std::vector<std::string> Calls;
    std::vector<const TSrcBitmap*> Sources;

private:
    void Record(const char* kind, int X, int Y, const TSrcBitmap& Bitmap, const TRect& s, const std::string& tail) {
        Calls.push_back(std::string(kind) + " " + std::to_string(X) + " " + std::to_string(Y) + " " +
                        RectText(s) + tail);
        Sources.push_back(&Bitmap);
    }
};
