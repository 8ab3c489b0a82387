#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "editor/support/SmallSet.h"
#include "editor/support/SrcComponent.h"
#include "editor/text/SrcEditRange.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcMethodChain.h"
#include "editor/text/SrcMiscProcs.h"
#include "editor/support/StringList.h"

class TSrcHighlighterAttributes;
class TSrcSettingsStore;

// The word-break characters a highlighter starts with.
TSrcCharSet SrcDefaultWordBreakChars();

enum TSrcHighlighterCapability : uint8_t { hcUserSettings, hcRegistry };
using TSrcHighlighterCapabilities = TSmallSet<TSrcHighlighterCapability, uint8_t>;

// Standard roles of GetDefaultAttribute.
enum : int {
    SRC_ATTR_COMMENT = 0,
    SRC_ATTR_IDENTIFIER = 1,
    SRC_ATTR_KEYWORD = 2,
    SRC_ATTR_STRING = 3,
    SRC_ATTR_WHITESPACE = 4,
    SRC_ATTR_SYMBOL = 5,
};

// A line scanner that splits one line at a time into tokens, each with an
// attribute, carrying a range state from line to line. Derived classes
// give the language; hooked editors are told when attributes change.
class TSrcCustomHighlighter : public TComponent {
public:
    explicit TSrcCustomHighlighter(TComponent* AOwner = nullptr);
    ~TSrcCustomHighlighter() override;

    // Class information; derived classes hide both.
    static TSrcHighlighterCapabilities ClassCapabilities() { return {hcRegistry}; }
    static std::string ClassLanguageName() { return "<Unknown>"; }

    virtual int GetAttribCount() const;
    // In the order of the names; nil for a bad index.
    virtual TSrcHighlighterAttributes* GetAttribute(int Index) const;
    virtual TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const = 0;
    virtual std::string GetDefaultFilter() const;
    virtual TSrcCharSet GetIdentChars() const;
    virtual std::string GetSampleSource() const;
    virtual bool IsFilterStored() const;
    virtual void SetDefaultFilter(const std::string& Value);
    virtual void SetSampleSource(const std::string& Value);
    virtual void SetWordBreakChars(const TSrcCharSet& AChars);
    virtual TSrcHighlighterCapabilities GetCapabilities() const;
    virtual std::string GetLanguageName() const;
    virtual bool GetEol() const = 0;
    virtual TSrcEditRange GetRange() const;
    virtual std::string GetToken() const = 0;
    virtual TSrcHighlighterAttributes* GetTokenAttribute() const = 0;
    virtual int GetTokenKind() const = 0;
    virtual int GetTokenPos() const = 0;
    virtual bool IsKeyword(const std::string& AKeyword) const;
    virtual void Next() = 0;
    // Starts a new line (0-based LineNumber); its first token is current.
    virtual void SetLine(const std::string& NewValue, int LineNumber) = 0;
    virtual void SetRange(TSrcEditRange Value);
    virtual void ResetRange();
    virtual bool UseUserSettings(int settingIndex);
    virtual void EnumUserSettings(TStrings& Settings);
    // Every attribute from (into) the subkeys of Key; true only when all
    // succeeded. Key is opened from the store's root.
    virtual bool LoadFromRegistry(TSrcSettingsStore& RootKey, const std::string& Key);
    virtual bool SaveToRegistry(TSrcSettingsStore& RootKey, const std::string& Key);

    void Assign(const TPersistent* Source) override;
    void Loaded() override;

    // Takes ownership; a duplicate name raises EStringListError.
    void AddAttribute(TSrcHighlighterAttributes* Attri);
    void SetAttributesOnChange(const TNotifyEvent& AEvent);
    void DefHighlightChange(TObject* Sender);
    void HookAttrChangeEvent(const TNotifyEvent& ANotifyEvent);
    void UnhookAttrChangeEvent(const TNotifyEvent& ANotifyEvent);
    void BeginUpdate();
    void EndUpdate();
    void NextToEol();
    bool LoadFromFile(const std::string& FileName);
    bool SaveToFile(const std::string& FileName);

    TSrcHighlighterAttributes* Attribute(int Index) const { return GetAttribute(Index); }
    TSrcHighlighterCapabilities Capabilities() const { return GetCapabilities(); }
    std::string LanguageName() const { return GetLanguageName(); }
    TSrcCharSet IdentChars() const { return GetIdentChars(); }
    const TSrcCharSet& WordBreakChars() const { return wordBreakChars_; }
    std::string SampleSource() const { return GetSampleSource(); }
    std::string DefaultFilter() const { return GetDefaultFilter(); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);

    // The handler that attributes' OnChange is bound to.
    TNotifyEvent DefHighlightChangeEvent() {
        return TNotifyEvent::Of<&TSrcCustomHighlighter::DefHighlightChange>(this);
    }

private:
    TStringList attributeList_;
    TSrcNotifyEventChain attrChangeHooks_;
    int updateCount_ = 0;
    bool enabled_ = true;
    TSrcCharSet wordBreakChars_;
    std::string defaultFilter_;
    bool updateChange_ = false;
};
