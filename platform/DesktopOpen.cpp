#include "platform/DesktopOpen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace {
std::function<bool(const std::string&)>& Opener() {
    static std::function<bool(const std::string&)> opener;
    return opener;
}

bool DesktopOpen(const std::string& path) {
    QString file = QString::fromUtf8(path.c_str());
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return QProcess::startDetached("xdg-open", {file});
}
}  // namespace

bool OpenWithDesktop(const std::string& path) {
    return Opener() ? Opener()(path) : DesktopOpen(path);
}

void SetDesktopOpener(std::function<bool(const std::string&)> opener) {
    Opener() = std::move(opener);
}
