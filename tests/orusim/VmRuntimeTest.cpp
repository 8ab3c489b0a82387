// Faults, memory limits, natives and the line as the running program meets them.
#include <gtest/gtest.h>

#include "tests/orusim/VmHarness.h"
#include "tools/orusim/Wire.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
// Compiles one class named Main with `body` as the body of main().
VmProgram MainProgram(const std::string& members, const std::string& body) {
    return VmProgram({}, {{"Main.java", "import torve.core.*;\npublic class Main {\n" + members +
                                            "\n static void main() {\n" + body + "\n }\n}\n"}});
}

int UncaughtLine(VmProgram& program, const RecordingHost& host) {
    const SentMessage* uncaught = host.Last(kMsgException);
    return program.LineOf(uint16_t((uncaught->body[2] << 8 | uncaught->body[3]) - 1));
}
}  // namespace

TEST(VmRuntime, UncaughtFaultNamesItsClassAndTheFaultingLine) {
    VmProgram program = MainProgram("static int divide(int a, int b) {\n return a / b;\n }",
                                    "System.out.println(divide(8, 2));\n System.out.println(divide(1, 0));");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    EXPECT_EQ(run->host.Text(), "4\n");
    EXPECT_EQ(program.UncaughtClass(run->host), "java/lang/ArithmeticException");
    EXPECT_EQ(UncaughtLine(program, run->host), 4) << "the division, not the throw inside the library";
    EXPECT_EQ(run->host.Last(kMsgEnded), nullptr);
}

TEST(VmRuntime, UncaughtThrowNamesTheThrowingLine) {
    VmProgram program = MainProgram("", "System.out.println(\"before\");\n throw new IllegalArgumentException();");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    EXPECT_EQ(program.UncaughtClass(run->host), "java/lang/IllegalArgumentException");
    EXPECT_EQ(UncaughtLine(program, run->host), 6);
}

TEST(VmRuntime, StackOverflowIsThrownAndTheProgramGoesOn) {
    VmProgram program = MainProgram(
        "static int depth;\n static void down() {\n depth++;\n down();\n }",
        "try {\n down();\n } catch (StackOverflowError e) {\n System.out.println(\"overflow\");\n }\n"
        " System.out.println(depth > 100);\n down();");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    EXPECT_EQ(run->host.Text(), "overflow\ntrue\n");
    EXPECT_EQ(program.UncaughtClass(run->host), "java/lang/StackOverflowError") << "the second time nobody catches it";
}

TEST(VmRuntime, OutOfMemoryIsThrownByTheMachineItself) {
    VmProgram program = MainProgram(
        "static int[] last;",
        "int n = 0;\n try {\n while (true) {\n last = new int[500];\n n++;\n }\n"
        " } catch (OutOfMemoryError e) {\n System.out.println(\"out of memory\");\n }\n"
        " System.out.println(n > 10);\n last = new int[5000];");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    EXPECT_EQ(run->host.Text(), "out of memory\ntrue\n");
    EXPECT_EQ(program.UncaughtClass(run->host), "java/lang/OutOfMemoryError");
}

TEST(VmRuntime, InputRequestsAreAnsweredByteByByte) {
    VmProgram program = MainProgram(
        "", "int b;\n while ((b = Terminal.getByte()) != -1) {\n System.out.print((char) (b + 1));\n }\n"
            " System.out.println(Terminal.getByte());");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image(), {'H', 'A', -1, 200});
    EXPECT_EQ(run->host.Text(), "IB200\n");
    EXPECT_EQ(run->host.inputRequests, 4);
}

TEST(VmRuntime, DelayWaitsOnTheClockAndOtherNativesAreNoted) {
    VmProgram program = MainProgram(
        "", "CPU.delay(125);\n CPU.writePin(3, true);\n System.out.print(CPU.readPin(3));\n"
            " System.out.println(CPU.readPin(4));\n EEPROM.eeWrite(9, 77);\n System.out.println(EEPROM.eeRead(9));");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    EXPECT_EQ(run->host.Text(), "truefalse\n77\n");
    EXPECT_EQ(run->host.now, 13) << "12.5 ms rounded up";
    EXPECT_EQ(run->host.natives, (std::vector<std::string>{"torve/core/CPU.writePin", "torve/core/CPU.readPin",
                                                           "torve/core/CPU.readPin", "torve/core/EEPROM.eeWrite",
                                                           "torve/core/EEPROM.eeRead"}));
}

TEST(VmRuntime, LongTextIsSplitIntoMessages) {
    VmProgram program = MainProgram(
        "", "StringBuffer b = new StringBuffer();\n for (int i = 0; i < 2500; i++) {\n"
            " b.append((char) ('a' + i % 26));\n }\n CPU.message(b.toString());");
    ASSERT_EQ(program.Link("Main"), "");
    auto run = RunOnEngine(program.Image());
    std::string expected;
    for (int i = 0; i < 2500; ++i) expected += char('a' + i % 26);
    EXPECT_EQ(run->host.Text(), expected);
    int texts = 0;
    for (const SentMessage& m : run->host.messages) {
        if (m.type != kMsgText) continue;
        ++texts;
        EXPECT_LE(m.body.size(), OruVmEngine::kTextChunk);
    }
    EXPECT_EQ(texts, 3);
}

TEST(VmRuntime, AProgramWaitsWhileTheLineIsBacklogged) {
    VmProgram program = MainProgram("", "for (int i = 0; i < 3; i++) {\n System.out.print(i);\n }");
    ASSERT_EQ(program.Link("Main"), "");
    struct BackloggedHost : RecordingHost {
        size_t OutputBacklog() override { return backlog; }
        size_t backlog = OruVmEngine::kBacklogLimit + 1;
    } host;
    OruVmEngine engine;
    engine.Attach(&host);
    engine.Boot(program.Image());
    engine.Run();
    engine.Advance();
    EXPECT_EQ(engine.Machine().Executed(), 0u);
    EXPECT_EQ(engine.NextWorkTime(), host.now + 1);
    host.backlog = 0;
    for (int i = 0; i < 10 && engine.Running(); ++i) engine.Advance();
    EXPECT_EQ(host.Text(), "012");
}

TEST(VmRuntime, DamagedImagesNeitherCrashNorEscapeMemory) {
    VmProgram program = MainProgram("", "System.out.println(\"fine\");");
    ASSERT_EQ(program.Link("Main"), "");
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 40; ++round) {
        std::vector<uint8_t> image = program.Image();
        for (int i = 0; i < 1 + round; ++i) image[next() % image.size()] = uint8_t(next() >> 16);
        if (round % 4 == 0) image.resize(next() % image.size());
        auto run = RunOnEngine(image, {}, 5);
        for (const SentMessage& m : run->host.messages) EXPECT_LE(m.type, kMsgEnded);
    }
}
