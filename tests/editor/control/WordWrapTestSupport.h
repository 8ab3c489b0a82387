#pragma once
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "editor/control/SrcWordWrapPlugin.h"
#include "tests/editor/common/FakeSrcPlatform.h"

// Resizes the fake window to Columns text cells (gutter 30, cells 8 wide).
inline void SetColumns(SrcEditTestBase& Base, int Columns) {
    Base.window.client.Right = Base.edit->GutterWidth() + 2 + Columns * 8;
    Base.edit->SizeOrFontChanged(false);
}

// Runs Work on another thread and returns its result; a run that is not
// done within Seconds cannot be stopped, so the test program ends there.
template <class Work>
auto WithinSeconds(int Seconds, const char* WaitedFor, Work work) {
    auto result = std::async(std::launch::async, work);
    if (result.wait_for(std::chrono::seconds(Seconds)) != std::future_status::ready) {
        std::fprintf(stderr, "timed out after %d s waiting for %s\n", Seconds, WaitedFor);
        std::abort();
    }
    return result.get();
}

// What a plug-in holds: every row's length and every line's first row.
struct WrapSnapshot {
    std::vector<int> rowLengths;
    std::vector<int> firstRows;
    bool operator==(const WrapSnapshot&) const = default;
};

inline WrapSnapshot SnapshotOf(TSrcWordWrapPlugin& Plugin, int LineCount) {
    WrapSnapshot snapshot;
    for (int row = 1; row <= Plugin.GetRowCount(); ++row) {
        snapshot.rowLengths.push_back(Plugin.GetRowLength(row));
    }
    for (int line = 1; line <= LineCount; ++line) {
        snapshot.firstRows.push_back(Plugin.BufferToDisplayPos(BufferCoord(1, line)).Row);
    }
    return snapshot;
}

// Random source-like lines: words, punctuation, runs of blanks and tabs,
// empty lines, and now and then a long run with no break character.
class RandomLines {
public:
    explicit RandomLines(unsigned Seed) : rng_(Seed) {}

    std::string Line() {
        int kind = Pick(0, 19);
        if (kind == 0) {
            return std::string();
        }
        if (kind == 1) {
            return std::string(static_cast<size_t>(Pick(256, 600)), static_cast<char>('a' + Pick(0, 25)));
        }
        std::string line;
        int pieces = Pick(1, 30);
        for (int i = 0; i < pieces; ++i) {
            switch (Pick(0, 5)) {
                case 0: line += std::string(static_cast<size_t>(Pick(1, 12)), ' '); break;
                case 1: line += std::string(static_cast<size_t>(Pick(1, 3)), '\t'); break;
                case 2: line += kPunctuation[Pick(0, sizeof(kPunctuation) - 2)]; break;
                default: line += Word(); break;
            }
        }
        return line;
    }
    std::string Text(int Lines) {
        std::string text;
        for (int i = 0; i < Lines; ++i) {
            text += (i > 0 ? "\r\n" : "") + Line();
        }
        return text;
    }
    int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(rng_); }

private:
    static constexpr char kPunctuation[] = ".,;:()[]{}=+-*/\"'!?";
    std::string Word() {
        std::string word;
        int length = Pick(1, 14);
        for (int i = 0; i < length; ++i) {
            word += static_cast<char>(i > 0 && Pick(0, 5) == 0 ? '0' + Pick(0, 9) : 'a' + Pick(0, 25));
        }
        return word;
    }
    std::mt19937 rng_;
};
