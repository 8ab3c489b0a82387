#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

#include "tests/linker/ClassFixture.h"
#include "tests/linker/LinkFixture.h"

namespace {
bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// An "offset:<TAB>dw<TAB>value<TAB>;text" line.
std::string DwLine(int offset, int value, const std::string& text) {
    return std::to_string(offset) + ":\tdw\t" + std::to_string(value) + "\t;" + text + "\n";
}

// The two lines of a record word.
std::string WordLines(int offset, int value, const std::string& name) {
    return DwLine(offset, value >> 8, name + " hi = " + std::to_string(value >> 8)) +
           DwLine(offset + 1, value & 0xFF, name + " lo = " + std::to_string(value & 0xFF));
}

class ListingFiles : public ::testing::Test {
protected:
    void LinkTiny(bool listing) {
        GlobalOptions.debugORUFile = listing;
        ASSERT_EQ(program.Link("Tiny"), "");
        if (listing) text = TempDir::ReadFile(program.Dir().File("oru.out"));
    }
    ScopedOptions options;
    LinkedProgram program{TinyProgram(), ""};
    std::string text;
};
}  // namespace

TEST_F(ListingFiles, HeaderFragment) {
    LinkTiny(true);
    EXPECT_EQ(text.substr(0, text.find("\n; (20)")),
              "0:\tdw\t164\t;Placeholder for run/debug.\n"
              "1:\tdw\t$0\t;Placeholder for the length.\n"
              "2:\tdw\t$1\t;Version: 0.1\n"
              "3:\tdw\t0\t;Number of static fields = 0\n"
              "4:\tdw\t0\t;`main' method: Offset hi = 0\n"
              "5:\tdw\t23\t;                      lo = 23\n"
              "6:\tdw\t0\t;java.lang.Object class: Offset hi = 0\n"
              "7:\tdw\t54\t;                               lo = 54\n"
              "8:\tdw\t0\t;java.lang.String class: Offset hi = 0\n"
              "9:\tdw\t64\t;                               lo = 64\n"
              "10:\tdw\t0\t;Throwable.throwVMException method: Offset hi = 0\n"
              "11:\tdw\t40\t;                                          lo = 40\n"
              "12:\tdw\t0\t;String table offset hi = 0\n"
              "13:\tdw\t117\t;                    lo = 117\n"
              "14:\tdw\t0\t;Callback method offset hi = 0\n"
              "15:\tdw\t0\t;                       lo = 0\n"
              "16:\tdw\t0\t;java.lang.OutOfMemoryError class: Offset hi = 0\n"
              "17:\tdw\t74\t;                                         lo = 74\n"
              "18:\tdw\t0\t;Stack base hi = 0\n"
              "19:\tdw\t144\t;           lo = 144\n");
}

TEST_F(ListingFiles, ClassRecordAndCodeFragments) {
    LinkTiny(true);
    EXPECT_NE(text.find("\n; (20) Class = `Tiny'\n"
                        "20:\tdw\t0\t;Superclass offset hi = 0\n"
                        "21:\tdw\t54\t;Superclass offset lo = 54\n"
                        "22:\tdw\t0\t;Number of (non-final, non-static) fields = 0\n"
                        "; Method = `main'\n"
                        "23:\tdw\t0\t;Number of parameters = 0\n"
                        "24:\tdw\t2\t;Number of locals = 2\n"
                        "25:\tdw\t0\t;Flags hi = 0\n"
                        "26:\tdw\t0\t;Offset hi = 0\n"
                        "27:\tdw\t96\t;Offset lo = 96\n"
                        "28:\tdw\t0\t;Empty exception table hi = 0\n"
                        "29:\tdw\t0\t;Empty exception table lo = 0\n"
                        "; Method = `<init>'\n"),
              std::string::npos)
        << text;
    int ldcIndex = program.Linker().GetClass(0)->GetCode(1)[1];
    EXPECT_NE(text.find("\n; Class = `Tiny'\n"
                        "; (91) Method <init> /* ()V */\n"
                        "91:\tdw\t$0B\t;   0 aload_0 \n"),
              std::string::npos);
    EXPECT_NE(text.find("; (96) Method main /* ()V */\n"
                        "96:\tdw\t$65\t;   0 ldc #" +
                        std::to_string(ldcIndex) +
                        " <\"hi\">\n"
                        "97:\tdw\t$00\t;     index = 0\n"
                        "98:\tdw\t$10\t;   2 astore_0 \n"
                        "99:\tdw\t$23\t;   3 return \n"),
              std::string::npos)
        << text;
}

TEST_F(ListingFiles, StringSectionAndTables) {
    LinkTiny(true);
    EXPECT_NE(text.find("\n; String index table.\n"
                        "117:\tdw\t0\t;String offset hi = 0\n"
                        "118:\tdw\t119\t;              lo = 119\n"
                        "\n; String data table.\n"
                        "119:\tdw\t0\t;String class hi = 0\n"
                        "120:\tdw\t64\t;             lo = 64\n"
                        "121:\tdw\t0\t;String length hi = 0\n"
                        "122:\tdw\t2\t;              lo = 2\n"
                        "123:\tdw\t0\t;Pointer hi = 0\n"
                        "124:\tdw\t125\t;        lo = 125\n"
                        "125:\tdw\t0\t;Object class hi = 0\n"
                        "126:\tdw\t54\t;             lo = 54\n"
                        "127:\tdw\t0\t;String length hi = 0\n"
                        "128:\tdw\t2\t;              lo = 2\n"
                        "; String Data: \"hi\"\n"
                        "129:h130:i\n"
                        "\n\n;\n; Native method dispatch table.\n;\n"
                        "\tjmp\tnm_torve_core_CPU_writeRegister\t; 0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\tjmp\tnm_page_\t; 5\n"), std::string::npos);
    EXPECT_NE(text.find("\tjmp\tnm_torve_core_Terminal_getByte\t; 46\n\tjmp\tnm_page_\t; 47\n; Oru opcodes.\n"
                        "\tj_nop\t=\t0\n"),
              std::string::npos);
    EXPECT_NE(text.find("\tj_lookupswitch\t=\t119\n; Oru dispatch table.\n\tjmp\tl_j_nop\t; $00\n"),
              std::string::npos);
    EXPECT_NE(text.find("\tjmp\tl_j_isub\t; $32\n\tjmp\tl_j_ineg\t; $33\n\tnop\n\tjmp\t@_l_j_ior\t; $35\n"),
              std::string::npos);
    const std::string last = "\tjmp\t@_l_j_lookupswitch\t; $77\n";
    EXPECT_EQ(text.rfind(last), text.size() - last.size());
}

