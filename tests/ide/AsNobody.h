#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <string>
#include <sys/stat.h>

#include "tests/ide/IdeProcess.h"

// Runs the disabled tests that `filter` names in a second process of this
// test program as `nobody`, with the world's ports (the folders readable by
// anyone, the simulator's devices root's own); passes when one test passed.
inline void RunAsNobody(const IdeWorld& world, const QString& filter)
{
    chmod(world.Dir().c_str(), 0755);
    chmod(world.Ports().c_str(), 0755);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CORVANE_PORT_DIR", QString::fromStdString(world.Ports()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                            QCoreApplication::applicationFilePath(), "--gtest_filter=" + filter,
                            "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(180000)) << "the part run as nobody did not end";
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}
