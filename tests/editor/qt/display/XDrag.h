#pragma once
#include <gtest/gtest.h>

#include <QDrag>
#include <QPoint>
#include <QProcess>
#include <QTimer>

#include <chrono>

#include "tests/support/gui/WaitUntil.h"

// A left-button drag by xdotool from From to To (screen pixels) in small
// steps; Key (an xdotool key name such as "shift", or empty) goes down
// halfway, once the drag is under way, and up after the release. xdotool
// runs as a process of its own, so this process's event loop (and the
// nested one of a drag) turns meanwhile. A drag still running at the
// deadline is cancelled, which no wait inside its loop could do.
class XDrag {
public:
    XDrag(QPoint From, QPoint To, const QString& Key = {}) : key_(Key) {
        QStringList args{"mousemove", "--sync", Number(From.x()), Number(From.y()), "sleep", "0.2",
                         "mousedown", "1",      "sleep",          "0.15"};
        const int steps = 10;
        for (int i = 1; i <= steps; ++i) {
            QPoint at = From + (To - From) * i / steps;
            args << "mousemove" << "--sync" << Number(at.x()) << Number(at.y()) << "sleep" << "0.04";
            if (i == steps / 2 && !key_.isEmpty()) args << "keydown" << key_ << "sleep" << "0.04";
        }
        args << "sleep" << "0.15" << "mouseup" << "1" << "sleep" << "0.05";
        if (!key_.isEmpty()) args << "keyup" << key_;
        rescue_.setSingleShot(true);
        QObject::connect(&rescue_, &QTimer::timeout, [this] {
            cancelled_ = true;
            QDrag::cancel();
        });
        rescue_.start(kDeadline);
        process_.start("xdotool", args);
    }
    // An unfinished drag is stopped and its button and key let go.
    ~XDrag() {
        rescue_.stop();
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(5000);
        QStringList release{"mouseup", "1"};
        if (!key_.isEmpty()) release << "keyup" << key_;
        QProcess::execute("xdotool", release);
    }

    // Turns the event loop until xdotool has released the button.
    ::testing::AssertionResult Finished() {
        auto ended = WaitUntil([&] { return process_.state() == QProcess::NotRunning; },
                               kDeadline + std::chrono::seconds(5), "xdotool's drag to end");
        if (!ended) return ended;
        if (cancelled_) {
            return ::testing::AssertionFailure() << "the drag was still under way after " << kDeadline.count()
                                                 << " ms and was cancelled";
        }
        if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0) {
            return ::testing::AssertionFailure()
                   << "xdotool failed: " << process_.readAllStandardError().toStdString();
        }
        return ::testing::AssertionSuccess();
    }

private:
    static constexpr std::chrono::milliseconds kDeadline{15000};
    static QString Number(int Value) { return QString::number(Value); }

    QString key_;
    QProcess process_;
    QTimer rescue_;
    bool cancelled_ = false;
};
