#include <gtest/gtest.h>

#include <set>

#include "editor/control/SrcEditKeyCmds.h"
#include "editor/support/SrcStream.h"

namespace {

const TShiftState kCtrl{ssCtrl};
const TShiftState kShiftCtrl{ssShift, ssCtrl};

TEST(SrcEditKeyCmdsTest, CommandTableNamesEveryCommandOnceInEnumerationOrder) {
    std::vector<std::string> names;
    GetEditorCommandValues([&](const std::string& Name) { names.push_back(Name); });
    ASSERT_EQ(names.size(), 100u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 100u);
    EXPECT_EQ(names.front(), "ecNone");
    EXPECT_EQ(names[35], "ecSelectAll");
    EXPECT_EQ(names.back(), "ecString");
    EXPECT_EQ(IndexToEditorCommand(51), ecCopy);  // after ecUndo, ecRedo, ecCut
    EXPECT_THROW(IndexToEditorCommand(100), EListError);

    int32_t cmd = 0;
    EXPECT_TRUE(IdentToEditorCommand("ECSELWORDLEFT", cmd));
    EXPECT_EQ(cmd, ecSelWordLeft);
    EXPECT_FALSE(IdentToEditorCommand("ecSelection", cmd));
    EXPECT_EQ(EditorCommandToCodeString(1001), "ecUserFirst");
    EXPECT_EQ(EditorCommandToCodeString(1002), "1002");
    EXPECT_EQ(EditorCommandToCodeString(ecGotFocus), "480");
    EXPECT_EQ(ConvertCodeStringToCommand("ecNoSuchThing"), ecNone);
    EXPECT_EQ(ConvertCodeStringToCommand("ecpaste"), ecPaste);
}

TEST(SrcEditKeyCmdsTest, ReadableNamesFollowTheExamplesAndComeBack) {
    EXPECT_EQ(ConvertCodeStringToExtended("ecSelWordLeft"), "Select Word Left");
    EXPECT_EQ(ConvertCodeStringToExtended("ecGotoMarker3"), "Goto Marker3");
    EXPECT_EQ(ConvertCodeStringToExtended("ecSetMarker0"), "Set Marker0");
    EXPECT_EQ(ConvertCodeStringToExtended("ecGotoXY"), "Goto XY");
    EXPECT_EQ(ConvertCodeStringToExtended("ecDeleteBOL"), "Delete BOL");
    EXPECT_EQ(ConvertCodeStringToExtended("Plain"), "Plain");
    EXPECT_EQ(ConvertExtendedToCodeString("Select All"), "ecSelectAll");
    EXPECT_EQ(ConvertExtendedToCodeString("Select Line End"), "ecSelLineEnd");
    EXPECT_EQ(ConvertExtendedToCodeString("Goto Bookmark 3"), "ecGotoMarker3");
    EXPECT_EQ(ConvertExtendedToCodeString("ecAsIs"), "ecAsIs");
    EXPECT_EQ(ConvertExtendedToCommand("Select Page Up"), ecSelPageUp);

    GetEditorCommandValues([](const std::string& Name) {
        EXPECT_EQ(ConvertExtendedToCodeString(ConvertCodeStringToExtended(Name)), Name);
    });
}

TEST(SrcEditKeyCmdsTest, DefaultsHoldTheBindingsTheLookupsFind) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    ASSERT_EQ(keys.Count(), 82);
    EXPECT_EQ(keys.Items(keys.FindKeycode(8, {ssShift}))->Command(), ecDeleteLastChar);
    EXPECT_EQ(keys.Items(keys.FindKeycode(8, {}))->Command(), ecDeleteLastChar);
    EXPECT_EQ(keys.FindCommand(ecCopy), 31);  // Ctrl+Insert comes before Ctrl+C
    EXPECT_EQ(keys.Items(keys.FindKeycode('7', kShiftCtrl))->Command(), ecSetMarker0 + 7);
    EXPECT_EQ(keys.Items(keys.FindKeycode('0', kCtrl))->Command(), ecGotoMarker0);
    EXPECT_EQ(keys.Items(81)->Command(), ecMatchBracket);
    EXPECT_EQ(keys.FindKeycode('Q', kCtrl), -1);

