#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <string>
#include <vector>

#include "foundation/EError.h"
#include "foundation/Options.h"
#include "foundation/ProjectOptions.h"
#include "platform/FileError.h"
#include "platform/ProcessSignals.h"
#include "tests/support/FileCapabilities.h"
#include "tests/support/TempDir.h"

namespace {
std::string Hex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        i += 2;
    }
    return bytes;
}

const std::string WorkedExample = Hex(
    "ff 0a 00 54 50 52 4f 4a 45 43 54 4f 50 54 49 4f 4e 53 00 30 10 63 00 00 00"
    "54 50 46 30 0f 54 50 72 6f 6a 65 63 74 4f 70 74 69 6f 6e 73 00"
    "08 4d 61 69 6e 46 69 6c 65 06 0b 63 3a 5c 77 5c 41 2e 6a 61 76 61"
    "0b 4f 70 74 69 6f 6e 73 46 69 6c 65 06 0a 63 3a 5c 77 5c 41 2e 6a 70 66"
    "09 43 6c 61 73 73 70 61 74 68 06 06 63 3a 5c 6c 69 62"
    "09 44 65 62 75 67 50 6f 72 74 02 01"
    "00 00");

// The stream of one property (name, value type, value) inside a full file.
std::string FileWithProperty(const std::string& property) {
    std::string body = "TPF0\x0fTProjectOptions" + std::string(1, '\0') + property + std::string(2, '\0');
    std::string header = Hex("ff 0a 00") + "TPROJECTOPTIONS" + std::string(1, '\0') + Hex("30 10");
    uint32_t n = static_cast<uint32_t>(body.size());
    for (int i = 0; i < 4; ++i) header += static_cast<char>((n >> (8 * i)) & 0xFF);
    return header + body;
}

int DecodeError(const std::string& bytes) {
    TProjectOptions p;
    try {
        DecodeProjectOptions(bytes, p);
    } catch (const EError& e) {
        return e.Category == ecIDE ? e.Number : -1;
    }
    return 0;
}
}  // namespace

TEST(ProjectOptions, WorkedExampleByteForByte) {
    TProjectOptions p;
    p.MainFile = "c:\\w\\A.java";
    p.OptionsFile = "c:\\w\\A.jpf";
    p.Classpath = "c:\\lib";
    p.DebugPort = 1;
    std::string bytes = EncodeProjectOptions(p);
    EXPECT_EQ(bytes.size(), 124u);
    EXPECT_EQ(bytes, WorkedExample);

    TProjectOptions read;
    read.MainFile = "/w/A.java";
    read.OptionsFile = "/w/A.jpf";
    DecodeProjectOptions(WorkedExample, read);
    EXPECT_EQ(read.Classpath, "c:/lib");
    EXPECT_EQ(read.DebugPort, 1);
    EXPECT_EQ(read.MainFile, "/w/A.java");  // stored paths do not redirect saves
    EXPECT_EQ(read.OptionsFile, "/w/A.jpf");
}

TEST(ProjectOptions, EmptyProjectIs48Bytes) {
    std::string bytes = EncodeProjectOptions(TProjectOptions());
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes.substr(21, 4), Hex("17 00 00 00"));
    EXPECT_EQ(bytes.substr(25, 4), "TPF0");
    EXPECT_EQ(bytes.substr(45), std::string(3, '\0'));
}

TEST(ProjectOptions, StringValueTypesFollowTheText) {
    TProjectOptions p;
    p.Classpath = std::string(300, 'a');
    std::string bytes = EncodeProjectOptions(p);
    size_t at = bytes.find("Classpath") + 9;
    EXPECT_EQ(bytes.substr(at, 5), Hex("0c 2c 01 00 00"));

    p.Classpath = "/h/\xC3\xBC";  // 4 characters in 5 UTF-8 bytes
    bytes = EncodeProjectOptions(p);
    at = bytes.find("Classpath") + 9;
    EXPECT_EQ(bytes.substr(at), Hex("14 05 00 00 00") + p.Classpath + std::string(2, '\0'));

    p.Classpath = "\xE2\x82\xAC\xC3\xBC";  // euro and u-umlaut: 5 bytes for 2 characters
    bytes = EncodeProjectOptions(p);
    at = bytes.find("Classpath") + 9;
    EXPECT_EQ(bytes.substr(at), Hex("12 02 00 00 00 ac 20 fc 00 00 00"));

    TProjectOptions read;
    DecodeProjectOptions(bytes, read);
    EXPECT_EQ(read.Classpath, p.Classpath);
}

TEST(ProjectOptions, IntegerWidthsRoundTrip) {
    for (int32_t port : {3, -128, 200, -32768, 40000, -2000000000}) {
        TProjectOptions p;
        p.DebugPort = port;
        TProjectOptions read;
        DecodeProjectOptions(EncodeProjectOptions(p), read);
        EXPECT_EQ(read.DebugPort, port);
    }
    TProjectOptions p;
    p.DebugPort = 200;
    EXPECT_EQ(EncodeProjectOptions(p).substr(46 + 10, 3), Hex("03 c8 00"));
}

