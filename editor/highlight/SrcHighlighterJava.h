#pragma once
#include <string>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcJavaKinds.h"

// The Java highlighter: splits one line at a time into tokens. A line ends
// at its length; a NUL byte before that is an ordinary character.
class TSrcJavaSrc : public TSrcCustomHighlighter {
public:
    explicit TSrcJavaSrc(TComponent* AOwner = nullptr);

    static std::string ClassLanguageName() { return "Java"; }
    static const char* const kDefaultFilter;

    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override;
    bool GetEol() const override { return tokenID_ == tkNull; }
    TSrcEditRange GetRange() const override { return range_; }
    // Any value outside the four states reads as rsUnknown.
    void SetRange(TSrcEditRange Value) override;
    void ResetRange() override { range_ = rsUnknown; }
    std::string GetToken() const override;
    TSrcHighlighterAttributes* GetTokenAttribute() const override;
    int GetTokenKind() const override { return tokenID_; }
    int GetTokenPos() const override { return tokenPos_; }
    TSrcCharSet GetIdentChars() const override;
    bool IsFilterStored() const override;
    std::string GetLanguageName() const override { return ClassLanguageName(); }
    std::string GetSampleSource() const override;
    void Next() override;
    // Copies the line into a buffer that is reused from line to line.
    void SetLine(const std::string& NewValue, int LineNumber) override;

    TtkTokenKind GetTokenID() const { return tokenID_; }
    // Meaningful for tkSymbol tokens only.
    TxtkTokenKind GetExtTokenID() const { return extTokenID_; }
    // The token without a copy: its first byte and its length.
    const char* TokenStart() const { return line_.data() + tokenPos_; }
    int TokenLength() const { return run_ - tokenPos_; }

    TSrcHighlighterAttributes* CommentAttri;
    TSrcHighlighterAttributes* DocumentAttri;
    TSrcHighlighterAttributes* IdentifierAttri;
    TSrcHighlighterAttributes* InvalidAttri;
    TSrcHighlighterAttributes* KeyAttri;
    TSrcHighlighterAttributes* NumberAttri;
    TSrcHighlighterAttributes* SpaceAttri;
    TSrcHighlighterAttributes* StringAttri;
    TSrcHighlighterAttributes* SymbolAttri;

    using TProc = void (TSrcJavaSrc::*)();

private:
    friend struct TSrcJavaProcTable;

    // The byte at Pos; 0 at and beyond the end of the line.
    unsigned char At(int Pos) const { return Pos < len_ ? static_cast<unsigned char>(line_[Pos]) : 0; }
    bool AtEnd() const { return run_ >= len_; }

    void IdentProc();
    TtkTokenKind IdentKind();
    void NumberProc();
    void TakeNumberChars();
    void PointProc();
    void StringProc();
    void SlashProc();
    void CommentTail();
    void CommentProc();
    void NullProc();
    void SpaceProc();
    void CRProc();
    void LFProc();
    void InvalidProc();
    void UnknownProc();
    void Symbol(TxtkTokenKind Kind, int Length);
    void BangProc();
    void PercentProc();
    void AmpersandProc();
    void RoundOpenProc();
    void RoundCloseProc();
    void StarProc();
    void PlusProc();
    void CommaProc();
    void MinusProc();
    void ColonProc();
    void SemiColonProc();
    void QuestionProc();
    void LowerProc();
    void EqualProc();
    void GreaterProc();
    void SquareOpenProc();
    void SquareCloseProc();
    void CaretProc();
    void BraceOpenProc();
    void BraceCloseProc();
    void TildeProc();
    void BarProc();

    std::string line_;  // the line, with a NUL after its end
    int len_ = 0;
    int lineNumber_ = 0;
    int run_ = 0;
    int tokenPos_ = 0;
    TtkTokenKind tokenID_ = tkNull;
    TxtkTokenKind extTokenID_ = xtkAdd;
    TRangeState range_ = rsUnknown;
    int roundCount_ = 0;
    int squareCount_ = 0;
};
