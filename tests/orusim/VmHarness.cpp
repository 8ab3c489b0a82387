#include "tests/orusim/VmHarness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "foundation/EError.h"
#include "tests/support/JavaCompile.h"
#include "tools/orusim/Wire.h"
#include "tools/orusim/vm/OruVmEngine.h"

namespace {
std::string ProgramsDir() { return SourceDir() + "/tests/orusim/programs"; }
std::string HostSourcesDir() { return SourceDir() + "/tests/orusim/host"; }

// Host classes compiled once per test process.
std::string HostClassesDir() {
    static TempDir dir("corvane-host");
    static bool compiled = false;
    if (!compiled) {
        compiled = true;
        // torve.core.CPU against the class library, the launcher against the host's own.
        JavaCompileResult cpu = CompileJava({HostSourcesDir() + "/torve/core/CPU.java"}, dir.Path(), ClassLibraryDir());
        EXPECT_TRUE(cpu.Ok()) << cpu.output;
        JavaCompileResult launcher = RunProgram(
            {"ecj", "-1.8", "-proc:none", "-nowarn", "-d", dir.Path(), HostSourcesDir() + "/HostMain.java"});
        EXPECT_TRUE(launcher.Ok()) << launcher.output;
    }
    return dir.Path();
}
}  // namespace

VmProgram::VmProgram(const std::vector<std::string>& programFiles,
                     const std::vector<std::pair<std::string, std::string>>& extra)
    : dir_("corvane-vm"), classDir_(dir_.Path() + "/classes") {
    // Each source through the compiler adapter, as the IDE compiles it: the
    // class files land beside the source.
    std::vector<std::string> sources;
    for (const std::string& name : programFiles)
        sources.push_back(WriteSource(classDir_, name, TempDir::ReadFile(ProgramsDir() + "/" + name)));
    for (const auto& [path, text] : extra) sources.push_back(WriteSource(classDir_, path, text));
    for (const std::string& source : sources) {
        JavaCompileResult result = RunProgram(
            {ProgramDir() + "/jikes/jikes", "+E", "-depend", "-g", source, "-classpath", ClassLibraryDir()});
        EXPECT_TRUE(result.Ok()) << result.output;
    }
}

std::string VmProgram::Link(const std::string& mainClass) {
    char previous[PATH_MAX];
    if (!getcwd(previous, sizeof previous)) return "no working directory";
    if (chdir(dir_.Path().c_str()) != 0) return "cannot enter the program folder";
    linker_ = std::make_unique<CORULinker>();
    std::string error;
    try {
        linker_->Link(mainClass.c_str(), (classDir_ + ";" + ClassLibraryDir()).c_str());
        image_.assign(linker_->GetImage(), linker_->GetImage() + linker_->GetImageSize());
    } catch (const EError& e) {
        error = e.Message;
    }
    if (chdir(previous) != 0) return "cannot return";
    return error;
}

uint16_t VmProgram::LineAddress(const std::string& file, int line) {
    return uint16_t(linker_->FindBreakpointAddress(classDir_ + "/" + file, line));
}

int VmProgram::LineOf(uint16_t address) {
    int line = 0, javaPc = 0;
    linker_->TranslatePC(address, line, javaPc);
    return line;
}

std::string VmProgram::MethodName(uint16_t record) {
    CJavaClass* owner = nullptr;
    int index = linker_->FindMethodByOffset(record, owner);
    return owner->GetMethodName(index);
}

std::string VmProgram::UncaughtClass(const RecordingHost& host) {
    const SentMessage* uncaught = host.Last(orusim::kMsgException);
    if (!uncaught) return "";
    return linker_->FindClassByOffset(uint16_t(uncaught->body[0] << 8 | uncaught->body[1]))->GetClassName();
}

std::string RecordingHost::Text() const {
    std::string text;
    for (const SentMessage& m : messages)
        if (m.type == orusim::kMsgText) text.append(m.body.begin(), m.body.end());
    return text;
}

const SentMessage* RecordingHost::Last(uint8_t type) const {
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
        if (it->type == type) return &*it;
    return nullptr;
}

std::unique_ptr<EngineRun> RunOnEngine(const std::vector<uint8_t>& image, std::deque<int> input, int maxAdvances) {
    auto run = std::make_unique<EngineRun>();
    orusim::OruVmEngine engine;
    engine.Attach(&run->host);
    engine.Boot(image);
    engine.Run();
    for (int i = 0; i < maxAdvances && engine.Running(); ++i) {
        if (engine.Status().activity == orusim::kActivityWaitingInput) {
            engine.AnswerInput(input.empty() ? -1 : input.front());
            if (!input.empty()) input.pop_front();
        }
        int64_t next = engine.NextWorkTime();
        if (next > run->host.now) run->host.now = next;
        engine.Advance();
    }
    run->finished = !engine.Running();
    run->instructions = engine.Machine().Executed();
    return run;
}

HostRun RunOnHostJvm(const std::string& classDir, const std::string& mainClass) {
    HostRun run;
    TempDir out("corvane-hostrun");
    std::string classPath = HostClassesDir() + ":" + classDir + ":" + ClassLibraryDir();
    JavaCompileResult result =
        RunProgram({"java", "-Xshare:off", "-cp", classPath, "HostMain", mainClass, out.File("text"), out.File("uncaught")});
    run.ok = result.Ok();
    run.diagnostics = result.output;
    if (std::filesystem::exists(out.File("text"))) run.text = TempDir::ReadFile(out.File("text"));
    if (std::filesystem::exists(out.File("uncaught"))) run.uncaught = TempDir::ReadFile(out.File("uncaught"));
    return run;
}
