#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/highlight/SrcCustomHighlighter.h"

// A highlighter class: what the placeable-highlighter list holds.
class TSrcHighlighterClass {
public:
    virtual ~TSrcHighlighterClass() = default;
    virtual std::string GetLanguageName() const = 0;
    virtual TSrcHighlighterCapabilities GetCapabilities() const = 0;
    virtual std::unique_ptr<TSrcCustomHighlighter> Create(TComponent* AOwner) const = 0;
    // Whether the component is an instance of this class (or derives from it).
    virtual bool IsInstance(const TComponent* Comp) const = 0;
};

// The class object of highlighter T, one per T.
template <typename T>
class TSrcHighlighterClassOf final : public TSrcHighlighterClass {
public:
    static const TSrcHighlighterClass& Instance() {
        static const TSrcHighlighterClassOf instance;
        return instance;
    }
    std::string GetLanguageName() const override { return T::ClassLanguageName(); }
    TSrcHighlighterCapabilities GetCapabilities() const override { return T::ClassCapabilities(); }
    std::unique_ptr<TSrcCustomHighlighter> Create(TComponent* AOwner) const override {
        return std::make_unique<T>(AOwner);
    }
    bool IsInstance(const TComponent* Comp) const override { return dynamic_cast<const T*>(Comp) != nullptr; }
};

// A list of highlighter classes.
class TSrcHighlighterList {
public:
    int Count() const { return static_cast<int>(classes_.size()); }
    const TSrcHighlighterClass* Items(int Index) const { return classes_.at(static_cast<size_t>(Index)); }
    // The first class the component is an instance of, or -1.
    int FindByClass(const TComponent* Comp) const;
    // The first class whose language name equals Name exactly, or -1.
    int FindByName(const std::string& Name) const;
    int IndexOf(const TSrcHighlighterClass* Class) const;
    void Add(const TSrcHighlighterClass* Class) { classes_.push_back(Class); }

private:
    std::vector<const TSrcHighlighterClass*> classes_;
};

// Adds the class to the placeable highlighters unless it is there.
void RegisterPlaceableHighlighter(const TSrcHighlighterClass& Class);
TSrcHighlighterList& GetPlaceableHighlighters();
