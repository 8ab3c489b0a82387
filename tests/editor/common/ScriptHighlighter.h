#pragma once
#include <string>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

// A small language for tests: runs of spaces (kind 2, "Gap") and of other
// characters (kind 1, "Word"); the range, 4 bits, counts the ';' seen.
// It counts the lines it is given.
class ScriptHighlighter : public TSrcCustomHighlighter {
public:
    explicit ScriptHighlighter(TComponent* AOwner = nullptr) : TSrcCustomHighlighter(AOwner) {
        AddAttribute(word = new TSrcHighlighterAttributes("Word"));
        AddAttribute(gap = new TSrcHighlighterAttributes("Gap"));
        SetAttributesOnChange(DefHighlightChangeEvent());
    }
    static std::string ClassLanguageName() { return "Script"; }
    std::string GetLanguageName() const override { return ClassLanguageName(); }

    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override {
        return Index == SRC_ATTR_IDENTIFIER ? word : nullptr;
    }
    bool GetEol() const override { return pos_ >= static_cast<int>(line_.size()); }
    TSrcEditRange GetRange() const override { return range_; }
    void SetRange(TSrcEditRange Value) override { range_ = Value & 15; }
    void ResetRange() override { range_ = 0; }
    std::string GetToken() const override {
        return line_.substr(static_cast<size_t>(pos_), static_cast<size_t>(run_ - pos_));
    }
    TSrcHighlighterAttributes* GetTokenAttribute() const override { return Kind() == 1 ? word : gap; }
    int GetTokenKind() const override { return Kind(); }
    int GetTokenPos() const override { return pos_; }
    void SetLine(const std::string& NewValue, int) override {
        ++linesScanned;
        line_ = NewValue;
        run_ = 0;
        Next();
    }
    void Next() override {
        pos_ = run_;
        if (GetEol()) {
            return;
        }
        const bool space = line_[static_cast<size_t>(run_)] == ' ';
        while (run_ < static_cast<int>(line_.size()) && (line_[static_cast<size_t>(run_)] == ' ') == space) {
            if (line_[static_cast<size_t>(run_)] == ';') {
                range_ = (range_ + 1) & 15;
            }
            ++run_;
        }
    }

    TSrcHighlighterAttributes* word;
    TSrcHighlighterAttributes* gap;
    int linesScanned = 0;

private:
    int Kind() const { return line_[static_cast<size_t>(pos_)] == ' ' ? 2 : 1; }

    std::string line_;
    int pos_ = 0;
    int run_ = 0;
    TSrcEditRange range_ = 0;
};