TEST(ProjectOptions, SavedFileLoadsBackWithGlobalsForUnstoredValues) {
    TempDir dir;
    GlobalOptions.DebugPort = 9;
    GlobalOptions.ClassPath = "/global/lib";
    auto saved = NewProjectOptions();
    EXPECT_EQ(saved->OptionsFile, "options.jpf");
    EXPECT_EQ(saved->Classpath, "/global/lib");
    saved->OptionsFile = dir.File("A.jpf");
    saved->MainFile = dir.File("A.java");
    saved->DebugPort = 3;
    saved->Classpath = "";
    SaveProjectOptions(*saved);

    auto loaded = NewProjectOptions();
    loaded->OptionsFile = dir.File("A.jpf");
    loaded->MainFile = dir.File("A.java");
    LoadProjectOptions(*loaded);
    EXPECT_EQ(loaded->DebugPort, 3);
    EXPECT_EQ(loaded->Classpath, "/global/lib");

    saved->DebugPort = 0;
    SaveProjectOptions(*saved);  // replaces the file
    LoadProjectOptions(*loaded);
    EXPECT_EQ(loaded->DebugPort, 3);  // 0 is not stored: the value before reading stays
    GlobalOptions = tOptions();
}

TEST(ProjectOptions, UnreadableFilesRaiseIde50) {
    TempDir dir;
    TProjectOptions p;
    p.OptionsFile = dir.File("missing.jpf");
    EXPECT_THROW(LoadProjectOptions(p), EError);
    p.OptionsFile = dir.Path();
    EXPECT_THROW(LoadProjectOptions(p), EError);

    EXPECT_EQ(DecodeError(FileWithProperty("\x03" "Foo" "\x02\x01")), 50);
    EXPECT_EQ(DecodeError(FileWithProperty("\x09" "DebugPort" "\x06\x01" "1")), 50);
    EXPECT_EQ(DecodeError(FileWithProperty("\x09" "Classpath" "\x02\x01")), 50);
    EXPECT_EQ(DecodeError(FileWithProperty("\x09" "Classpath" "\x0c\xff\xff\xff\xff" "x")), 50);
    EXPECT_EQ(DecodeError(FileWithProperty("\x09" "Classpath" "\x12\xff\xff\xff\x7f" "xx")), 50);
    std::string badSignature = WorkedExample;
    badSignature[25] = 'X';
    EXPECT_EQ(DecodeError(badSignature), 50);
    std::string badType = WorkedExample;
    badType[1] = 0x0B;
    EXPECT_EQ(DecodeError(badType), 50);
    EXPECT_EQ(DecodeError(FileWithProperty("\x09" "debugport" "\x02\x05")), 0);
}

TEST(ProjectOptions, APipeInPlaceOfTheFileRaisesIde50WithoutWaitingForAWriter) {
    TempDir dir;
    TProjectOptions p;
    p.OptionsFile = dir.File("A.jpf");
    ASSERT_EQ(::mkfifo(p.OptionsFile.c_str(), 0600), 0);
    auto load = std::async(std::launch::async, [&p] {
        try {
            LoadProjectOptions(p);
        } catch (const EError& e) {
            return e.Number;
        }
        return 0;
    });
    const bool done = load.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!done) ::close(::open(p.OptionsFile.c_str(), O_WRONLY | O_NONBLOCK));  // let a blocked open return
    EXPECT_TRUE(done) << "opening the pipe waited for a writer";
    EXPECT_EQ(load.get(), 50);
}

TEST(ProjectOptions, FailedLoadKeepsWhatWasReadBefore) {
    TProjectOptions p;
    std::string bytes = WorkedExample.substr(0, WorkedExample.size() - 5);  // inside DebugPort
    try {
        DecodeProjectOptions(bytes, p);
        FAIL() << "no IDE-50";
    } catch (const EError& e) {
        EXPECT_EQ(e.Message, "[ Error IDE-0050] Error loading the project file.\n");
    }
    EXPECT_EQ(p.Classpath, "c:/lib");
    EXPECT_EQ(p.DebugPort, 0);
}

TEST(ProjectOptions, FileTruncatedAtEveryLengthRaisesIde50) {
    TProjectOptions p;
    p.MainFile = "/w/\xC3\xBC.java";
    p.Classpath = std::string(300, 'c');
    p.DebugPort = 70000;
    std::vector<std::string> files{WorkedExample, EncodeProjectOptions(p)};
    p.Classpath = "\xE2\x82\xAC";
    files.push_back(EncodeProjectOptions(p));
    for (const std::string& full : files) {
        EXPECT_EQ(DecodeError(full), 0);
        for (size_t length = 0; length < full.size(); ++length)
            EXPECT_EQ(DecodeError(full.substr(0, length)), 50) << "length " << length;
    }
}

TEST(ProjectOptions, SaveFailureCarriesPathAndReason) {
    TempDir dir;
    TProjectOptions p;
    p.OptionsFile = dir.File("no/such/folder/A.jpf");
    try {
        SaveProjectOptions(p);
        FAIL() << "no EFileError";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Path, p.OptionsFile);
        EXPECT_FALSE(e.Reason.empty());
        EXPECT_NE(std::string(e.what()).find(p.OptionsFile), std::string::npos);
    }
}

// As on a nearly full disk: the system's reason, and the old file stays.
TEST(ProjectOptions, SaveBeyondTheFileSizeLimitGivesTheSystemsReason) {
    TempDir dir;
    TProjectOptions p;
    p.OptionsFile = dir.File("A.jpf");
    TempDir::WriteFile(p.OptionsFile, "old");
    int result = RunWithoutFileCapabilities([&] {
        IgnoreFileSizeLimitSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            SaveProjectOptions(p);
        } catch (const EFileError& e) {
            return e.Reason == std::strerror(EFBIG) ? 0 : 1;
        }
        return 2;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempDir::ReadFile(p.OptionsFile), "old");
}

TEST(ProjectOptions, CorruptedBytesLoadOrRaiseIde50) {
    for (size_t at = 0; at < WorkedExample.size(); ++at) {
        for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::string bytes = WorkedExample;
            bytes[at] = static_cast<char>(value);
            int error = DecodeError(bytes);
            EXPECT_TRUE(error == 0 || error == 50) << "byte " << at << " = " << value;
        }
    }
}
