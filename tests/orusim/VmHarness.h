#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "linker/ORULinker.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/ExecutionEngine.h"

class RecordingHost;

// A Java program compiled against the class library and linked, in a
// temporary folder of its own.
class VmProgram {
public:
    // Program files from tests/orusim/programs, and extra sources (path, text).
    explicit VmProgram(const std::vector<std::string>& programFiles,
                       const std::vector<std::pair<std::string, std::string>>& extra = {});

    // Links the main class; "" on success, else the error message.
    std::string Link(const std::string& mainClass);

    const std::vector<uint8_t>& Image() const { return image_; }
    CORULinker& Linker() { return *linker_; }
    const std::string& ClassDir() const { return classDir_; }

    // The linked program's view of image addresses; source files by their name.
    uint16_t LineAddress(const std::string& file, int line);
    int LineOf(uint16_t address);
    std::string MethodName(uint16_t record);
    // The class of the last uncaught exception the module reported, "" when none.
    std::string UncaughtClass(const RecordingHost& host);

private:
    TempDir dir_;
    std::string classDir_;
    std::unique_ptr<CORULinker> linker_;
    std::vector<uint8_t> image_;
};

// One module message as the engine sent it.
struct SentMessage {
    uint8_t type;
    std::vector<uint8_t> body;
};

// The protocol side of an engine for tests: a virtual clock, the messages,
// input requests answered from a queue (none left: no input).
class RecordingHost : public orusim::IEngineHost {
public:
    int64_t Now() override { return now; }
    void SendMessage(uint8_t type, const std::vector<uint8_t>& body) override { messages.push_back({type, body}); }
    void RequestInput() override { ++inputRequests; }
    void StepDone() override { ++stepsDone; }
    void NoteNative(const std::string& name, const std::vector<int64_t>& arguments) override { natives.push_back(name); }

    std::string Text() const;  // the terminal text of all type-3 messages
    const SentMessage* Last(uint8_t type) const;

    int64_t now = 0;
    std::vector<SentMessage> messages;
    std::vector<std::string> natives;
    int inputRequests = 0;
    int stepsDone = 0;
};

// Runs an image from reset to its end (or the limit of advances), answering
// input requests from `input`.
struct EngineRun {
    RecordingHost host;
    bool finished = false;
    uint64_t instructions = 0;
};
std::unique_ptr<EngineRun> RunOnEngine(const std::vector<uint8_t>& image, std::deque<int> input = {},
                                       int maxAdvances = 20000);

// The same class files on the host JVM with a host torve.core.CPU.
struct HostRun {
    bool ok = false;
    std::string text;
    std::string uncaught;  // class name, "" when none
    std::string diagnostics;
};
HostRun RunOnHostJvm(const std::string& classDir, const std::string& mainClass);
