#include <gtest/gtest.h>

#include <random>

#include "editor/search/SrcRegex.h"

namespace {

// Random expressions over the metacharacters: each either compiles and runs,
// or raises ERegex; nothing else may happen.
TEST(RegexRobustness, RandomExpressionsRaiseOnlyERegex) {
    std::mt19937 rng(77);
    const std::string alphabet = "ab()[]{}|*+?^$.\\-,0123dwsbBxAZ#i: \n";
    const std::string subjectAlphabet = "aab\n 1-";
    int compiled = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string pattern(rng() % 12 + 1, ' ');
        for (char& c : pattern) c = alphabet[rng() % alphabet.size()];
        std::string subject(rng() % 16, ' ');
        for (char& c : subject) c = subjectAlphabet[rng() % subjectAlphabet.size()];
        TRegex r;
        r.SetModifierStr(rng() % 2 ? "imx" : "-imx");
        r.StepLimit = 200000;
        r.SetExpression(pattern);
        try {
            r.Compile();
            ++compiled;
            if (r.Exec(subject)) {
                ASSERT_GE(r.GetMatchPos(0), 1);
                ASSERT_LE(r.GetMatchPos(0) + r.GetMatchLen(0), static_cast<int>(subject.size()) + 1);
                while (r.ExecNext()) {
                }
            }
            r.Dump();
            r.Substitute("$1${2}\\$&");
        } catch (const ERegex& e) {
            ASSERT_NE(TRegex::ErrorMsg(e.ErrorCode), "Unknown error") << pattern;
            ASSERT_LT(e.ErrorCode, 1000) << pattern << " raised " << e.what();
        }
    }
    EXPECT_GT(compiled, 3000);
}

}  // namespace
