#include "ide/pipeline/RunProgram.h"

#include <QProcess>
#include <cerrno>
#include <csignal>
#include <unistd.h>

#include "foundation/EError.h"

namespace {

constexpr int kReadSliceMs = 50;

// Appends what came on one channel, up to `limit` bytes in all; the rest is
// read and dropped so that the child never blocks on a full pipe.
void Take(std::string& kept, const QByteArray& bytes, size_t limit)
{
    if (kept.size() < limit) kept.append(bytes.constData(), std::min<size_t>(bytes.size(), limit - kept.size()));
}

void KillGroup(QProcess& process)
{
    const qint64 pid = process.processId();
    if (pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.waitForFinished(-1);
}

}  // namespace

std::string RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDir, std::chrono::milliseconds timeLimit)
{
    QProcess process;
    QStringList args;
    for (const std::string& arg : arguments) args << QString::fromStdString(arg);
    process.setProgram(QString::fromStdString(program));
    process.setArguments(args);
    process.setWorkingDirectory(QString::fromStdString(workingDir));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) throw EError(ecIDE, 33, "Could not create process");

    std::string out;
    std::string err;
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    while (process.state() != QProcess::NotRunning) {
        if (std::chrono::steady_clock::now() >= deadline) {
            KillGroup(process);
            throw EError(ecIDE, 33, "Timeout");
        }
        if (!process.waitForFinished(kReadSliceMs) && process.error() == QProcess::ReadError) {
            KillGroup(process);
            throw EError(ecIDE, 34, errno);
        }
        Take(out, process.readAllStandardOutput(), ProgramOutputLimit);
        Take(err, process.readAllStandardError(), ProgramOutputLimit);
    }
    Take(out, process.readAllStandardOutput(), ProgramOutputLimit);
    Take(err, process.readAllStandardError(), ProgramOutputLimit);
    out.append(err, 0, ProgramOutputLimit - out.size());
    return out;
}
