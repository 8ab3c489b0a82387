#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "foundation/Options.h"
#include "linker/ClassFileSearch.h"
#include "tests/linker/ClassFixture.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/TempDir.h"

namespace {

// Writes `bytes` as <dir>/<name>.class and loads class `name` from there.
std::string LoadBytesError(const std::string& name, const std::string& bytes) {
    TempDir dir;
    TempDir::WriteFile(dir.File(name + ".class"), bytes);
    CJavaClass c(name, dir.Path());
    std::string message = ErrorMessageOf([&] { c.Load(); });
    if (message != "no error") {
        EXPECT_FALSE(c.Loaded);
        EXPECT_TRUE(c.ConstantPool.empty());
    }
    return message;
}

std::string WithVersion(std::string bytes, int major, int minor) {
    bytes[4] = char(minor >> 8);
    bytes[5] = char(minor);
    bytes[6] = char(major >> 8);
    bytes[7] = char(major);
    return bytes;
}

std::string BigEndian(uint32_t value, int width) {
    std::string bytes;
    for (int i = width - 1; i >= 0; --i) bytes += char(value >> (8 * i));
    return bytes;
}

// The class file with the "Code" attribute of method `m` cut out; the
// compiler writes it as the method's first attribute.
std::string WithoutCode(const std::string& name, int m) {
    std::string bytes = TestClassBytes(name);
    const auto loaded = LoadTestClass(name);
    const TJavaMethod& method = loaded->Methods[m];
    const std::string body = BigEndian(method.MaxStack, 2) + BigEndian(method.MaxLocals, 2) +
                             BigEndian(method.CodeLength, 4) + std::string(method.Code.begin(), method.Code.end());
    const size_t at = bytes.find(body) - 6;
    size_t length = 0;
    for (size_t i = at + 2; i < at + 6; ++i) length = length << 8 | uint8_t(bytes[i]);
    bytes.erase(at, 6 + length);
    bytes[at - 1] = char(bytes[at - 1] - 1);  // the attribute count
    return bytes;
}

// The class file with bits of the constant "Code" flipped.
std::string WithCodeNameFlipped(std::string bytes, uint8_t bits) {
    const size_t at = bytes.find(std::string("\0\4Code", 6));
    bytes[at + 3] = char(bytes[at + 3] ^ bits);
    return bytes;
}

}  // namespace

TEST(ClassPathSearch, TriesEachPieceWithForwardSlashes) {
    EXPECT_EQ(ClassFileCandidates("a/B", "c:\\lib\\;d:/x"),
              (std::vector<std::string>{"c:/lib/a/B.class", "d:/x/a/B.class"}));
    EXPECT_EQ(ClassFileCandidates("a/B", ";;/p;"), (std::vector<std::string>{"/p/a/B.class"}));
    EXPECT_TRUE(ClassFileCandidates("a/B", "").empty());
}

TEST(ClassPathSearch, UsesFirstPieceThatHoldsTheFileAndNamesTheLastTried) {
    TempDir empty;
    const std::string path = empty.Path() + "\\missing;;" + TestClassDir();
    CJavaClass found("Base", path);
    found.Load();
    EXPECT_EQ(found.GetClassFilePath(), TestClassDir() + "/Base.class");
    EXPECT_EQ(found.ClassTag, 1794u);

    CJavaClass missing("a/Nothing", empty.Path() + ";" + TestClassDir() + "/");
    EXPECT_EQ(ErrorMessageOf([&] { missing.Load(); }),
              "[ Error JVM-0017] Unable to load class file: `a/Nothing', '" + TestClassDir() +
                  "/a/Nothing.class'.\n");
    CJavaClass noPath("Base", ";");
    EXPECT_EQ(ErrorMessageOf([&] { noPath.Load(); }),
              "[ Error JVM-0017] Unable to load class file: `Base', ''.\n");
}

TEST(ClassPathSearch, NamesAreCaseSensitiveAndFoldersAreNotClassFiles) {
    CJavaClass lower("base", TestClassDir());
    EXPECT_NE(ErrorMessageOf([&] { lower.Load(); }).find("JVM-0017"), std::string::npos);
    TempDir dir;
    TempDir::MakeDirs(dir.File("Base.class"));
    CJavaClass c("Base", dir.Path() + ";" + TestClassDir());
    c.Load();
    EXPECT_EQ(c.GetClassFilePath(), TestClassDir() + "/Base.class");
}

TEST(ClassPathSearch, APipeNamedLikeTheClassIsPassedOverWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("Base.class");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto load = std::async(std::launch::async, [&] {
        CJavaClass c("Base", dir.Path() + ";" + TestClassDir());
        c.Load();
        return c.GetClassFilePath();
    });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // frees the blocked reader
        if (writer >= 0) close(writer);
        FAIL() << "the load waited for a writer";
    }
    EXPECT_EQ(load.get(), TestClassDir() + "/Base.class");
}

