// The compiler adapter: compiles one Java source with ecj and prints its
// problems as diagnostic records on standard output; nothing for a clean
// compile. Exit code 1 when an error was reported.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/jikes/AdapterArguments.h"
#include "tools/jikes/DiagnosticRecords.h"
#include "tools/jikes/EcjLog.h"
#include "tools/jikes/EcjRun.h"
#include "tools/jikes/SourceStandIn.h"

namespace fs = std::filesystem;

namespace {

constexpr int kEcjTimeoutSeconds = 110;  // the IDE gives up after 120

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

// A private folder for ecj's log, removed on destruction.
class TScratchDir {
public:
    TScratchDir() {
        std::string pattern = (fs::temp_directory_path(error_) / "jikes-XXXXXX").string();
        if (error_ || !mkdtemp(pattern.data())) return;
        path_ = pattern;
    }
    ~TScratchDir() {
        if (!path_.empty()) fs::remove_all(path_, error_);
    }
    const std::string& Path() const { return path_; }

private:
    std::error_code error_;
    std::string path_;
};

std::vector<TDiagnosticRecord> Compile(const std::string& source, const std::string& classPath) {
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) return {FailureRecord(source, "Source file not found.")};
    TScratchDir scratch;
    if (scratch.Path().empty()) return {FailureRecord(source, "No temporary folder for the compiler's log.")};
    std::string logPath = scratch.Path() + "/problems.xml";
    std::string sourceDir = fs::path(source).parent_path().string();
    const TSourceStandIn standIn(source, scratch.Path());
    if (standIn.EcjPath().empty()) return {FailureRecord(source, "No copy of the source for the compiler.")};
    TEcjRun run = RunEcj(EcjCommand(standIn.EcjPath(), EcjClassPath(sourceDir, classPath), logPath),
                         scratch.Path() + "/output.txt", kEcjTimeoutSeconds);
    if (!run.Started) return {FailureRecord(source, "The Java compiler ecj could not be started.")};
    if (run.TimedOut) return {FailureRecord(source, "The Java compiler ecj did not finish in time.")};
    if (!run.Finished) return {FailureRecord(source, "The Java compiler ecj ended abnormally.")};

    std::string xml;
    TEcjLog log;
    if (ReadFile(logPath, xml)) log = ParseEcjLog(xml);
    std::string failure = "The Java compiler ecj failed (exit code " + std::to_string(run.ExitCode) + ")" +
                          (run.FirstOutputLine.empty() ? "." : ": " + run.FirstOutputLine);
    if (!log.Valid) return {FailureRecord(source, failure)};
    standIn.RenameProblems(log);
    std::vector<TDiagnosticRecord> records = RecordsFromLog(log, source, ReadFile);
    for (const std::string& reason : standIn.ReturnClassFiles()) records.push_back(FailureRecord(source, reason));
    bool anyError = false;
    for (const TDiagnosticRecord& r : records) anyError = anyError || r.IsError;
    if (run.ExitCode != 0 && !anyError) records.insert(records.begin(), FailureRecord(source, failure));
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    TAdapterArguments args = ParseAdapterArguments(std::vector<std::string>(argv + 1, argv + argc));
    std::vector<TDiagnosticRecord> records;
    if (args.Source.empty()) {
        records.push_back(FailureRecord("", "No source file given."));
    } else {
        std::error_code ec;
        fs::path absolute = fs::absolute(args.Source, ec);
        records = Compile(ec ? args.Source : absolute.lexically_normal().string(), args.ClassPath);
    }
    std::string output = LimitedOutput(records);
    std::fwrite(output.data(), 1, output.size(), stdout);
    std::fflush(stdout);
    for (const TDiagnosticRecord& r : records)
        if (r.IsError) return 1;
    return 0;
}
