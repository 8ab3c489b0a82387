#pragma once
#include <map>
#include <string>
#include <vector>

#include "editor/control/SrcClipboard.h"

// An in-memory clipboard whose failures tests choose.
class FakeClipboard : public TSrcClipboard {
public:
    bool HasFormat(const std::string& Format) const override { return data.count(Format) > 0; }
    bool GetData(const std::string& Format, std::string& Data) const override {
        auto it = data.find(Format);
        if (it == data.end()) {
            return false;
        }
        Data = it->second;
        return true;
    }
    bool SetData(const std::vector<TItem>& Items) override {
        ++setCount;
        if (failSet) {
            return false;
        }
        data.clear();
        for (const TItem& item : Items) {
            data[item.Format] = item.Data;
        }
        return true;
    }
    // The private block of a copy: mode byte, text, NUL.
    void PutBlock(char Mode, const std::string& Text) {
        data.clear();
        data[kSrcClipboardBlock] = std::string(1, Mode) + Text + std::string(1, '\0');
    }
    void PutText(const std::string& Text) {
        data.clear();
        data[kSrcClipboardText] = Text;
    }

    std::map<std::string, std::string> data;
    bool failSet = false;
    int setCount = 0;
};
