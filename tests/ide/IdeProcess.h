#pragma once
#include <QProcess>
#include <QProcessEnvironment>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

// A private world for started programs: settings, runtime folder, port folder
// and working folder of their own.
class IdeWorld {
public:
    IdeWorld();
    const std::string& Dir() const { return dir_.Path(); }
    std::string Ports() const { return dir_.File("ports"); }
    std::string Runtime() const { return dir_.File("runtime"); }
    std::string Work() const { return dir_.File("work"); }
    std::string ProgramDir() const { return dir_.File("program"); }
    QProcessEnvironment Environment(bool privateProgramDir = false) const;
    std::string Platform = "offscreen";  // the started programs' Qt platform
    std::string Display;                 // their X display; "": this program's

private:
    TempDir dir_{"corvane-ide-world"};
};

// A finished (or killed) run of a program.
struct ProcessResult {
    int exitCode = -1;  // -1: did not end by itself in time
    std::string out;
    std::string err;
};

// The built IDE started in `world`; its output is collected as it comes.
class IdeProcess {
public:
    IdeProcess(const IdeWorld& world, const std::vector<std::string>& args, bool privateProgramDir = false,
               bool logOpens = false);
    ~IdeProcess();

    bool Started() const { return started_; }
    // Waits until standard error holds `text`; false after `ms`.
    bool WaitForError(const std::string& text, int ms = 20000);
    // Waits for the end; kills the program after `ms`.
    ProcessResult Finish(int ms = 30000);
    void Kill();
    const std::string& Err() const { return err_; }
    qint64 Pid() const { return process_->processId(); }

private:
    void Collect();

    std::unique_ptr<QProcess> process_;
    bool started_ = false;
    std::string out_;
    std::string err_;
};

// Runs the IDE to its end.
ProcessResult RunIde(const IdeWorld& world, const std::vector<std::string>& args, int ms = 30000);

// The module simulator with the virtual machine on COM<n> of the world's port folder.
class ModuleSimulator {
public:
    // extraArgs: more of orusim's arguments, such as "--fault" and its spec.
    ModuleSimulator(const IdeWorld& world, int com, const std::vector<std::string>& extraArgs = {});
    ~ModuleSimulator();

    bool Ready() const { return ready_; }
    // Ends the simulator at once (SIGKILL) or asks it to end (SIGTERM).
    void Kill();
    void Terminate();
    // Waits until its event output holds `text`; false after `ms`.
    bool WaitForEvent(const std::string& text, int ms = 20000);
    // Reads what has come without waiting; true when the events hold `text`
    // (for waits that keep the caller's event loop turning).
    bool HasEvent(const std::string& text);
    void Command(const std::string& line);
    const std::string& Events() const { return out_; }
    // Forgets the events read so far: a later wait sees only newer ones.
    void ClearEvents() { out_.clear(); }
    // The last lines of its output, cleared or not (at most RecentLines).
    static constexpr size_t RecentLines = 50;
    const std::string& RecentEvents() const { return recent_; }
    // Its process id (0 once it has ended).
    qint64 Pid() const { return process_->processId(); }

private:
    void Read();

    std::unique_ptr<QProcess> process_;
    bool ready_ = false;
    std::string out_;
    std::string recent_;
};

// Waits until a file exists; false after `ms`.
bool WaitForFile(const std::string& path, int ms = 20000);
