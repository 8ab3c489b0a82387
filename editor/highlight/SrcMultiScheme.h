#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/support/SrcObject.h"

class TRegex;
class TSchemes;
class TSrcCustomHighlighter;
class TSrcHighlighterAttributes;
class TSrcMultiSrc;

// Lets a handler move, shorten or retext a marker found in line Line
// (0-based); StartPos is 1-based.
using TOnCheckMarker =
    std::function<void(TObject* Sender, int& StartPos, int& MarkerLen, std::string& MarkerText, int Line)>;

// One language region of a multi-highlighter: the expressions of its start
// and end markers, the highlighter for the text between them and the
// attribute of the markers themselves.
class TScheme {
public:
    explicit TScheme(TSchemes* Collection = nullptr);
    ~TScheme();
    TScheme(const TScheme&) = delete;
    TScheme& operator=(const TScheme&) = delete;

    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);
    const std::string& StartExpr() const { return startExpr_; }
    // Raises Exception for an expression that does not compile; the old one stays.
    void SetStartExpr(const std::string& Value);
    const std::string& EndExpr() const { return endExpr_; }
    void SetEndExpr(const std::string& Value);
    TSrcCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSrcCustomHighlighter* Value);
    TSrcHighlighterAttributes* MarkerAttri() const { return markerAttri_.get(); }
    const std::string& SchemeName() const { return schemeName_; }
    void SetSchemeName(const std::string& Value);
    std::string DisplayName() const;
    int Index() const;

    // The first match of the start (end) expression in Text: its 1-based
    // position and length. False when there is none or no expression.
    bool FindStart(const std::string& Text, int& Pos, int& Length) const;
    bool FindEnd(const std::string& Text, int& Pos, int& Length) const;

    TOnCheckMarker OnCheckStartMarker;
    TOnCheckMarker OnCheckEndMarker;

private:
    friend class TSrcMultiSrc;
    friend class TSchemes;

    void SetExpr(std::string& Expr, std::unique_ptr<TRegex>& Regex, const std::string& Value);
    void Changed();
    void MarkerAttriChanged(TObject* Sender);
    TSrcMultiSrc* OwnerHighlighter() const;

    TSchemes* collection_;
    bool caseSensitive_ = true;
    std::string startExpr_;
    std::string endExpr_;
    std::unique_ptr<TRegex> startRegex_;
    std::unique_ptr<TRegex> endRegex_;
    TSrcCustomHighlighter* highlighter_ = nullptr;
    std::unique_ptr<TSrcHighlighterAttributes> markerAttri_;
    std::string schemeName_;
};

// The schemes of one multi-highlighter, in search order.
class TSchemes {
public:
    explicit TSchemes(TSrcMultiSrc* Owner = nullptr) : owner_(Owner) {}
    TSchemes(const TSchemes&) = delete;
    TSchemes& operator=(const TSchemes&) = delete;

    TScheme* Add();
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    // Nil for an index outside the collection.
    TScheme* Items(int Index) const;
    int IndexOf(const TScheme* Item) const;
    TSrcMultiSrc* Owner() const { return owner_; }

private:
    friend class TScheme;
    void Update();

    TSrcMultiSrc* owner_;
    std::vector<std::unique_ptr<TScheme>> items_;
};
