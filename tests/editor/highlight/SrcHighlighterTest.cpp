#include <gtest/gtest.h>

#include "editor/support/IniFile.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/support/SrcExceptions.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterList.h"
#include "editor/highlight/SrcRegistryStore.h"
#include "platform/Registry.h"
#include "tests/editor/common/EventRecorder.h"
#include "tests/editor/common/ScriptHighlighter.h"
#include "tests/editor/common/SetterTable.h"
#include "tests/editor/common/TestSettingsStore.h"
#include "tests/support/TempDir.h"

namespace {

// The script language with a third attribute and a sample text of its own.
class WordHighlighter : public ScriptHighlighter {
public:
    explicit WordHighlighter(TComponent* AOwner = nullptr) : ScriptHighlighter(AOwner) {
        AddAttribute(comment = new TSrcHighlighterAttributes("Comment"));
        word->SetForeground(clBlue);
        comment->SetStyle({fsItalic});
        SetAttributesOnChange(DefHighlightChangeEvent());
    }
    static std::string ClassLanguageName() { return "Words"; }
    std::string GetLanguageName() const override { return ClassLanguageName(); }
    std::string GetSampleSource() const override { return sample; }
    void SetSampleSource(const std::string& Value) override { sample = Value; }

    TSrcHighlighterAttributes* comment;
    std::string sample;
};

class OtherHighlighter : public WordHighlighter {
public:
    using WordHighlighter::WordHighlighter;
    static std::string ClassLanguageName() { return "Other"; }
    std::string GetLanguageName() const override { return ClassLanguageName(); }
};

struct Editor {
    std::vector<TObject*> senders;
    void AttrChanged(TObject* Sender) { senders.push_back(Sender); }
    TNotifyEvent Event() { return TNotifyEvent::Of<&Editor::AttrChanged>(this); }
};

}  // namespace

TEST(SrcHighlighterAttributes, SettersAndStyleBitsFireOnlyOnChanges) {
    using Attri = TSrcHighlighterAttributes;
    ExpectSettersFireOnce<Attri>([] { return std::make_unique<Attri>("Key"); }, {
        {"Background", [](Attri& a) { a.SetBackground(clNone); }, [](Attri& a) { a.SetBackground(clRed); }},
        {"Foreground", [](Attri& a) { a.SetForeground(clNone); }, [](Attri& a) { a.SetForeground(clRed); }},
        {"Style", [](Attri& a) { a.SetStyle({}); }, [](Attri& a) { a.SetStyle({fsBold}); }},
    });
    EventRecorder events;
    TSrcHighlighterAttributes attri("Key");
    attri.OnChange = events.NotifyEvent();
    attri.SetStyle({fsBold});
    events.Take();
    attri.SetStyleFromInt(6);
    EXPECT_EQ(attri.Style(), (TFontStyles{fsItalic, fsUnderline}));
    EXPECT_EQ(events.Take().size(), 3u);  // cleared, italic added, underline added
    EXPECT_EQ(attri.GetStyleFromInt(), 6);

    TSrcHighlighterAttributes same("Other");
    same.AssignColorAndStyle(attri);
    same.OnChange = events.NotifyEvent();
    same.AssignColorAndStyle(attri);
    EXPECT_TRUE(events.Take().empty());
    same.Assign(&attri);
    EXPECT_EQ(same.Name(), "Key");

    attri.InternalSaveDefaultValues();
    EXPECT_FALSE(attri.GetBackgroundColorStored());
    EXPECT_FALSE(attri.GetForegroundColorStored());
    EXPECT_FALSE(attri.GetFontStyleStored());
    attri.SetForeground(clRed);
    EXPECT_TRUE(attri.GetForegroundColorStored());
}

