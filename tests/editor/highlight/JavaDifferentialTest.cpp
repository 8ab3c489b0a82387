// The Java highlighter against the reference tokenizer, on the JDK sources
// and on random lines.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "tests/editor/common/HighlighterTokens.h"
#include "tests/editor/common/JavaCorpus.h"

namespace {

// Scans the lines in order with the range carried; false (with a report)
// at the first difference.
::testing::AssertionResult SameAsReference(TSrcJavaSrc& java, const std::string& name,
                                           const std::vector<std::string>& lines) {
    java.ResetRange();
    int range = rsUnknown;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<RefToken> expected = ReferenceJavaLine(lines[i], range);
        std::vector<RefToken> actual = ScanTokens(java, lines[i], static_cast<int>(i));
        if (actual != expected || java.GetRange() != range) {
            auto failure = ::testing::AssertionFailure();
            failure << name << " line " << i + 1 << ": \"" << lines[i] << "\"\n  range " << java.GetRange()
                    << ", expected " << range << "\n  tokens:";
            for (size_t k = 0; k < std::max(actual.size(), expected.size()); ++k) {
                if (k < actual.size() && k < expected.size() && actual[k] == expected[k]) continue;
                failure << "\n    #" << k << " got ";
                k < actual.size() ? failure << actual[k] : failure << "none";
                failure << ", expected ";
                k < expected.size() ? failure << expected[k] : failure << "none";
            }
            return failure;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(JavaDifferential, JdkSourcesScanLikeTheReference) {
    ASSERT_TRUE(javacorpus::Available()) << javacorpus::kMissing;
    auto started = std::chrono::steady_clock::now();
    std::vector<javacorpus::SourceFile> files = javacorpus::Load(40);
    ASSERT_GE(files.size(), 40u) << "could not read the archive with unzip";
    TSrcJavaSrc java;
    size_t lines = 0;
    for (const javacorpus::SourceFile& file : files) {
        ASSERT_TRUE(SameAsReference(java, file.name, file.lines));
        lines += file.lines.size();
    }
    EXPECT_GT(lines, 1000u);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    RecordProperty("files", static_cast<int>(files.size()));
    RecordProperty("lines", static_cast<int>(lines));
    RecordProperty("milliseconds", static_cast<int>(seconds * 1000));
}

// Random text of Java fragments and awkward bytes, split at random.
std::vector<std::string> FuzzLines(unsigned seed, int count) {
    static const std::vector<std::string> pieces = {
        "/*", "*/", "/**", "/**/", "//", "/", "*", "\"", "\"\"\"", "'", "\\", ".", "..", "0x1F", "1.5e-3", "-",
        ">>>=", ">>", ">", "<<=", "<", "=", "!", "&", "|", "^", "%", "+", "(", ")", "[", "]",
        "{", "}", ";", "~", ",", ":", "?",
        "if", "IF", "class", "synchronized", "instanceof", "$x", "_y", "caf\xE9", "@", "#", "`",
        std::string(1, '\0'), "\xE9", "\x80", "\xFF", "\r", "\n", "\r\n", " ", "\t", "abc", "123", "\x01",
    };
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < static_cast<size_t>(count) * 24) {
        text += pieces[random() % pieces.size()];
    }
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < text.size() && static_cast<int>(lines.size()) < count;) {
        size_t length = random() % 48;
        lines.push_back(text.substr(pos, length));
        pos += length;
    }
    return lines;
}

TEST(JavaDifferential, RandomLinesScanLikeTheReference) {
    TSrcJavaSrc java;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        ASSERT_TRUE(SameAsReference(java, "fuzz seed " + std::to_string(seed), FuzzLines(seed, 3000)));
    }
}

}  // namespace