TEST_F(ListingFiles, SecondOpcodeListing) {
    GlobalOptions.debugJVM2 = true;
    LinkTiny(true);
    EXPECT_NE(text.find("\tj_ior\t=\t52\n"), std::string::npos);
    EXPECT_NE(text.find("\tpage\tl_j_ior\n\tjmp\tl_j_ior\t; $34\n"), std::string::npos);
    EXPECT_EQ(text.find("\tnop\n"), std::string::npos);
    EXPECT_EQ(program.Image()[program.Linker().GetClass(0)->GetMethodImageOffset(1)], 0x65);
}

TEST_F(ListingFiles, HexAndBinaryFiles) {
    LinkTiny(true);
    std::vector<uint8_t> image = program.Image();
    std::string hex;
    for (uint8_t byte : image) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X ", byte);
        hex += text;
    }
    EXPECT_EQ(TempDir::ReadFile(program.Dir().File("oru.hex")), hex);
    std::string bin = TempDir::ReadFile(program.Dir().File("oru.bin"));
    EXPECT_EQ(bin, std::string(image.begin(), image.end()));
    EXPECT_FALSE(Exists(program.Dir().File("oru.hex.tmp")));
}

TEST_F(ListingFiles, NothingWrittenWithTheSwitchOff) {
    LinkTiny(false);
    for (const char* name : {"oru.out", "oru.hex", "oru.bin"})
        EXPECT_FALSE(Exists(program.Dir().File(name))) << name;
}

TEST(ListingExceptionTable, HandlerEntriesListed) {
    ScopedOptions options;
    GlobalOptions.debugORUFile = true;
    TSources sources = TinyProgram();
    sources["Guard.java"] =
        "public class Guard {\n    static int value;\n\n    static void main() {\n        try {\n"
        "            value = 1;\n        } finally {\n            value = 2;\n        }\n    }\n}\n";
    LinkedProgram program(sources, "");
    ASSERT_EQ(program.Link("Guard"), "");
    std::string text = TempDir::ReadFile(program.Dir().File("oru.out"));
    CORULinker& linker = program.Linker();
    const CJavaClass* guard = linker.GetClass(0);
    int m = MethodIndex(*guard, "main");
    int count = guard->GetExceptionCount(m);
    ASSERT_GT(count, 0);
    TExceptionInfo entry = guard->GetExceptionEntry(m, 0);
    EXPECT_EQ(entry.CatchClassName, nullptr);
    int table = guard->GetMethodImageOffset(m) + int(guard->GetCodeLength(m));
    int base = guard->GetMethodImageOffset(m);
    int throwable = int(linker.GetClassOffset(linker.FindLinkedClass("java/lang/Throwable")));
    std::string expected = DwLine(table, count, "Number of exception handlers = " + std::to_string(count)) +
                           WordLines(table + 1, base + entry.StartPc + 1, "start_pc") +
                           WordLines(table + 3, base + entry.EndPc + 1, "end_pc") +
                           WordLines(table + 5, throwable, "catchType offset") +
                           WordLines(table + 7, base + entry.HandlerPc, "handler_pc");
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n----\n" << text;
    std::string record = "Number of parameters = 0 (exception table present)\n";
    EXPECT_NE(text.find(record), std::string::npos);
}

TEST(ListingWithoutStrings, StringHeadingsStandAlone) {
    ScopedOptions options;
    GlobalOptions.debugORUFile = true;
    TSources sources = MinimalLibrary();
    sources["Bare.java"] = "public class Bare {\n    static void main() {\n    }\n}\n";
    LinkedProgram program(sources, "");
    ASSERT_EQ(program.Link("Bare"), "");
    std::string text = TempDir::ReadFile(program.Dir().File("oru.out"));
    int end = program.Linker().GetImageSize() - 1;
    EXPECT_NE(text.find(std::to_string(end) + ":\tdw\t$23\t;   4 return \n"  // OutOfMemoryError()
                        "\n; String index table.\n"
                        "\n; String data table.\n"
                        "\n\n;\n; Native method dispatch table.\n"),
              std::string::npos)
        << text;
}

TEST(ListingLongLines, ALineCutAtItsCapacityKeepsItsLineEnd) {
    ScopedOptions options;
    GlobalOptions.debugORUFile = true;
    std::string longText(1500, 'w');
    LinkedProgram program{{{"Long.java", "public class Long { static String s;\n"
                                         "  public static void main() { s = \"" +
                                             longText + "\"; }\n}\n"}}};
    ASSERT_EQ(program.Link("Long"), "");
    std::string text = TempDir::ReadFile(program.Dir().File("oru.out"));
    size_t at = text.find("; String Data: \"www");
    ASSERT_NE(at, std::string::npos);
    size_t end = text.find('\n', at);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(end - at, 1000u);
    EXPECT_NE(text.substr(end + 1, 3), "www");
}