TEST(SrcCustomHighlighter, AttributesInNameOrderAndDuplicatesRefused) {
    WordHighlighter highlighter;
    ASSERT_EQ(highlighter.GetAttribCount(), 3);
    EXPECT_EQ(highlighter.GetAttribute(0)->Name(), "Comment");
    EXPECT_EQ(highlighter.GetAttribute(1)->Name(), "Gap");
    EXPECT_EQ(highlighter.GetAttribute(2)->Name(), "Word");
    EXPECT_EQ(highlighter.GetAttribute(3), nullptr);
    EXPECT_EQ(highlighter.GetAttribute(-1), nullptr);
    EXPECT_THROW(highlighter.AddAttribute(new TSrcHighlighterAttributes("Word")), EStringListError);
    EXPECT_EQ(highlighter.GetAttribCount(), 3);
    EXPECT_TRUE(highlighter.WordBreakChars().test('('));
    EXPECT_FALSE(highlighter.WordBreakChars().test(' '));
    EXPECT_EQ(highlighter.WordBreakChars().count(), 22u);
    EXPECT_TRUE(highlighter.IdentChars().test(255));
    EXPECT_FALSE(highlighter.IdentChars().test(' '));
    EXPECT_EQ(highlighter.Capabilities(), TSrcHighlighterCapabilities{hcRegistry});
}

TEST(SrcCustomHighlighter, ChangesReachHookedEditorsOnceAfterUpdates) {
    WordHighlighter highlighter;
    Editor editor;
    highlighter.HookAttrChangeEvent(editor.Event());
    highlighter.word->SetForeground(clRed);
    EXPECT_EQ(editor.senders, std::vector<TObject*>{highlighter.word});
    editor.senders.clear();
    highlighter.BeginUpdate();
    highlighter.BeginUpdate();
    highlighter.word->SetForeground(clGreen);
    highlighter.gap->SetBackground(clGreen);
    highlighter.EndUpdate();
    EXPECT_TRUE(editor.senders.empty());
    highlighter.EndUpdate();
    EXPECT_EQ(editor.senders, std::vector<TObject*>{nullptr});
    highlighter.EndUpdate();  // unbalanced: nothing
    highlighter.SetEnabled(true);
    EXPECT_EQ(editor.senders.size(), 1u);
    highlighter.SetEnabled(false);
    EXPECT_EQ(editor.senders.size(), 2u);

    editor.senders.clear();
    highlighter.BeginLoading();
    highlighter.word->SetForeground(clAqua);
    EXPECT_TRUE(editor.senders.empty());
    highlighter.Loaded();
    EXPECT_EQ(editor.senders, std::vector<TObject*>{nullptr});
    highlighter.UnhookAttrChangeEvent(editor.Event());
    highlighter.word->SetForeground(clRed);
    EXPECT_EQ(editor.senders.size(), 1u);
}

TEST(SrcCustomHighlighter, AssignTakesNamesakesAndTheSampleOnlyFromItsOwnClass) {
    WordHighlighter source;
    source.word->SetForeground(clMaroon);
    source.SetDefaultFilter("Words (*.w)|*.w");
    source.SetSampleSource("sample");
    source.SetEnabled(false);
    OtherHighlighter other;
    other.Assign(&source);
    EXPECT_EQ(other.word->Foreground(), clMaroon);
    EXPECT_EQ(other.DefaultFilter(), "Words (*.w)|*.w");
    EXPECT_FALSE(other.Enabled());
    EXPECT_EQ(other.SampleSource(), "");
    WordHighlighter same;
    same.Assign(&source);
    EXPECT_EQ(same.SampleSource(), "sample");
}