    // A two-stroke binding is not a one-stroke one.
    keys.Clear();
    TSrcEditKeyStroke* twoStrokes = keys.Add();
    twoStrokes->SetKey('K');
    twoStrokes->SetShift(kCtrl);
    twoStrokes->SetKey2('B');
    keys.AddKey(ecUserFirst, 'K', kCtrl);
    EXPECT_EQ(keys.FindKeycode('K', kCtrl), 1);
    EXPECT_EQ(keys.FindKeycode2('K', kCtrl, 'B', {}), 0);
}

TEST(SrcEditKeyCmdsTest, DuplicateShortcutsAreRefusedOnTheWholeStroke) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    TSrcEditKeyStroke* f1 = keys.Items(keys.FindKeycode(112, {}));
    try {
        f1->SetShortCut(ShortCut('C', kCtrl));
        FAIL() << "a second Ctrl+C was taken";
    } catch (const ESrcKeyError& e) {
        EXPECT_STREQ(e.what(), "Shortcut already exists");
    }
    EXPECT_EQ(f1->Key(), 112);
    EXPECT_TRUE(f1->Shift().Empty());
    f1->SetShortCut(f1->GetShortCut());  // itself is no duplicate
    keys.Items(0)->SetShortCut(0);
    keys.Items(1)->SetShortCut(0);

    keys.Clear();
    keys.Add()->SetShortCut(ShortCut('K', kCtrl));
    keys.Items(0)->SetShortCut2(ShortCut('B', {}));
    TSrcEditKeyStroke* other = keys.Add();
    other->SetShortCut(ShortCut('K', kCtrl));  // differs in the second stroke
    other->SetShortCut2(ShortCut('B', {ssShift}));
    EXPECT_THROW(other->SetShortCut2(ShortCut('B', {})), ESrcKeyError);
    EXPECT_EQ(other->Shift2(), TShiftState{ssShift});
}

TEST(SrcEditKeyCmdsTest, DisplayNamesSpellTheShortcuts) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    EXPECT_EQ(keys.Items(46)->GetDisplayName(), "ecCopy - Ctrl+C ");
    EXPECT_EQ(ShortCutToText(ShortCut(45, kCtrl)), "Ctrl+Ins");
    EXPECT_EQ(ShortCutToText(ShortCut('Z', kShiftCtrl)), "Shift+Ctrl+Z");
    EXPECT_EQ(ShortCutToText(ShortCut(8, {ssShift, ssAlt})), "Shift+Alt+BkSp");
    EXPECT_EQ(ShortCutToText(ShortCut(135, {})), "F24");
    EXPECT_EQ(ShortCutToText(0), "");
    keys.Clear();
    TSrcEditKeyStroke* k = keys.Add();
    k->SetCommand(1001);
    k->SetShortCut(ShortCut('K', kCtrl));
    k->SetShortCut2(ShortCut('B', {}));
    EXPECT_EQ(k->GetDisplayName(), "ecUserFirst - Ctrl+K B");
    k->SetShortCut(ShortCut(0xBA, kCtrl));
    k->SetShortCut2(ShortCut(103, {}));
    EXPECT_EQ(k->GetDisplayName(), "ecUserFirst - Ctrl+; Num 7");
    // Keys outside the editing set are named as the keyboard names them.
    for (auto [key, name] : {std::pair<uint16_t, const char*>{96, "Num 0"}, {105, "Num 9"}, {111, "Num /"},
                             {0xE8, "Key 232"}}) {
        EXPECT_EQ(ShortCutToText(ShortCut(key, kShiftCtrl)), std::string("Shift+Ctrl+") + name) << key;
    }
    for (uint16_t key = 1; key <= 0xFF; ++key) {
        EXPECT_NE(ShortCutToText(ShortCut(key, {})), "") << key;
    }
}

std::string Record(const TSrcEditKeyStroke& K) {
    return {static_cast<char>(K.Key() & 0xFF), static_cast<char>(K.Key() >> 8), static_cast<char>(K.Shift().ToBits()),
            static_cast<char>(K.Key2() & 0xFF), static_cast<char>(K.Key2() >> 8),
            static_cast<char>(K.Shift2().ToBits()), static_cast<char>(K.Command() & 0xFF),
            static_cast<char>(K.Command() >> 8)};
}

