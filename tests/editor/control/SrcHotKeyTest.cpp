#include <gtest/gtest.h>

#include "editor/control/SrcHotKey.h"

namespace {

const TShiftState kNone{}, kShift{ssShift}, kCtrl{ssCtrl}, kAlt{ssAlt};

struct TStroke {
    uint16_t Key;
    TShiftState Shift;
    const char* Text;
    TShortCut HotKey;
};

class CountingHotKey : public TSrcHotKey {
public:
    int Changes = 0;

protected:
    void Changed() override { ++Changes; }
};

TEST(SrcHotKeyTest, KeyDownWithTheDefaultRules) {
    const TStroke strokes[] = {
        {'A', kNone, "Alt+A", scAlt | 'A'},  // plain key: invalid
        {'B', kShift, "Alt+B", scAlt | 'B'},  // Shift alone: invalid
        {'C', kCtrl, "Ctrl+C", scCtrl | 'C'},
        {112, {ssShift, ssAlt, ssCtrl}, "Ctrl+Shift+Alt+F1", scCtrl | scShift | scAlt | 112},
        {45, {ssShift, ssCtrl}, "Ctrl+Shift+Ins", scCtrl | scShift | 45},
        {9, {ssAlt, ssLeft}, "Alt+Tab", scAlt | 9},  // buttons are no modifiers
        {17, kNone, "Ctrl+", 0},  // modifiers alone, as held
        {16, kShift, "Shift+", 0},
        {18, {ssShift, ssCtrl}, "Ctrl+Shift+Alt+", 0},
        {0, kCtrl, "Ctrl+", 0},  // a key without a code
        {0x1BA, kNone, "(None)", 0},  // out of the shortcut range
    };
    for (const TStroke& s : strokes) {
        TSrcHotKey hotKey;
        hotKey.KeyDown(s.Key, s.Shift);
        EXPECT_EQ(hotKey.Text(), s.Text) << s.Key;
        EXPECT_EQ(hotKey.HotKey(), s.HotKey) << s.Key;
    }
}

TEST(SrcHotKeyTest, DefaultsThenOwnRulesAndSetHotKey) {
    TSrcHotKey hotKey;
    EXPECT_EQ(hotKey.BorderStyle(), bsSingle);
    EXPECT_EQ(hotKey.InvalidKeys(), (THKInvalidKeys{hcNone, hcShift}));
    EXPECT_EQ(hotKey.Modifiers(), THKModifiers{hkAlt});
    EXPECT_EQ(hotKey.HotKey(), scAlt | 'A');  // the plain A of the constructor
    EXPECT_EQ(hotKey.Text(), "Alt+A");
    hotKey.SetInvalidKeys({hcCtrl, hcShiftCtrlAlt});
    hotKey.SetModifiers({hkShift, hkCtrl});
    const std::pair<TShortCut, const char*> values[] = {
        {'A', "A"},
        {scCtrl | 'A', "Ctrl+Shift+A"},
        {scCtrl | scShift | scAlt | 'A', "Ctrl+Shift+A"},
        {scCtrl, "(None)"},  // no key
        {0, "(None)"},
    };
    for (auto [value, text] : values) {
        hotKey.SetHotKey(value);
        EXPECT_EQ(hotKey.Text(), text) << value;
    }
    EXPECT_EQ(hotKey.HotKey(), 0);
    hotKey.SetHotKey(scCtrl | 'A');
    EXPECT_EQ(hotKey.HotKey(), scCtrl | scShift | 'A');
}

TEST(SrcHotKeyTest, ReleasingEndsOnlyAModifiersDisplay) {
    CountingHotKey hotKey;
    hotKey.KeyDown(16, kShift);
    hotKey.Changes = 0;
    hotKey.KeyDown(16, kShift);  // auto-repeat changes nothing
    EXPECT_EQ(hotKey.Changes, 0);
    hotKey.KeyUp();
    hotKey.KeyUp();
    EXPECT_EQ(hotKey.Text(), "(None)");
    EXPECT_EQ(hotKey.Changes, 1);
    hotKey.SetBorderStyle(bsSingle);
    hotKey.SetBorderStyle(bsNone);
    EXPECT_EQ(hotKey.Changes, 2);
}

}  // namespace
