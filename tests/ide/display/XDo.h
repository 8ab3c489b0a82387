#pragma once
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <string>

// Runs xdotool with `args` on this program's X display or on `display`;
// its standard output.
inline std::string XDoTool(const QStringList& args, const std::string& display = {})
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!display.empty()) env.insert("DISPLAY", QString::fromStdString(display));
    tool.setProcessEnvironment(env);
    tool.start("xdotool", args);
    if (!tool.waitForFinished(10000)) tool.kill();
    return tool.readAllStandardOutput().trimmed().toStdString();
}

// The id of the first visible window named `name` once it is mapped; ""
// after the deadline.
inline std::string VisibleWindowId(const QString& name, int ms, const std::string& display = {})
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        const std::string ids = XDoTool({"search", "--onlyvisible", "--name", name}, display);
        if (!ids.empty()) return ids.substr(0, ids.find('\n'));
        QThread::msleep(100);  // polling the X server for the window, bounded by the deadline
    }
    return {};
}

// Waits up to `ms` for the visible window named `name` and focuses it; its
// id, "" when it did not show.
inline QString FocusedWindow(const QString& name, int ms)
{
    const QString id = QString::fromStdString(VisibleWindowId(name, ms));
    if (!id.isEmpty()) XDoTool({"windowfocus", "--sync", id});
    return id;
}