TEST(SrcEditKeyCmdsTest, DefaultsStreamAsCountAndRecordsAndLoadBackInOrder) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    TMemoryStream stream;
    keys.SaveToStream(stream);
    const std::string& bytes = stream.Data();
    ASSERT_EQ(bytes.size(), 660u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x52\0\0\0", 4));
    for (int i = 0; i < 82; ++i) {
        EXPECT_EQ(bytes.substr(4 + 8 * static_cast<size_t>(i), 8), Record(*keys.Items(i))) << "record " << i;
    }
    EXPECT_EQ(bytes.substr(4 + 8 * 46, 8), std::string("C\0\x04\0\0\0\xC9\0", 8));  // Ctrl+C, ecCopy

    TSrcEditKeyStrokes loaded;
    loaded.AddKey(ecUndo, 'Q', kCtrl);
    stream.Position(0);
    loaded.LoadFromStream(stream);
    ASSERT_EQ(loaded.Count(), 82);
    for (int i = 0; i < 82; ++i) {
        EXPECT_EQ(Record(*loaded.Items(i)), Record(*keys.Items(i)));
    }
    loaded.Items(0)->SetShortCut(ShortCut('P', kCtrl));  // items know their new collection
    EXPECT_THROW(loaded.Items(1)->SetShortCut(ShortCut('P', kCtrl)), ESrcKeyError);

    stream.SetData(std::string("\xFF\xFF\xFF\xFF", 4));
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.Count(), 0);
}

TEST(SrcEditKeyCmdsTest, ShortOrOverlongStreamsRaiseAndLeaveTheBindings) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    TMemoryStream stream;
    keys.SaveToStream(stream);
    std::string whole = stream.Data();

    TSrcEditKeyStrokes target;
    target.AddKey(ecUndo, 'Q', kCtrl);
    for (const std::string& bytes : {whole.substr(0, 659), whole.substr(0, 3),
                                     std::string("\xFF\xFF\xFF\x7F", 4) + whole.substr(4, 16)}) {
        stream.SetData(bytes);
        try {
            target.LoadFromStream(stream);
            FAIL() << "a stream of " << bytes.size() << " bytes loaded";
        } catch (const EReadError& e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
        ASSERT_EQ(target.Count(), 1);
        EXPECT_EQ(target.Items(0)->Command(), ecUndo);
    }
}

TEST(SrcEditKeyCmdsTest, AddedAndRemovedListsRebuildChangedBindings) {
    TSrcEditKeyStrokes keys;
    keys.ResetDefaults();
    keys.Items(46)->SetShortCut(ShortCut('Q', kCtrl));  // Ctrl+C copies no more
    keys.Delete(keys.FindKeycode(112, {}));              // F1 removed
    TSrcEditKeyStroke* user = keys.Add();                // Ctrl+K, B added
    user->SetCommand(1001);
    user->SetShortCut(ShortCut('K', kCtrl));
    user->SetShortCut2(ShortCut('B', {}));

    TSrcEditKeyStrokes added, removed;
    AddedKeystrokes(keys, added);
    RemovedKeystrokes(keys, removed);
    ASSERT_EQ(added.Count(), 2);
    EXPECT_EQ(added.Items(0)->GetDisplayName(), "ecCopy - Ctrl+Q ");
    EXPECT_EQ(added.Items(1)->GetDisplayName(), "ecUserFirst - Ctrl+K B");
    ASSERT_EQ(removed.Count(), 2);
    EXPECT_EQ(removed.Items(0)->GetDisplayName(), "ecContextHelp - F1 ");
    EXPECT_EQ(removed.Items(1)->GetDisplayName(), "ecCopy - Ctrl+C ");

    TSrcEditKeyStrokes rebuilt;
    rebuilt.ResetDefaults();
    ApplyRemovedKeystrokes(rebuilt, removed);
    ApplyAddedKeystrokes(rebuilt, added);
    ASSERT_EQ(rebuilt.Count(), keys.Count());
    for (int i = 0; i < keys.Count(); ++i) {
        EXPECT_NE(rebuilt.FindShortcut2(keys.Items(i)->GetShortCut(), keys.Items(i)->GetShortCut2()), -1);
    }
    AddedKeystrokes(rebuilt, added);
    EXPECT_EQ(added.Count(), 2);
}

}  // namespace