TEST(ClassLoad, ReadsNamesConstantsAndMembers) {
    auto c = LoadTestClass("Fields");
    EXPECT_TRUE(c->Loaded);
    EXPECT_STREQ(c->GetClassName(), "Fields");
    EXPECT_STREQ(c->GetSuperClassName(), "java/lang/Object");
    EXPECT_STREQ(c->GetName(), "Fields");
    EXPECT_EQ(c->GetFieldCount(), 9);
    EXPECT_STREQ(c->GetFieldName(7), "name");
    EXPECT_STREQ(c->GetFieldDescriptor(7), "Ljava/lang/String;");
    EXPECT_EQ(c->GetFieldSize(6), 2);  // long big
    EXPECT_EQ(c->FindField("counter"), 3);
    EXPECT_EQ(ErrorMessageOf([&] { c->FindField("nope"); }),
              "[ Error JVM-0014] No method found for `nope'.\n");
    EXPECT_EQ(ErrorMessageOf([&] { c->FindMethod("f", "()J"); }),
              "[ Error JVM-0014] No method found for `f'.\n");
    const int f = c->FindMethod("f", "()I");
    EXPECT_TRUE(c->IsMethodStatic(f));
    EXPECT_FALSE(c->IsMethodNative(f));

    auto object = LoadTestClass("java/lang/Object");
    EXPECT_STREQ(object->GetName(), "java.lang.Object");
    EXPECT_EQ(object->SuperClass, 0);
    EXPECT_STREQ(object->GetSuperClassName(), "");
}

TEST(ClassLoad, LongAndDoubleConstantsTakeTwoIndexes) {
    auto c = LoadTestClass("Fields");
    int longs = 0;
    for (int i = 1; i < c->GetConstantPoolCount(); ++i) {
        if (c->GetConstantTag(i) != ctLong) continue;
        ++longs;
        EXPECT_EQ(c->GetConstantTag(i + 1), 0);
        EXPECT_EQ(c->ConstantText(i), "Long 1 705032704");  // 5000000000
    }
    EXPECT_EQ(longs, 1);
}

TEST(ClassLoad, ConstantFieldsAreStaticFinalPrimitivesWithAValue) {
    auto c = LoadTestClass("Fields");
    // K, L, S, counter, k, a, big, name, BIG
    const bool constant[] = {true, false, false, false, false, false, false, false, true};
    const int slot[] = {-1, 0, 1, 2, 0, 1, 2, 3, -1};
    for (int f = 0; f < 9; ++f) {
        SCOPED_TRACE(c->GetFieldName(f));
        EXPECT_EQ(c->IsConstantField(f), constant[f]);
        if (slot[f] >= 0) {
            EXPECT_EQ(c->GetFieldSlot(f), slot[f]);
        }
    }
    EXPECT_EQ(c->CountOwnInstanceFields(), 4);
    c->SetFieldSlot(1, 17);
    EXPECT_EQ(c->GetFieldSlot(1), 17);
}

TEST(ClassLoad, ExceptionTablesAndLineTablesInOrder) {
    auto c = LoadTestClass("Listing");
    const int wrap = MethodIndex(*c, "wrap");
    ASSERT_GE(c->GetExceptionCount(wrap), 1);
    TExceptionInfo any = c->GetExceptionEntry(wrap, 0);
    EXPECT_EQ(any.CatchClassName, nullptr);
    EXPECT_LT(any.StartPc, any.EndPc);
    // Sorted by line; equal lines keep the file's order (57 at pc 3 before pc 12).
    const auto& lines = c->Methods[wrap].LineNumbers;
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i - 1].Line, lines[i].Line);
    std::vector<int> pcsOfFirstLine;
    for (const auto& l : lines)
        if (l.Line == lines[1].Line) pcsOfFirstLine.push_back(l.StartPc);
    EXPECT_EQ(pcsOfFirstLine, (std::vector<int>{3, 12}));
}

TEST(ClassLoad, TracesWithTheClassLoaderSwitch) {
    CaptureSink sink;
    GlobalOptions.debugClassLoader = true;
    auto c = LoadTestClass("Base");
    GlobalOptions.debugClassLoader = false;
    for (const char* line :
         {"[Debug] ClassLoader: Loading class file `Base'", "[Debug] ClassLoader: class file version 45.3",
          "[Debug] ClassLoader: 0 interfaces", "[Debug] ClassLoader: 2 fields",
          "[Debug] ClassLoader: field: `x' of type I", "[Debug] ClassLoader: 4 methods",
          "[Debug] ClassLoader: method: `run' of type ()V",
          "[Debug] ClassLoader: ignoring any class attributes"})
        EXPECT_TRUE(sink.Contains(line)) << line;
    EXPECT_TRUE(sink.Contains("[Debug] ClassLoader: Trying file `" + TestClassDir() + "/Base.class'"));
}

