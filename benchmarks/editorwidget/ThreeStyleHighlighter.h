#pragma once
#include <cctype>
#include <string>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

// The benchmark's highlighter, mirrored by the peer's: words of letters (keywords "int", "if", "return"
// bold), runs of spaces, other bytes one by one, and "/*" ... "*/" block
// comments that may span lines (range 1 inside one).
class ThreeStyleHighlighter : public TSrcCustomHighlighter {
public:
    ThreeStyleHighlighter() {
        comment_ = new TSrcHighlighterAttributes("Comment");
        comment_->SetForeground(clGreen);
        AddAttribute(comment_);
        keyword_ = new TSrcHighlighterAttributes("Keyword");
        keyword_->SetStyle({fsBold});
        keyword_->SetForeground(clNavy);
        AddAttribute(keyword_);
        text_ = new TSrcHighlighterAttributes("Text");
        AddAttribute(text_);
    }
    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override {
        switch (Index) {
        case SRC_ATTR_COMMENT: return comment_;
        case SRC_ATTR_KEYWORD: return keyword_;
        case SRC_ATTR_IDENTIFIER: return text_;
        default: return nullptr;
        }
    }
    bool GetEol() const override { return start_ >= line_.size(); }
    TSrcEditRange GetRange() const override { return range_; }
    void SetRange(TSrcEditRange Value) override { range_ = Value; }
    void ResetRange() override { range_ = 0; }
    std::string GetToken() const override { return line_.substr(start_, end_ - start_); }
    TSrcHighlighterAttributes* GetTokenAttribute() const override { return attribute_; }
    int GetTokenKind() const override { return attribute_ == comment_ ? 1 : attribute_ == keyword_ ? 2 : 0; }
    int GetTokenPos() const override { return static_cast<int>(start_); }
    void Next() override {
        start_ = end_;
        Scan();
    }
    void SetLine(const std::string& NewValue, int) override {
        line_ = NewValue;
        start_ = end_ = 0;
        Scan();
    }

    TSrcHighlighterAttributes* comment_;
    TSrcHighlighterAttributes* keyword_;
    TSrcHighlighterAttributes* text_;

private:
    void Scan() {
        if (start_ >= line_.size()) {
            return;
        }
        if (range_ == 1 || line_.compare(start_, 2, "/*") == 0) {
            size_t from = range_ == 1 ? start_ : start_ + 2;
            size_t close = line_.find("*/", from);
            range_ = close == std::string::npos ? 1 : 0;
            end_ = close == std::string::npos ? line_.size() : close + 2;
            attribute_ = comment_;
            return;
        }
        end_ = start_ + 1;
        unsigned char c = static_cast<unsigned char>(line_[start_]);
        if (std::isalpha(c)) {
            while (end_ < line_.size() && std::isalnum(static_cast<unsigned char>(line_[end_]))) {
                ++end_;
            }
        } else if (c == ' ') {
            while (end_ < line_.size() && line_[end_] == ' ') {
                ++end_;
            }
        }
        std::string word = line_.substr(start_, end_ - start_);
        attribute_ = word == "int" || word == "if" || word == "return" ? keyword_ : text_;
    }

    std::string line_;
    size_t start_ = 0;
    size_t end_ = 0;
    TSrcEditRange range_ = 0;
    TSrcHighlighterAttributes* attribute_ = nullptr;
};
