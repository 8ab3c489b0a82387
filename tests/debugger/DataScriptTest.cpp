// The refresh against a scripted module: stack lines and frame links.
#include <gtest/gtest.h>

#include <cstring>

#include "foundation/EError.h"
#include "tests/debugger/DataWindowFixture.h"
#include "tools/orusim/ScriptedEngine.h"

namespace {

class DataScript : public ::testing::Test {
protected:
    DataScript()
    {
        linker = rig.Link(SpinProgram(), "Spin");
        engine.SetConfig({36864, 0, 32768});
        link.Connect();
        link.Reset(false);
        for (int i = 0; i < linker->GetClassCount(); ++i)
            for (const TMethodTableEntry& entry : linker->GetClass(i)->MethodTable)
                if (std::strcmp(entry.MethodName, "main") == 0 && std::strcmp(entry.ClassName, "Spin") == 0) {
                    mainRecord = entry.ImageOffset;
                    mainCode = entry.Owner->GetMethodImageOffset(entry.OwnerIndex);
                }
        base = uint16_t(linker->GetStackOffset());
        window.Attach(&link);
    }
    ~DataScript() override { GlobalOptions.debugDataView = false; }

    // A frame of main (one local) at offset at: local, caller, frame link, return.
    void PutFrame(std::vector<uint8_t>& bytes, size_t at, uint16_t local, uint16_t caller, uint16_t link,
                  uint16_t back)
    {
        if (bytes.size() < at + 8) bytes.resize(at + 8);
        const uint16_t words[] = {local, caller, link, back};
        for (size_t i = 0; i < 4; ++i) {
            bytes[at + 2 * i] = uint8_t(words[i] >> 8);
            bytes[at + 2 * i + 1] = uint8_t(words[i]);
        }
    }
    void SetStack(std::vector<uint8_t> bytes, size_t current)
    {
        engine.SetStack({uint16_t(base + bytes.size()), uint16_t(base + current), mainRecord, std::move(bytes)});
    }
    std::string Raised()
    {
        try {
            window.RefreshStack(4);
        } catch (const EError& e) {
            return e.Message;
        }
        return "nothing raised";
    }
    std::vector<std::string> StackLines() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : rig.sink.lines)
            if (line.rfind("[Debug] Stack: ", 0) == 0) lines.push_back(line.substr(15));
        return lines;
    }

    SessionRig rig;
    std::unique_ptr<CORULinker> linker;
    uint16_t mainRecord = 0;
    uint16_t mainCode = 0;
    uint16_t base = 0;
    orusim::ScriptedEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module{rig.clock, engine, log};
    orusim::MemoryTransport port{module};
    TSXComm link{port, rig.host, rig.clock};
    TMemoryDebugTree stackTree;
    TMemoryDebugTree staticTree;
    RecordingMemoryPage page;
    TDataWindow window{stackTree, staticTree, page, [this] { return linker.get(); }};
};

TEST_F(DataScript, OneMainFrameGivesOneOpenLine)
{
    std::vector<uint8_t> bytes;
    PutFrame(bytes, 0, 7, 0xFFFF, 0, 0);
    SetStack(bytes, 0);
    window.RefreshStack(4);
    ASSERT_EQ(stackTree.ChildCount(nullptr), 1);
    EXPECT_EQ(stackTree.Shown(), (std::vector<std::string>{"Spin::main()", "  int i = 7 0x0007 '..'"}));
    EXPECT_EQ(stackTree.UpdateDepth(), 0);
    EXPECT_EQ(window.NodeCount(), 2u) << "the static root and one frame";
}

