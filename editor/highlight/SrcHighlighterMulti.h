#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcMultiScheme.h"

enum TRangeOperation : uint8_t { roGet, roSet };

class TSrcMultiSrc;
// Builds (roGet) or takes apart (roSet) the multi-highlighter's range.
using TCustomRangeEvent = std::function<void(TSrcMultiSrc* Sender, TRangeOperation Operation, uint32_t& Range)>;

// One marker found in the current line.
struct TMarker {
    int Scheme = 0;
    int StartPos = 1;  // 1-based
    int MarkerLen = 0;
    bool IsOpenMarker = false;
    std::string MarkerText;
};

// Colours one text with several languages: a default highlighter in
// general, and each scheme's highlighter between its start and end markers.
class TSrcMultiSrc : public TSrcCustomHighlighter {
public:
    explicit TSrcMultiSrc(TComponent* AOwner = nullptr);
    ~TSrcMultiSrc() override;

    static std::string ClassLanguageName() { return "General Multi-Highlighter"; }
    static const char* const kSelfReferenceError;

    TSchemes& Schemes() { return schemes_; }
    const TSchemes& Schemes() const { return schemes_; }
    TSrcCustomHighlighter* DefaultHighlighter() const { return defaultHighlighter_; }
    // Raises Exception when Value is, or reaches, this highlighter.
    void SetDefaultHighlighter(TSrcCustomHighlighter* Value);
    const TCustomRangeEvent& OnCustomRange() const { return onCustomRange_; }
    void SetOnCustomRange(const TCustomRangeEvent& Value);
    std::string DefaultLanguageName;

    // The scheme in charge (-1: the default highlighter), for custom ranges.
    int CurrScheme() const { return currScheme_; }
    void SetCurrScheme(int Value) { currScheme_ = Value; }
    const std::vector<TMarker>& Markers() const { return markers_; }
    // Whether the packing in use can hold scheme Index.
    bool SchemeIndexFits(int Index) const;

    int GetAttribCount() const override;
    TSrcHighlighterAttributes* GetAttribute(int Index) const override;
    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override;
    TSrcCharSet GetIdentChars() const override;
    std::string GetLanguageName() const override { return ClassLanguageName(); }
    std::string GetSampleSource() const override { return sampleSource_; }
    void SetSampleSource(const std::string& Value) override { sampleSource_ = Value; }
    bool GetEol() const override { return eol_; }
    std::string GetToken() const override;
    TSrcHighlighterAttributes* GetTokenAttribute() const override;
    int GetTokenKind() const override;
    int GetTokenPos() const override { return tokenPos_; }
    void Next() override;
    void SetLine(const std::string& NewValue, int LineNumber) override;
    // An unsigned 32-bit value, zero-extended.
    TSrcEditRange GetRange() const override;
    void SetRange(TSrcEditRange Value) override;
    void ResetRange() override;
    bool LoadFromRegistry(TSrcSettingsStore& RootKey, const std::string& Key) override;
    bool SaveToRegistry(TSrcSettingsStore& RootKey, const std::string& Key) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TScheme;
    friend class TSchemes;
    enum class TRangeProc : uint8_t { New, Old, Custom };

    bool StoreSettings(TSrcSettingsStore& RootKey, const std::string& Key, bool Save);
    void ReplaceHighlighter(TSrcCustomHighlighter*& Slot, TSrcCustomHighlighter* Value);
    bool References(const TSrcCustomHighlighter* Highlighter) const;
    void SchemesChanged();
    void SelectRangeProc();
    TSrcCustomHighlighter* SchemeHighlighter(int Index) const;
    TSrcCustomHighlighter* InCharge() const;

    void FindMarkers();
    bool SchemeCanOpen(int Index) const;
    int SearchStart(int& Pos, int& Length);
    void TakeMarker();
    void TakeSegmentToken();
    void EnterScheme(int Index);
    void LeaveScheme();

    uint32_t NewRangeGet() const;
    void NewRangeSet(uint32_t Value);
    uint32_t OldRangeGet() const;
    void OldRangeSet(uint32_t Value);

    TSchemes schemes_;
    TSrcCustomHighlighter* defaultHighlighter_ = nullptr;
    TCustomRangeEvent onCustomRange_;
    TRangeProc rangeProc_ = TRangeProc::New;
    std::string sampleSource_;
    bool destroying_ = false;

    std::vector<TMarker> markers_;
    const TMarker* marker_ = nullptr;  // the current token's marker
    size_t nextMarker_ = 0;
    int currScheme_ = -1;
    uint32_t defaultRange_ = 0;  // the default highlighter's range while a scheme is in charge
    std::string line_;
    int len_ = 0;
    int lineNumber_ = 0;
    std::string rest_;     // the text left to search for markers
    std::string segment_;  // the text handed to the highlighter in charge
    TSrcCustomHighlighter* segmentHighlighter_ = nullptr;
    TSrcCustomHighlighter* tokenHighlighter_ = nullptr;
    int segmentStart_ = 0;
    int segmentEnd_ = 0;
    int tokenPos_ = 0;
    int run_ = 0;
    bool eol_ = true;
};
