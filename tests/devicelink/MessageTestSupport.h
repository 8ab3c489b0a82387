#pragma once
#include <memory>

#include "devicelink/LinkCodes.h"
#include "linker/ORULinker.h"
#include "tests/devicelink/LinkTestSupport.h"
#include "tests/linker/LinkFixture.h"

// A module message as it comes over the line: kComMessage, the stuffed type
// and body, the end flag.
inline Bytes Framed(uint8_t type, const Bytes& body = {})
{
    Bytes out{kComMessage};
    Bytes inner{type};
    inner.insert(inner.end(), body.begin(), body.end());
    for (uint8_t b : inner) {
        if (b == kPacketEscape || b == kPacketFlag) {
            out.push_back(kPacketEscape);
            b ^= kEscapeXor;
        }
        out.push_back(b);
    }
    out.push_back(kPacketFlag);
    return out;
}

// The body of an unhandled-exception message: class offset and pc + 1, high
// bytes first.
inline Bytes ExceptionBody(uint32_t classOffset, uint32_t pc)
{
    const uint32_t reported = pc + 1;
    return {uint8_t(classOffset >> 8), uint8_t(classOffset), uint8_t(reported >> 8), uint8_t(reported)};
}

// A small program linked once for the whole test program: class Boom, whose
// main method's first statement is on line 3.
class BoomProgram {
public:
    static BoomProgram& Get()
    {
        static BoomProgram program;
        EXPECT_EQ(program.linked_, "") << program.program_.CompileOutput;
        return program;
    }
    CORULinker& Linker() { return program_.Linker(); }
    const ILinkImage& Image() const { return *image_; }
    std::string SourcePath() const { return program_.ClassDir() + "/Boom.java"; }
    uint32_t ClassOffset() { return Linker().GetClassOffset(Linker().FindLinkedClass("Boom")); }
    // The image address of main's first statement.
    uint32_t MainStart()
    {
        const CJavaClass* owner = Linker().GetMainMethodClass();
        const int method = Linker().GetMainMethodIndex();
        return owner->GetMethodImageOffset(method) + uint32_t(Linker().GetMainPrologueSize(owner, method));
    }

private:
    BoomProgram() : program_(Sources(), "")
    {
        linked_ = program_.Link("Boom");
        image_ = std::make_unique<TLinkerImage>(Linker());
    }
    static TSources Sources()
    {
        TSources sources = MinimalLibrary();
        sources["Boom.java"] =
            "public class Boom {\n"
            "    static void main() {\n"
            "        int a = 1;\n"
            "        a = a + 2;\n"
            "    }\n"
            "}\n";
        return sources;
    }

    LinkedProgram program_;
    std::unique_ptr<TLinkerImage> image_;
    std::string linked_;
};

// A link fed module messages by hand, as the receive handler would.
class MessageTest : public LinkTest {
protected:
    MessageTest() { port.echo = false; }

    void Feed(const Bytes& chunk, const ILinkImage* image = nullptr)
    {
        link.ReceiveData(chunk.data(), int32_t(chunk.size()), image);
    }
    // An input request whose answer's echoes were already read.
    void Request()
    {
        link.SetEchoCount(0);
        Feed({kComInputRequest});
    }
    void InDebugSession(const ILinkImage& image)
    {
        host.debugging = true;
        host.image = &image;
    }
};
