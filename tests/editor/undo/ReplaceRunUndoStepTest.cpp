#include <deque>
#include <functional>

#include "editor/search/SrcEditSearch.h"
#include "tests/editor/undo/UndoTestBase.h"

namespace {

// Under eoGroupUndo a replace run is one undo step of its own: the edits
// just before and after it, of whatever kind, are never taken back with it.
class ReplaceRunUndoStepTest : public UndoTestBase {
protected:
    ReplaceRunUndoStepTest() {
        edit->SetSearchEngine(&search);
        edit->OnReplaceText = TReplaceTextEvent::Of<&ReplaceRunUndoStepTest::Answer>(this);
    }
    ~ReplaceRunUndoStepTest() override { edit->SetSearchEngine(nullptr); }

    void Answer(TObject*, const std::string&, const std::string&, int, int, TSrcReplaceAction& Action) {
        Action = answers.empty() ? raCancel : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
    }

    using Step = std::function<void()>;
    Step TypeAt(TBufferCoord At, const std::string& Text) {
        return [=, this] {
            edit->SetCaretXY(At);
            Type(Text);
        };
    }
    Step TypeHere(const std::string& Text) {
        return [=, this] { Type(Text); };
    }
    Step DeleteSelected(TBufferCoord From, TBufferCoord To) {
        return [=, this] {
            Select(smNormal, From, To);
            Run(ecDeleteLastChar);
        };
    }
    Step Replace(const std::string& With, TSrcSearchOptions Options,
                 const std::vector<TSrcReplaceAction>& Answers = {}) {
        return [=, this] {
            answers.assign(Answers.begin(), Answers.end());
            edit->SearchReplace("a", With, Options);
        };
    }

    TSrcEditSearch search;
    std::deque<TSrcReplaceAction> answers;
};

const TSrcSearchOptions kAll{ssoReplaceAll, ssoEntireScope};
const TSrcSearchOptions kPrompted{ssoReplaceAll, ssoPrompt, ssoEntireScope};
const TSrcSearchOptions kOnce{ssoReplace, ssoEntireScope};

TEST_F(ReplaceRunUndoStepTest, EachUndoTakesBackExactlyOneEdit) {
    struct Row {
        const char* name;
        std::vector<Step> steps;
    };
    const Row rows[] = {
        {"typing after Replace All", {Replace("b", kAll), TypeHere("x")}},
        {"typing before and after", {TypeAt(BufferCoord(6, 1), "x"), Replace("b", kAll), TypeHere("y")}},
        {"a selection deleted before", {DeleteSelected(BufferCoord(2, 1), BufferCoord(4, 1)), Replace("b", kAll)}},
        {"one Replace between typing", {TypeAt(BufferCoord(1, 2), "x"), Replace("b", kOnce), TypeHere("y")}},
        {"prompted, answered Replace All",
         {DeleteSelected(BufferCoord(5, 1), BufferCoord(6, 1)), Replace("b", kPrompted, {raReplaceAll}),
          TypeHere("x")}},
        {"prompted, one Replace by nothing after a deletion",
         {DeleteSelected(BufferCoord(1, 2), BufferCoord(2, 2)), Replace("", kPrompted, {raSkip, raReplace}),
          TypeHere("x")}},
        {"prompted, skipped then Replace All, breaking lines",
         {TypeAt(BufferCoord(1, 1), "x"), Replace("b\r\n", kPrompted, {raSkip, raReplaceAll}), TypeHere("y")}},
    };
    for (const Row& row : rows) {
        SetLines({"abaca", "da"});
        edit->ClearUndo();
        std::vector<Lines> texts{AllLines()};
        for (const Step& step : row.steps) {
            step();
            texts.push_back(AllLines());
            ASSERT_NE(texts.back(), texts[texts.size() - 2]) << row.name << ": a step that changed nothing";
        }
        for (size_t k = texts.size() - 1; k > 0; --k) {
            edit->Undo();
            EXPECT_EQ(AllLines(), texts[k - 1]) << row.name << ": undo of step " << k;
        }
        EXPECT_FALSE(edit->CanUndo()) << row.name;
        for (size_t k = 1; k < texts.size(); ++k) {
            edit->Redo();
            EXPECT_EQ(AllLines(), texts[k]) << row.name << ": redo of step " << k;
        }
        EXPECT_FALSE(edit->CanRedo()) << row.name;
    }
}

}  // namespace