TEST(ClassLoadErrors, MagicNameVersionTagAndInterfaces) {
    const std::string bytes = TestClassBytes("Base");
    std::string badMagic = bytes;
    badMagic[0] = 0;
    EXPECT_EQ(LoadBytesError("Base", badMagic),
              "[ Error JVM-0018] File does not contain a Java class: `Base'.\n");
    EXPECT_EQ(LoadBytesError("Other", bytes),  // a file of another class
              "[ Error JVM-0018] File does not contain a Java class: `Other'.\n");
    const std::string versionError =
        "[ Error JVM-0019] Cannot read Java class file: `Base'. Version not supported.\n";
    EXPECT_EQ(LoadBytesError("Base", WithVersion(bytes, 45, 4)), versionError);
    EXPECT_EQ(LoadBytesError("Base", WithVersion(bytes, 46, 0)), versionError);
    EXPECT_EQ(LoadBytesError("Base", WithVersion(bytes, 44, 9)), versionError);
    EXPECT_EQ(LoadBytesError("Base", WithVersion(bytes, 45, 0)), "no error");

    std::string badTag = bytes;
    badTag[10] = 13;  // the first constant's tag
    EXPECT_EQ(LoadBytesError("Base", badTag),
              "[ Error JVM-0021] Unknown tag (13) in java class file: `Base'.\n");
    EXPECT_EQ(ErrorMessageOf([] { LoadTestClass("Task"); }),
              "[ Error JVM-0032] Interfaces are not currently supported.\n");
}

// A method that is neither native nor abstract must bring its code (the
// native one of Lines has none and loads); the debug line names the first
// one that does not.
TEST(ClassLoadErrors, AMethodWithoutCodeIsRefused) {
    const std::string bytes = TestClassBytes("Base");  // <clinit>, <init>, run, size
    for (const auto& [damaged, method] : {std::pair{WithCodeNameFlipped(bytes, 0x40), "<clinit>()V"},  // "C/de"
                                          {WithCodeNameFlipped(bytes, 0x08), "<clinit>()V"},          // "Cgde"
                                          {WithoutCode("Base", 2), "run()V"},
                                          {WithoutCode("Base", 3), "size()I"}}) {
        SCOPED_TRACE(method);
        CaptureSink sink;
        EXPECT_EQ(LoadBytesError("Base", damaged), "[ Error JVM-0013] No `Code' attribute for method.\n");
        EXPECT_EQ(sink.lines, std::vector<std::string>{"[Debug] ClassLoader: no `Code' attribute for method `Base." +
                                                       std::string(method) + "'"});
    }
}

TEST(ClassLoadErrors, TruncatedFilesAreCorrupt) {
    const std::string bytes = TestClassBytes("Listing");
    const std::string corrupt = "[ Error JVM-0020] Java class file corrupt: `Listing'.\n";
    for (size_t cut : {size_t(0), size_t(3), size_t(9), size_t(40), bytes.size() / 2, bytes.size() * 3 / 4})
        EXPECT_EQ(LoadBytesError("Listing", bytes.substr(0, cut)), corrupt) << cut;
}

TEST(ClassLoad, SourceNameLooksForDollarInTheFileNameOnly) {
    TempDir dir;
    TempDir::MakeDirs(dir.File("we$ird"));
    TempDir::WriteFile(dir.File("we$ird/Base.class"), TestClassBytes("Base"));
    CJavaClass c("Base", dir.File("we$ird"));
    EXPECT_EQ(c.GetSourceName(), "");
    c.Load();
    EXPECT_EQ(c.GetSourceName(), dir.File("we$ird/Base.java"));

    CJavaClass unloaded("X", "");
    EXPECT_EQ(unloaded.GetSourceName(), "");
    unloaded.ClassFilePath = "/p/q$r/Outer$Inner.class";
    EXPECT_EQ(unloaded.GetSourceName(), "/p/q$r/Outer.java");
}

TEST(ClassLoad, UnloadAndReload) {
    CTestClassFinder finder(TestClassDir());
    auto c = LoadTestClass("Base");
    c->Layout(finder);
    c->Unload();
    EXPECT_FALSE(c->Loaded);
    EXPECT_EQ(c->GetMethodCount(), 0);
    EXPECT_EQ(c->GetMethodTableCount(), 0);  // its names were in the constant pool
    EXPECT_FALSE(c->LaidOut);
    c->Load();
    EXPECT_EQ(c->GetMethodCount(), 4);
}
