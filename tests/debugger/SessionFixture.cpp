#include "tests/debugger/SessionFixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "foundation/EError.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"

std::string CompiledProgram(const std::string& key, const std::vector<std::pair<std::string, std::string>>& sources)
{
    static std::map<std::string, std::unique_ptr<TempDir>> folders;
    auto found = folders.find(key);
    if (found != folders.end()) return found->second->Path();
    auto dir = std::make_unique<TempDir>("corvane-debug");
    for (const auto& [name, text] : sources) {
        const std::string source = WriteSource(dir->Path(), name, text);
        JavaCompileResult result = RunProgram(
            {ProgramDir() + "/jikes/jikes", "+E", "-depend", "-g", source, "-classpath", dir->Path() + ";" + ClassLibraryDir()});
        EXPECT_TRUE(result.Ok()) << result.output;
    }
    const std::string path = dir->Path();
    folders[key] = std::move(dir);
    return path;
}

std::string ExampleProgram(const std::string& key, const std::vector<std::string>& files)
{
    std::vector<std::pair<std::string, std::string>> sources;
    for (const std::string& name : files) sources.push_back({name, TempDir::ReadFile(SourceDir() + "/examples/" + name)});
    return CompiledProgram(key, sources);
}

std::string SteppingProgram()
{
    return ExampleProgram("stepping", {"Counter.java", "Stepping.java"});
}

std::string SpinProgram()
{
    return CompiledProgram("spin", {{"Spin.java", TempDir::ReadFile(SourceDir() + "/tests/debugger/programs/Spin.java")}});
}

// --- RecordingHost

std::string RecordingHost::PageFileName(TPageHandle page)
{
    auto found = pages.find(page);
    return found == pages.end() ? std::string() : found->second;
}

void RecordingHost::SetLineMark(TPageHandle page, int32_t line, TLineMark mark, bool on)
{
    EXPECT_TRUE(PageOpen(page)) << "a mark on a closed page";
    if (on)
        marks.insert({page, line, mark});
    else
        marks.erase({page, line, mark});
}

bool RecordingHost::ShowExecutionLine(const std::string& file, int32_t line)
{
    ClearExecutionLine();
    TPageHandle page = PageOf(file);
    if (page == NoPage) {
        if (!std::filesystem::exists(file) || unreadable.count(file)) return false;
        page = OpenPage(file);
    }
    current = page;
    executionFile = file;
    executionLine = line;
    ++executionShows;
    marks.insert({page, line, TLineMark::CurrentLine});
    return true;
}

void RecordingHost::ClearExecutionLine()
{
    for (auto it = marks.begin(); it != marks.end();)
        it = std::get<2>(*it) == TLineMark::CurrentLine ? marks.erase(it) : std::next(it);
    executionFile.clear();
    executionLine = 0;
}

TConfirmAnswer RecordingHost::Confirm(const std::string& text)
{
    boxes.push_back(text);
    if (answers.empty()) return TConfirmAnswer::Cancel;
    TConfirmAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

TPageHandle RecordingHost::OpenPage(const std::string& file)
{
    const TPageHandle page = nextPage++;
    pages[page] = file;
    current = page;
    return page;
}

void RecordingHost::ClosePage(TPageHandle page)
{
    pages.erase(page);
    for (auto it = marks.begin(); it != marks.end();) it = std::get<0>(*it) == page ? marks.erase(it) : std::next(it);
    if (current == page) current = pages.empty() ? NoPage : pages.begin()->first;
}

TPageHandle RecordingHost::PageOf(const std::string& file) const
{
    for (const auto& [page, name] : pages)
        if (name == file) return page;
    return NoPage;
}

bool RecordingHost::HasMark(TPageHandle page, int32_t line, TLineMark mark) const
{
    return marks.count({page, line, mark}) != 0;
}

int32_t RecordingHost::MarkCount(TLineMark mark) const
{
    int32_t count = 0;
    for (const auto& entry : marks) count += std::get<2>(entry) == mark;
    return count;
}

void RecordingHost::Pump()
{
    while (!endRequests.empty()) {
        const uint64_t generation = endRequests.front();
        endRequests.pop_front();
        session->EndDebugOfLink(generation);
    }
}

// --- SessionRig

SessionRig::SessionRig() : savedOptions(GlobalOptions)
{
    GlobalOptions.DebugPort = 1;
    host.session = &session;
}

SessionRig::~SessionRig()
{
    session.SetJVM(nullptr);
    GlobalOptions = savedOptions;
}

std::unique_ptr<CORULinker> SessionRig::Link(const std::string& folder, const std::string& mainClass)
{
    auto linker = std::make_unique<CORULinker>();
    char previous[PATH_MAX];
    if (!getcwd(previous, sizeof previous) || chdir(folder.c_str()) != 0) {
        ADD_FAILURE() << "cannot enter " << folder;
        return linker;
    }
    try {
        linker->Link(mainClass.c_str(), (folder + ";" + ClassLibraryDir()).c_str());
    } catch (const EError& e) {
        ADD_FAILURE() << e.Message;
    }
    EXPECT_EQ(chdir(previous), 0);
    return linker;
}

void SessionRig::Start(std::unique_ptr<CORULinker> linker, bool download)
{
    Prepare(std::move(linker), download);
    if (session.JVM()) session.StartDebug();
}

TPageHandle SessionRig::StartProgram(const std::string& folder, const std::string& mainClass)
{
    const TPageHandle page = host.OpenPage(Source(folder, mainClass + ".java"));
    Start(Link(folder, mainClass));
    return page;
}

void SessionRig::RunTo(int line)
{
    session.ToggleBreakpointAt(line);
    session.Run();
    ReceiveUntilStopped();
    ASSERT_EQ(host.executionLine, line);
}

void SessionRig::Prepare(std::unique_ptr<CORULinker> linker, bool download)
{
    session.ClearForJob();
    if (linker) image.assign(linker->GetImage(), linker->GetImage() + linker->GetImageSize());
    session.SetLinker(std::move(linker));
    session.SetJVM(std::make_unique<TSXComm>(port, host, clock));
    try {
        session.JVM()->Connect();
        if (download) session.JVM()->DownloadOruFile(image.data(), int32_t(image.size()), true);
        session.JVM()->Reset(false);
    } catch (const EError& e) {
        ADD_FAILURE() << e.Message;
        session.SetJVM(nullptr);
    }
}

void SessionRig::ReceiveUntilStopped()
{
    for (int turn = 0; turn < 200 && session.JVM() && session.JVM()->IsRunning(); ++turn) {
        if (!port.WaitReadable(100)) continue;
        uint8_t chunk[64];
        int32_t n = 0;
        while (n < int32_t(sizeof chunk) && port.ReadChar(chunk[n])) ++n;
        session.JVM()->ReceiveData(chunk, n, session.Image());
        host.Pump();
    }
    host.Pump();
}

size_t SessionRig::CountSince(size_t from, const std::string& name) const
{
    const std::vector<std::string> names = Commands();
    size_t count = 0;
    for (size_t i = from; i < names.size(); ++i) count += names[i] == name;
    return count;
}

std::vector<std::vector<int64_t>> SessionRig::BreakpointLists() const
{
    std::vector<std::vector<int64_t>> lists;
    for (const orusim::Event& event : log.OfKind(orusim::EventKind::Breakpoints)) lists.push_back(event.values);
    return lists;
}
