#pragma once
#include <cctype>
#include <string>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

// A small highlighter: words (keywords "if", "int" and "return" bold),
// double-quoted strings, "//" comments to the line end, "/* */" block
// comments carried from line to line (range 1), runs of blanks and
// single symbols. Counts the lines and bytes it is given.
class TokenHighlighter : public TSrcCustomHighlighter {
public:
    enum Kind { tkIdent, tkKeyword, tkString, tkComment, tkSpace, tkSymbol, tkNull };

    TokenHighlighter() {
        comment = Add("Comment", clGreen, clNone, {fsItalic});
        ident = Add("Identifier", clNone, clNone, {});
        keyword = Add("Keyword", clNavy, clNone, {fsBold});
        string = Add("String", clRed, clNone, {});
        space = Add("Space", clNone, clNone, {});
        symbol = Add("Symbol", clNone, clNone, {});
    }

    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override {
        switch (Index) {
        case SRC_ATTR_COMMENT: return comment;
        case SRC_ATTR_IDENTIFIER: return ident;
        case SRC_ATTR_KEYWORD: return keyword;
        case SRC_ATTR_STRING: return string;
        case SRC_ATTR_WHITESPACE: return space;
        case SRC_ATTR_SYMBOL: return symbol;
        default: return nullptr;
        }
    }
    TSrcCharSet GetIdentChars() const override {
        TSrcCharSet chars;
        for (int c = 0; c < 256; ++c) {
            chars.set(static_cast<size_t>(c), std::isalnum(c) || c == '_');
        }
        return chars;
    }
    bool GetEol() const override { return kind_ == tkNull; }
    TSrcEditRange GetRange() const override { return range_; }
    void SetRange(TSrcEditRange Value) override { range_ = Value; }
    void ResetRange() override { range_ = 0; }
    std::string GetToken() const override { return line_.substr(start_, run_ - start_); }
    TSrcHighlighterAttributes* GetTokenAttribute() const override {
        switch (kind_) {
        case tkIdent: return ident;
        case tkKeyword: return keyword;
        case tkString: return string;
        case tkComment: return comment;
        case tkSpace: return space;
        case tkSymbol: return symbol;
        default: return nullptr;
        }
    }
    int GetTokenKind() const override { return kind_; }
    int GetTokenPos() const override { return static_cast<int>(start_); }
    void SetLine(const std::string& NewValue, int) override {
        line_ = NewValue;
        run_ = 0;
        ++linesGiven;
        bytesGiven += NewValue.size();
        Next();
    }
    void Next() override {
        start_ = run_;
        if (run_ >= line_.size()) {
            kind_ = tkNull;
            return;
        }
        if (range_ == 1) {
            BlockComment();
            return;
        }
        char c = line_[run_];
        if (c == ' ' || c == '\t') {
            kind_ = tkSpace;
            while (run_ < line_.size() && (line_[run_] == ' ' || line_[run_] == '\t')) {
                ++run_;
            }
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            while (run_ < line_.size() && (std::isalnum(static_cast<unsigned char>(line_[run_])) || line_[run_] == '_')) {
                ++run_;
            }
            std::string word = line_.substr(start_, run_ - start_);
            kind_ = word == "if" || word == "int" || word == "return" ? tkKeyword : tkIdent;
        } else if (c == '"') {
            kind_ = tkString;
            size_t close = line_.find('"', run_ + 1);
            run_ = close == std::string::npos ? line_.size() : close + 1;
        } else if (line_.compare(run_, 2, "//") == 0) {
            kind_ = tkComment;
            run_ = line_.size();
        } else if (line_.compare(run_, 2, "/*") == 0) {
            range_ = 1;
            run_ += 2;
            BlockComment();
        } else {
            kind_ = tkSymbol;
            ++run_;
        }
    }

    TSrcHighlighterAttributes* comment;
    TSrcHighlighterAttributes* ident;
    TSrcHighlighterAttributes* keyword;
    TSrcHighlighterAttributes* string;
    TSrcHighlighterAttributes* space;
    TSrcHighlighterAttributes* symbol;
    int linesGiven = 0;
    size_t bytesGiven = 0;

private:
    TSrcHighlighterAttributes* Add(const char* Name, TColor Fg, TColor Bg, TFontStyles Style) {
        auto* attribute = new TSrcHighlighterAttributes(Name);
        attribute->SetForeground(Fg);
        attribute->SetBackground(Bg);
        attribute->SetStyle(Style);
        AddAttribute(attribute);
        return attribute;
    }
    void BlockComment() {
        kind_ = tkComment;
        size_t close = line_.find("*/", run_);
        if (close == std::string::npos) {
            run_ = line_.size();
        } else {
            run_ = close + 2;
            range_ = 0;
        }
    }

    std::string line_;
    size_t start_ = 0;
    size_t run_ = 0;
    Kind kind_ = tkNull;
    TSrcEditRange range_ = 0;
};