TEST_F(DataScript, StackLinesHoldThirtyOneBytesThenThirty)
{
    GlobalOptions.debugDataView = true;
    std::vector<uint8_t> bytes(31, 0xAB);
    PutFrame(bytes, 0, 7, 0xFFFF, 0, 0);
    SetStack(bytes, 0);
    window.RefreshStack(4);
    ASSERT_EQ(StackLines().size(), 1u);
    EXPECT_EQ(StackLines()[0].size(), 31u * 3);
    EXPECT_EQ(StackLines()[0].substr(0, 12), "00 07 FF FF ");

    rig.sink.Clear();
    bytes.push_back(0x5C);
    SetStack(bytes, 0);
    window.RefreshStack(4);
    EXPECT_EQ(StackLines(), (std::vector<std::string>{StackLines()[0], "5C "}));
    EXPECT_EQ(StackLines()[0].size(), 31u * 3);
}

TEST_F(DataScript, ALinkOutsideTheSnapshotOrToItselfEndsWithTheTreesSoFar)
{
    std::vector<uint8_t> bytes;
    PutFrame(bytes, 0, 1, 0xFFFF, 0, 0);
    PutFrame(bytes, 8, 2, mainRecord, uint16_t(base - 100), mainCode);
    SetStack(bytes, 8);
    EXPECT_NE(Raised().find("Internal IDE error (98)."), std::string::npos);
    EXPECT_EQ(stackTree.ChildCount(nullptr), 2) << "both frames were built";
    EXPECT_EQ(stackTree.UpdateDepth(), 0) << "updates resumed";
    EXPECT_EQ(staticTree.ChildCount(nullptr), 1);

    PutFrame(bytes, 8, 2, mainRecord, uint16_t(base + 8), mainCode);
    SetStack(bytes, 8);
    EXPECT_NE(Raised().find("Stack trace is corrupt."), std::string::npos);
    EXPECT_EQ(stackTree.ChildCount(nullptr), 1);
    EXPECT_EQ(stackTree.UpdateDepth(), 0);

    // A sound walk afterwards: the caller's pc comes from the return address.
    PutFrame(bytes, 8, 2, mainRecord, base, mainCode);
    SetStack(bytes, 8);
    window.RefreshStack(4);
    EXPECT_EQ(stackTree.ChildCount(nullptr), 2);
}

TEST_F(DataScript, StringsShowTheirLengthAndANullValueShowsEmpty)
{
    std::vector<uint8_t> frame;
    PutFrame(frame, 0, 0, 0xFFFF, 0, 0);
    SetStack(frame, 0);
    window.RefreshStack(4);
    const std::unique_ptr<CORULinker> values = rig.Link(DataRig::Program("Values"), "Values");
    const CJavaClass* string = values->FindLinkedClass("java/lang/String");
    ASSERT_NE(string, nullptr);
    auto put = [&](uint16_t at, uint16_t word) { engine.SetMemory(at, {uint8_t(word >> 8), uint8_t(word)}); };
    auto putString = [&](uint16_t at, uint16_t length, uint16_t chars) {
        put(at, uint16_t(values->GetClassOffset(string)));
        put(uint16_t(at + CORULinker::GetFieldObjectOffset(string, "length", "I")), length);
        put(uint16_t(at + CORULinker::GetFieldObjectOffset(string, "value", "[C")), chars);
    };
    putString(0x7000, 3, 0);
    putString(0x7100, 10, 0x7200);
    put(0x7202, 300);
    engine.SetMemory(0x7204, std::vector<uint8_t>(300, 'q'));
    window.Heap().SetSession(&link);

    TMemoryDebugTree tree;
    const TDebugContext context{tree, window.Heap(), *values};
    ShowValue(context, nullptr, 0x7000, false, "Ljava/lang/String;", "empty", 0);
    ShowValue(context, nullptr, 0x7100, false, "Ljava/lang/String;", "ten", 0);
    EXPECT_EQ(tree.Shown(), (std::vector<std::string>{"java.lang.String empty = \"\" (0x0000)",
                                                      "java.lang.String ten = \"qqqqqqqqqq\" (0x7200)"}));
    EXPECT_EQ(tree.Image(tree.Child(nullptr, 0)), imString);
}

}  // namespace
