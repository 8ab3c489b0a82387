#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "tests/editor/common/CommandRecorder.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

using Log = std::vector<std::string>;
const TShiftState kCtrl{ssCtrl};

// A control that records the commands it would execute.
class ExecutingEdit : public TSrcEdit {
public:
    void ExecuteCommand(TSrcEditorCommand Command, char AChar, void*) override {
        Executed.push_back(EditorCommandToCodeString(Command) + (AChar ? std::string(" ") + AChar : ""));
    }
    Log Executed;
};

// A handler object whose behaviour each test sets.
struct Handler {
    std::string Name;
    Log* Trace;
    std::function<void(uint16_t&)> OnKey = [](uint16_t&) {};
    void KeyDown(TObject*, uint16_t& Key, TShiftState) {
        Trace->push_back(Name);
        OnKey(Key);
    }
    TKeyEvent Event() { return TKeyEvent::Of<&Handler::KeyDown>(this); }

    std::function<void(bool, bool&)> OnHook = [](bool, bool&) {};
    void Hooked(TObject*, bool After, bool& Handled, TSrcEditorCommand& Command, char&, void*, void* Data) {
        Trace->push_back(Name + (After ? " after " : " before ") + EditorCommandToCodeString(Command) + " " +
                         static_cast<const char*>(Data));
        OnHook(After, Handled);
    }
    THookedCommandEvent HookEvent() { return THookedCommandEvent::Of<&Handler::Hooked>(this); }
};

class SrcEditCommandProcessorTest : public ::testing::Test, public SrcEditTestBase {
protected:
    SrcEditCommandProcessorTest() {
        recorder.Attach(control);
        control.SetWindowServices(&window);
    }
    ~SrcEditCommandProcessorTest() override { control.SetWindowServices(nullptr); }

    // A key-down and the character the platform sends after it.
    void Type(uint16_t Key, TShiftState Shift, char Char) {
        control.KeyDown(Key, Shift);
        if (Char) {
            control.KeyPress(Char);
        }
        control.KeyUp(Key, Shift);
    }

    ExecutingEdit control;
    CommandRecorder recorder;
    Log trace;
};

TEST_F(SrcEditCommandProcessorTest, BoundKeyRunsItsCommandAndSwallowsTheCharacterAfterIt) {
    uint16_t key = 'C';
    control.KeyDown(key, kCtrl);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(control.StateFlags().Contains(sfIgnoreNextChar));
    char ch = 3;
    control.KeyPress(ch);
    EXPECT_FALSE(control.StateFlags().Contains(sfIgnoreNextChar));
    Type('A', {}, 'a');
    EXPECT_EQ(control.Executed, (Log{"ecCopy", "ecChar a"}));
    EXPECT_EQ(recorder.Take(), (Log{"ecCopy", "ecChar 61"}));

    control.SetKeystrokes(nullptr);  // no bindings at all
    Type(13, {}, '\r');
    Type('C', kCtrl, 'c');
    EXPECT_EQ(recorder.Take(), (Log{"ecChar 0d", "ecChar 63"}));
}

TEST_F(SrcEditCommandProcessorTest, KeyDownChainRunsNewestFirstUntilTheKeyIsConsumed) {
    Handler event{"event", &trace}, oldest{"oldest", &trace}, middle{"middle", &trace}, newest{"newest", &trace};
    control.OnKeyDown = event.Event();
    control.AddKeyDownHandler(oldest.Event());
    control.AddKeyDownHandler(middle.Event());
    control.AddKeyDownHandler(newest.Event());
    uint16_t key = 37;
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"event", "newest", "middle", "oldest"}));
    control.OnKeyDown = nullptr;

    trace.clear();
    middle.OnKey = [](uint16_t& Key) { Key = 0; };
    key = 37;
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"newest", "middle"}));
    EXPECT_EQ(recorder.Take(), (Log{"ecLeft"}));  // handled before translation: ecLeft still ran once

    control.RemoveKeyDownHandler(middle.Event());
    trace.clear();
    key = 37;
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"newest", "oldest"}));
}

TEST_F(SrcEditCommandProcessorTest, HandlersThatChangeTheirChainDuringTheWalk) {
    Handler first{"first", &trace}, second{"second", &trace}, third{"third", &trace}, added{"added", &trace};
    control.AddKeyDownHandler(first.Event());
    control.AddKeyDownHandler(second.Event());
    control.AddKeyDownHandler(third.Event());
    // The newest removes itself and the next older one.
    third.OnKey = [&](uint16_t&) {
        control.RemoveKeyDownHandler(third.Event());
        control.RemoveKeyDownHandler(second.Event());
    };
    uint16_t key = 'X';
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"third", "first"}));

    trace.clear();
    first.OnKey = [&](uint16_t&) { control.AddKeyDownHandler(added.Event()); };
    control.AddKeyDownHandler(second.Event());
    control.KeyDown(key, {});
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"second", "first", "added", "second", "first"}));

    // A handler that raises leaves its chain working; one that types
    // again does not re-enter it.
    control.RemoveKeyDownHandler(added.Event());
    control.RemoveKeyDownHandler(added.Event());
    trace.clear();
    first.OnKey = [](uint16_t&) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(control.KeyDown(key, {}), std::runtime_error);
    first.OnKey = [&](uint16_t&) {
        uint16_t again = 'Y';
        control.KeyDown(again, {});
    };
    control.KeyDown(key, {});
    EXPECT_EQ(trace, (Log{"second", "first", "second", "first"}));
}

