#pragma once
#include <string>
#include <vector>

// The system clipboard as the editor sees it: data by format name, set as
// one collection per copy. Data is the editor's bytes (Windows-1252, CR LF
// between lines); a platform clipboard converts its plain text.
class TSrcClipboard {
public:
    struct TItem {
        std::string Format;
        std::string Data;
    };

    virtual ~TSrcClipboard() = default;
    virtual bool HasFormat(const std::string& Format) const = 0;
    // False when the clipboard holds no data of Format or cannot give it.
    virtual bool GetData(const std::string& Format, std::string& Data) const = 0;
    // Replaces the clipboard's contents; false when it failed.
    virtual bool SetData(const std::vector<TItem>& Items) = 0;
};

inline const char* const kSrcClipboardText = "text/plain";
// Mode byte (0 normal, 1 line, 2 column), the text, NUL.
inline const char* const kSrcClipboardBlock = "application/x-srcedit-control-block";