TEST(SrcCustomHighlighter, AttributesRoundTripThroughTheSettingsStore) {
    TestSettingsStore store;
    WordHighlighter saved;
    saved.word->SetBackground(clWindow);  // a system colour: the top bit set
    saved.comment->SetStyle({fsBold, fsStrikeOut});
    ASSERT_TRUE(saved.SaveToRegistry(store, "\\Software\\Editor\\Words"));
    EXPECT_TRUE(store.HasKey("Software\\Editor\\Words\\Comment"));
    EXPECT_EQ(store.CurrentPath(), "");

    WordHighlighter loaded;
    EXPECT_TRUE(loaded.LoadFromRegistry(store, "Software\\Editor\\Words"));
    EXPECT_EQ(loaded.word->Background(), clWindow);
    EXPECT_EQ(loaded.word->Foreground(), clBlue);
    EXPECT_EQ(loaded.comment->Style(), (TFontStyles{fsBold, fsStrikeOut}));
    ASSERT_TRUE(store.OpenKeyReadOnly("Software\\Editor\\Words\\Word"));
    EXPECT_FALSE(store.WriteInteger("Style", 3));
    int32_t style = -1;
    EXPECT_TRUE(store.ReadInteger("Style", style));
    EXPECT_EQ(style, 0);
    store.CloseKey();

    WordHighlighter missing;
    EXPECT_FALSE(missing.LoadFromRegistry(store, "Software\\Nothing"));
    // One attribute without its key: the others still load, the answer is false.
    TestSettingsStore partial;
    partial.Put("K\\Word", "Foreground", clTeal);
    partial.Put("K\\Gap", "Style", 1);
    WordHighlighter some;
    EXPECT_FALSE(some.LoadFromRegistry(partial, "K"));
    EXPECT_EQ(some.word->Foreground(), clTeal);
    EXPECT_EQ(some.gap->Style(), TFontStyles{fsBold});
}

TEST(SrcCustomHighlighter, AttributesRoundTripThroughAnIniFile) {
    TempDir dir;
    std::string file = dir.File("colours.ini");
    WordHighlighter saved;
    saved.gap->SetBackground(clInfoBk);
    saved.word->SetStyle({fsUnderline});
    ASSERT_TRUE(saved.SaveToFile(file));
    WordHighlighter loaded;
    EXPECT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(loaded.gap->Background(), clInfoBk);
    EXPECT_EQ(loaded.word->Style(), TFontStyles{fsUnderline});

    TempDir::WriteFile(file, "[Word]\r\nForeground=$000000FF\r\nStyle=junk\r\n[Gap]\r\n");
    WordHighlighter partial;
    EXPECT_FALSE(partial.LoadFromFile(file));  // "Gap" and "Comment" have no keys
    EXPECT_EQ(partial.word->Foreground(), clRed);
    EXPECT_EQ(partial.word->Style(), TFontStyles{});
}

