#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "foundation/EError.h"
#include "tests/linker/LinkFixture.h"

namespace {
const char* const ProgramNames[] = {"Hello",   "Strings",    "Arithmetic", "Arrays", "Shapes",
                                    "Statics", "Exceptions", "Switches",   "Inner"};
const char* const ExampleNames[] = {"examples/Hello", "examples/Echo", "examples/Stepping",
                                    "examples/Uncaught"};

// "Name" is a test program alone; "folder/Name" links Name out of every source of the folder.
TSources SourcesOf(const std::string& param) {
    size_t slash = param.rfind('/');
    if (slash == std::string::npos) return ProgramSources({param + ".java"});
    return FolderSources(param.substr(0, slash));
}

std::string MainOf(const std::string& param) {
    return param.substr(param.rfind('/') + 1);
}

class ProgramLink : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        program = std::make_unique<LinkedProgram>(SourcesOf(GetParam()));
        ASSERT_EQ(program->Link(MainOf(GetParam())), "");
        parsed = program->Check();
    }
    std::unique_ptr<LinkedProgram> program;
    TOruImage parsed;
};

// The line the class file's own table gives for a pc.
int LineOfPc(const TJavaMethod& method, uint32_t pc) {
    int line = -1;
    uint32_t best = 0;
    for (const TLineNumber& entry : method.LineNumbers)
        if (entry.StartPc <= pc && (line < 0 || entry.StartPc >= best)) {
            best = entry.StartPc;
            line = entry.Line;
        }
    return line;
}

std::vector<uint32_t> JvmInstructionStarts(const CJavaClass& javaClass, int m) {
    std::vector<uint32_t> starts;
    uint32_t pc = 0;
    while (pc < javaClass.GetCodeLength(m)) {
        starts.push_back(pc);
        javaClass.NextInstruction(m, pc);
    }
    return starts;
}
}  // namespace

TEST_P(ProgramLink, MainClassAndThrowableComeFirst) {
    EXPECT_EQ(program->Linker().GetClass(0)->GetClassName(), MainOf(GetParam()));
    EXPECT_STREQ(program->Linker().GetClass(1)->GetClassName(), "java/lang/Throwable");
}

TEST_P(ProgramLink, TranslatePcAgreesWithTheLineTablesAtEveryInstruction) {
    CORULinker& linker = program->Linker();
    const CJavaClass* mainClass = linker.GetMainMethodClass();
    for (int i = 0; i < linker.GetClassCount(); ++i) {
        CJavaClass* javaClass = linker.GetClass(i);
        for (int m = 0; m < javaClass->GetMethodCount(); ++m) {
            if (javaClass->GetCodeLength(m) == 0) continue;
            const TJavaMethod& method = javaClass->Methods[m];
            uint32_t prologue = uint32_t(linker.GetMainPrologueSize(javaClass, m));
            for (uint32_t pc : JvmInstructionStarts(*javaClass, m)) {
                uint32_t address = javaClass->GetMethodImageOffset(m) + prologue + pc;
                int line = 0, jvmPc = 0;
                std::string source = linker.TranslatePC(address, line, jvmPc);
                EXPECT_EQ(jvmPc, int(pc)) << javaClass->GetClassName() << "." << javaClass->GetMethodName(m);
                // The main method's table was shifted by its prologue; compare
                // against the unshifted pcs.
                int expected = LineOfPc(
                    method,
                    pc + (javaClass == mainClass && int(m) == linker.GetMainMethodIndex() ? prologue : 0));
                EXPECT_EQ(line, expected)
                    << javaClass->GetClassName() << "." << javaClass->GetMethodName(m) << " pc " << pc;
                EXPECT_EQ(source, javaClass->GetSourceName());
            }
        }
    }
}

TEST_P(ProgramLink, BreakpointsLandOnInstructionStarts) {
    CORULinker& linker = program->Linker();
    std::vector<uint32_t> starts;
    for (const TOruCodeRange& range : parsed.Code)
        starts.insert(starts.end(), range.InstructionStarts.begin(), range.InstructionStarts.end());
    std::sort(starts.begin(), starts.end());
    std::string source = program->ClassDir() + "/" + MainOf(GetParam()) + ".java";
    int found = 0;
    for (int line = 1; line < 80; ++line) {
        try {
            uint32_t address = linker.FindBreakpointAddress(source, line);
            EXPECT_TRUE(std::binary_search(starts.begin(), starts.end(), address)) << "line " << line;
            int snapped = linker.FindBreakableLine(source, line);
            EXPECT_GE(snapped, line);
            ++found;
        } catch (const EError& e) {
            EXPECT_EQ(e.Number, 20) << e.Message;
        }
    }
    EXPECT_GT(found, 0);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramLink, ::testing::ValuesIn(ProgramNames),
                         [](const auto& info) { return std::string(info.param); });
INSTANTIATE_TEST_SUITE_P(Examples, ProgramLink, ::testing::ValuesIn(ExampleNames),
                         [](const auto& info) { return MainOf(info.param); });