TEST_F(SrcEditCommandProcessorTest, TwoStrokeBindingFiresOnTheSecondStrokeOnly) {
    control.AddKey(ecUserFirst, 'K', kCtrl, 'B', {});
    Type('K', kCtrl, 0x0B);
    Type('B', {}, 'b');
    EXPECT_EQ(recorder.Take(), (Log{"ecChar 0b", "ecUserFirst"}));

    Type('K', kCtrl, 0x0B);
    Type(37, {}, 0);  // Left has a binding of its own and forgets Ctrl+K
    Type('B', {}, 'b');
    EXPECT_EQ(recorder.Take(), (Log{"ecChar 0b", "ecLeft", "ecChar 62"}));

    Type('K', kCtrl, 0x0B);
    Type(16, {ssShift}, 0);  // a modifier alone forgets it too
    Type('B', {}, 'b');
    EXPECT_EQ(recorder.Take(), (Log{"ecChar 0b", "ecChar 62"}));
    EXPECT_EQ(control.Executed, (Log{"ecChar \x0b", "ecChar \x0b", "ecLeft", "ecChar b", "ecChar \x0b", "ecChar b"}));
}

TEST_F(SrcEditCommandProcessorTest, PipelineEventsAndHookedHandlers) {
    Handler hook{"hook", &trace};
    char data[] = "data";
    control.RegisterCommandHandler(hook.HookEvent(), data);
    control.RegisterCommandHandler(hook.HookEvent(), nullptr);  // kept once, with its old data
    control.RegisterCommandHandler(nullptr, data);
    EXPECT_EQ(control.GetHookedCommandHandlersCount(), 1);
    control.CommandProcessor(ecUndo, 0, nullptr);
    EXPECT_EQ(trace, (Log{"hook before ecUndo data", "hook after ecUndo data"}));
    EXPECT_EQ(control.Executed, (Log{"ecUndo"}));

    // A user command reaches its event and the hooks, never the control.
    trace.clear();
    control.Executed.clear();
    TSrcEditorCommand seenUser = 0;
    struct UserEvent {
        TSrcEditorCommand* Seen;
        void Fire(TObject*, TSrcEditorCommand& Command, char&, void*) { *Seen = Command; }
    } user{&seenUser};
    control.OnProcessUserCommand = TProcessCommandEvent::Of<&UserEvent::Fire>(&user);
    control.CommandProcessor(1001, 0, nullptr);
    EXPECT_EQ(seenUser, 1001);
    EXPECT_EQ(trace, (Log{"hook before ecUserFirst data", "hook after ecUserFirst data"}));
    EXPECT_TRUE(control.Executed.empty());

    // Handled in the before call cancels execution and the after calls.
    trace.clear();
    hook.OnHook = [](bool After, bool& Handled) { Handled = !After; };
    control.CommandProcessor(ecPaste, 0, nullptr);
    EXPECT_EQ(trace, (Log{"hook before ecPaste data"}));
    EXPECT_TRUE(control.Executed.empty());

    // OnProcessCommand cancelling: no hooks, no execution, but processed.
    trace.clear();
    struct Cancel {
        void Fire(TObject*, TSrcEditorCommand& Command, char&, void*) { Command = ecNone; }
    } cancel;
    control.OnProcessCommand = TProcessCommandEvent::Of<&Cancel::Fire>(&cancel);
    recorder.Take();
    control.CommandProcessor(ecCut, 0, nullptr);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(recorder.Take(), (Log{"ecNone"}));

    control.UnregisterCommandHandler(hook.HookEvent());
    EXPECT_EQ(control.GetHookedCommandHandlersCount(), 0);
    EXPECT_EQ(control.FindHookedCmdEvent(hook.HookEvent()), -1);
}

TEST_F(SrcEditCommandProcessorTest, HookedHandlerUnregisteringOthersWhileNotified) {
    Handler a{"a", &trace}, b{"b", &trace}, c{"c", &trace};
    char tag[] = "";
    control.RegisterCommandHandler(a.HookEvent(), tag);
    control.RegisterCommandHandler(b.HookEvent(), tag);
    control.RegisterCommandHandler(c.HookEvent(), tag);
    a.OnHook = [&](bool, bool&) {
        control.UnregisterCommandHandler(a.HookEvent());
        control.UnregisterCommandHandler(b.HookEvent());
        control.RegisterCommandHandler(b.HookEvent(), tag);
    };
    control.CommandProcessor(ecUndo, 0, nullptr);
    EXPECT_EQ(trace, (Log{"a before ecUndo ", "c before ecUndo ", "c after ecUndo ", "b after ecUndo "}));
}

TEST_F(SrcEditCommandProcessorTest, InputMethodTextAndFocusCommands) {
    control.ImeResult("\xE9", 1);
    char repeated = '\xE9', next = 'x';
    control.KeyPress(repeated);
    control.KeyPress(next);
    control.ImeResult("ab", 0);
    control.FocusIn();
    control.FocusOut();
    EXPECT_EQ(recorder.Take(), (Log{"ecImeStr [e9]", "ecChar 78", "ecImeStr [61 62]", "480", "481"}));
}

}  // namespace