TEST(SrcHighlighterAttributes, LegacySettingsInBothLayouts) {
    TestSettingsStore store;
    store.Put("Old", "Keyword", std::string("x,y,BU,0,1,12,3"));
    store.Put("Old", "Broken", std::string("x,y,B,0,0,99,3"));
    TSrcHighlighterAttributes attri("Keyword");
    ASSERT_TRUE(attri.LoadFromLegacyRegistry(store, "Old", "Keyword", true));
    EXPECT_EQ(attri.Foreground(), clBlue);
    EXPECT_EQ(attri.Background(), clWindow);
    EXPECT_EQ(attri.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_FALSE(attri.LoadFromLegacyRegistry(store, "Old", "Broken", true));
    EXPECT_FALSE(attri.LoadFromLegacyRegistry(store, "Old", "Absent", true));
    EXPECT_EQ(attri.Foreground(), clBlue);

    const std::string key = "New\\Comment";
    store.Put(key, "Foreground Color", 4);
    store.Put(key, "Background Color", 15);
    store.Put(key, "Foreground Color New", std::string("$00102030"));
    for (const char* flag : {"Bold", "Underline", "Default Foreground"}) {
        store.Put(key, flag, std::string("False"));
    }
    store.Put(key, "Italic", std::string("True"));
    TSrcHighlighterAttributes comment("Comment");
    EXPECT_FALSE(comment.LoadFromLegacyRegistry(store, "New", "Comment", false));  // a flag is missing
    EXPECT_EQ(comment.Foreground(), clNone);
    store.Put(key, "Default Background", std::string("0"));
    ASSERT_TRUE(comment.LoadFromLegacyRegistry(store, "New", "Comment", false));
    EXPECT_EQ(comment.Foreground(), 0x00102030);
    EXPECT_EQ(comment.Background(), clWhite);
    EXPECT_EQ(comment.Style(), TFontStyles{fsItalic});
    store.Put(key, "Default Background", std::string("yes"));
    ASSERT_TRUE(comment.LoadFromLegacyRegistry(store, "New", "Comment", false));
    EXPECT_EQ(comment.Background(), clWindow);
}

TEST(SrcHighlighterList, RegistersOnceAndFindsByClassAndExactName) {
    const int builtIn = GetPlaceableHighlighters().Count();
    RegisterPlaceableHighlighter(TSrcHighlighterClassOf<WordHighlighter>::Instance());
    RegisterPlaceableHighlighter(TSrcHighlighterClassOf<WordHighlighter>::Instance());
    RegisterPlaceableHighlighter(TSrcHighlighterClassOf<OtherHighlighter>::Instance());
    TSrcHighlighterList& list = GetPlaceableHighlighters();
    int words = list.FindByName("Words");
    ASSERT_GE(words, 0);
    EXPECT_EQ(list.FindByName("words"), -1);
    EXPECT_EQ(list.Count(), builtIn + 2);
    OtherHighlighter other;
    EXPECT_EQ(list.FindByClass(&other), words);  // an Other is a Words too
    auto made = list.Items(list.FindByName("Other"))->Create(nullptr);
    EXPECT_EQ(made->LanguageName(), "Other");
    TComponent plain;
    EXPECT_EQ(list.FindByClass(&plain), -1);
}

TEST(SrcCustomHighlighter, RegistryKeysAreTakenFromTheRootWhateverKeyIsOpen) {
    TestSettingsStore store;
    ASSERT_TRUE(store.OpenKey("Elsewhere", true));
    WordHighlighter saved;
    saved.word->SetBackground(clYellow);
    ASSERT_TRUE(saved.SaveToRegistry(store, "Software\\Words"));
    EXPECT_TRUE(store.HasKey("Software\\Words\\Word"));
    EXPECT_FALSE(store.HasKey("Elsewhere\\Software"));

    ASSERT_TRUE(store.OpenKey("Elsewhere", true));
    WordHighlighter loaded;
    EXPECT_TRUE(loaded.LoadFromRegistry(store, "Software\\Words"));
    EXPECT_EQ(loaded.word->Background(), clYellow);

    store.Put("Old", "Keyword", std::string("x,y,B,0,0,12,3"));
    ASSERT_TRUE(store.OpenKey("Elsewhere", true));
    TSrcHighlighterAttributes attri("Keyword");
    EXPECT_TRUE(attri.LoadFromLegacyRegistry(store, "Old", "Keyword", true));
    EXPECT_EQ(attri.Foreground(), clBlue);
}

TEST(SrcCustomHighlighter, AnEditorToldOfItsEndCanStillUnhook) {
    class HookedEditor : public TComponent {
    public:
        TSrcCustomHighlighter* highlighter = nullptr;
        void AttrChanged(TObject*) {}
        TNotifyEvent Event() { return TNotifyEvent::Of<&HookedEditor::AttrChanged>(this); }

    protected:
        void Notification(TComponent* AComponent, TOperation Operation) override {
            if (Operation == opRemove && AComponent == highlighter) {
                EXPECT_EQ(highlighter->GetAttribCount(), 3);
                highlighter->UnhookAttrChangeEvent(Event());
                highlighter = nullptr;
            }
        }
    };
    HookedEditor editor;
    editor.highlighter = new WordHighlighter();
    editor.highlighter->HookAttrChangeEvent(editor.Event());
    editor.highlighter->FreeNotification(&editor);
    delete editor.highlighter;
    EXPECT_EQ(editor.highlighter, nullptr);
}
