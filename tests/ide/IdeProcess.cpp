#include "tests/ide/IdeProcess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QThread>

#include "tests/support/JavaCompile.h"

namespace {

// Reads what came until `done` holds or the time is up.
template <class Done>
bool WaitFor(QProcess& process, int ms, Done done)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        if (process.state() == QProcess::NotRunning) {
            process.waitForReadyRead(0);
            return done();
        }
        process.waitForReadyRead(int(std::min<qint64>(100, deadline.remainingTime())));
    }
    return true;
}

}  // namespace

IdeWorld::IdeWorld()
{
    for (const std::string& dir : {Ports(), Runtime(), Work(), ProgramDir(), dir_.File("config")})
        TempDir::MakeDirs(dir);
    ::chmod(Runtime().c_str(), 0700);
}

QProcessEnvironment IdeWorld::Environment(bool privateProgramDir) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir_.File("config")));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(Runtime()));
    env.insert("CORVANE_PORT_DIR", QString::fromStdString(Ports()));
    env.insert("QT_QPA_PLATFORM", QString::fromStdString(Platform));
    if (!Display.empty()) env.insert("DISPLAY", QString::fromStdString(Display));
    if (privateProgramDir) env.insert("CORVANE_PROGRAM_DIR", QString::fromStdString(ProgramDir()));
    return env;
}

IdeProcess::IdeProcess(const IdeWorld& world, const std::vector<std::string>& args, bool privateProgramDir,
                       bool logOpens)
    : process_(std::make_unique<QProcess>())
{
    QProcessEnvironment env = world.Environment(privateProgramDir);
    if (logOpens) env.insert("QT_LOGGING_RULES", "corvane.ide.open.info=true");
    process_->setProcessEnvironment(env);
    process_->setWorkingDirectory(QString::fromStdString(world.Work()));
    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    process_->start(QString::fromStdString(::ProgramDir() + "/corvane-ide"), arguments);
    started_ = process_->waitForStarted(10000);
}

IdeProcess::~IdeProcess()
{
    Kill();
}

void IdeProcess::Collect()
{
    out_ += process_->readAllStandardOutput().toStdString();
    err_ += process_->readAllStandardError().toStdString();
}

bool IdeProcess::WaitForError(const std::string& text, int ms)
{
    return WaitFor(*process_, ms, [&] {
        Collect();
        return err_.find(text) != std::string::npos;
    });
}

ProcessResult IdeProcess::Finish(int ms)
{
    ProcessResult result;
    if (started_ && process_->waitForFinished(ms) && process_->exitStatus() == QProcess::NormalExit)
        result.exitCode = process_->exitCode();
    Kill();
    Collect();
    result.out = out_;
    result.err = err_;
    return result;
}

void IdeProcess::Kill()
{
    if (process_->state() == QProcess::NotRunning) return;
    process_->kill();
    process_->waitForFinished(5000);
}

ProcessResult RunIde(const IdeWorld& world, const std::vector<std::string>& args, int ms)
{
    IdeProcess ide(world, args);
    return ide.Finish(ms);
}

ModuleSimulator::ModuleSimulator(const IdeWorld& world, int com, const std::vector<std::string>& extraArgs)
    : process_(std::make_unique<QProcess>())
{
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    QStringList args{"--port-dir", QString::fromStdString(world.Ports()), "--com", QString::number(com), "--vm"};
    for (const std::string& arg : extraArgs) args << QString::fromStdString(arg);
    process_->start(QString::fromStdString(::ProgramDir() + "/orusim"), args);
    ready_ = process_->waitForStarted(10000) && WaitForEvent("READY COM" + std::to_string(com), 20000);
}

ModuleSimulator::~ModuleSimulator()
{
    if (process_->state() == QProcess::NotRunning) return;
    process_->write("quit\n");
    process_->closeWriteChannel();
    if (!process_->waitForFinished(5000)) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

void ModuleSimulator::Kill()
{
    process_->kill();
    process_->waitForFinished(5000);
}

void ModuleSimulator::Terminate()
{
    process_->terminate();
    process_->waitForFinished(5000);
}

void ModuleSimulator::Read()
{
    const std::string more = process_->readAllStandardOutput().toStdString();
    if (more.empty()) return;
    out_ += more;
    recent_ += more;
    size_t lines = 0;
    for (size_t at = recent_.size(); at > 0; --at)
        if (recent_[at - 1] == '\n' && at < recent_.size() && ++lines == RecentLines) {
            recent_.erase(0, at);
            break;
        }
}

bool ModuleSimulator::WaitForEvent(const std::string& text, int ms)
{
    return WaitFor(*process_, ms, [&] {
        Read();
        return out_.find(text) != std::string::npos;
    });
}

bool ModuleSimulator::HasEvent(const std::string& text)
{
    Read();
    return out_.find(text) != std::string::npos;
}

void ModuleSimulator::Command(const std::string& line)
{
    process_->write(QByteArray::fromStdString(line + "\n"));
    process_->waitForBytesWritten(5000);
}

bool WaitForFile(const std::string& path, int ms)
{
    QDeadlineTimer deadline(ms);
    struct stat st;
    while (::stat(path.c_str(), &st) != 0) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
    return true;
}
