#include <gtest/gtest.h>

#include <filesystem>

#include "tests/linker/ClassFixture.h"
#include "tests/linker/fuzz/ClassFileExercise.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

namespace {

using classfuzz::ExerciseClassFile;

// A failed load answers with one of the reader's codes, nothing else.
void ExpectCodedAnswer(const std::string& name, const std::string& bytes, const std::string& what) {
    const std::string message = ExerciseClassFile(name, bytes);
    if (message.empty()) return;
    static const char* const codes[] = {"JVM-0013", "JVM-0018", "JVM-0019", "JVM-0020", "JVM-0021", "JVM-0032"};
    bool coded = false;
    for (const char* code : codes) coded = coded || message.rfind(std::string("[ Error ") + code + "]", 0) == 0;
    EXPECT_TRUE(coded) << what << ": " << message;
}

std::vector<std::pair<std::string, std::string>> Seeds() {
    std::vector<std::pair<std::string, std::string>> seeds;
    for (const char* name : {"Base", "Derived", "Fields", "Lines", "Listing", "java/lang/Object"})
        seeds.emplace_back(name, TestClassBytes(name));
    return seeds;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value, int width) {
    for (int i = 0; i < width && at + i < bytes.size(); ++i)
        bytes[at + i] = char(value >> (8 * (width - 1 - i)));
}

}  // namespace

TEST(ClassReaderFuzz, SeedsLoadAndAnswerEveryQuery) {
    for (const auto& [name, bytes] : Seeds()) EXPECT_EQ(ExerciseClassFile(name, bytes), "") << name;
}

TEST(ClassReaderFuzz, TruncatedFiles) {
    for (const auto& [name, bytes] : Seeds())
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            ExpectCodedAnswer(name, bytes.substr(0, cut), name + " cut at " + std::to_string(cut));
}

TEST(ClassReaderFuzz, AbsurdCountsAndLengthsAtEveryOffset) {
    const uint32_t values16[] = {0xFFFF, 0x8000, 0x0000, 0x0001};
    const uint32_t values32[] = {0xFFFFFFFF, 0x7FFFFFFF, 0x00010000};
    for (const auto& [name, bytes] : Seeds()) {
        for (size_t at = 0; at + 1 < bytes.size(); ++at) {
            for (uint32_t value : values16) {
                std::string mutated = bytes;
                PutBigEndian(mutated, at, value, 2);
                ExpectCodedAnswer(name, mutated, name + " u2 at " + std::to_string(at));
            }
            for (uint32_t value : values32) {
                std::string mutated = bytes;
                PutBigEndian(mutated, at, value, 4);
                ExpectCodedAnswer(name, mutated, name + " u4 at " + std::to_string(at));
            }
        }
    }
}

TEST(ClassReaderFuzz, RegressionCorpus) {
    const std::string dir = SourceDir() + "/tests/linker/fuzz/corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string bytes = TempDir::ReadFile(entry.path().string());
        for (const std::string& name : classfuzz::SeedClassNames())
            ExpectCodedAnswer(name, bytes, entry.path().filename().string());
        ++files;
    }
    EXPECT_GT(files, 0);
}
