// Identify chosen from the Project menu while a paced download runs, in
// process on a real X server: the menu is gone from the screen while
// Identify waits for the download, under the busy cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include "ide/ProgressForm.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

QImage ScreenArea(const QRect& area)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The share of pixels that two pictures of one size have alike, but for
// those in `skipped`.
double AlikeShare(const QImage& a, const QImage& b, const QRect& skipped = {})
{
    int alike = 0;
    int compared = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (skipped.contains(x, y)) continue;
            ++compared;
            alike += a.pixel(x, y) == b.pixel(x, y);
        }
    return compared ? double(alike) / compared : 0;
}

class IdentifyWaitShown : public ModuleWindowFixture {};

TEST_F(IdentifyWaitShown, TheMenuIsGoneAndTheCursorBusyWhileIdentifyWaitsForTheDownload)
{
    ModuleSimulator module(world, 3, {"--paced"});
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(ShowExposed(*form));
    form->OpenSourceFile(CopyExample("Hello.java"));
    form->ProgramExecute();
    ASSERT_TRUE(WaitUntil([&] { return form->ProgressForm().ProgressText->text() == "Downloading Program"; }, 60s,
                          "the download to start"));

    QMenuBar* bar = form->menuBar();
    QAction* projectEntry = nullptr;
    for (QAction* entry : bar->actions())
        if (entry->text() == "&Project") projectEntry = entry;
    ASSERT_NE(projectEntry, nullptr);
    QMenu* project = projectEntry->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(projectEntry).center());
    ASSERT_TRUE(WaitUntil([&] { return project->isVisible(); }, 10s, "the Project menu open"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(project));
    const QRect menuArea(project->mapToGlobal(QPoint(0, 0)), project->size());
    const QImage open = ScreenArea(menuArea);
    SavePng(open, "menu-open");

    // Pictures taken from inside the wait: the worker's progress calls run there.
    QImage waiting;
    bool busy = false;
    QObject::connect(form->ProgressForm().ProgressBar, &QProgressBar::valueChanged, form.get(), [&] {
        if (!waiting.isNull() || !QApplication::overrideCursor()) return;
        busy = QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        waiting = ScreenArea(menuArea);
    });
    dialogs->boxAnswers = {TBoxAnswer::No};
    QTest::mouseClick(project, Qt::LeftButton, {}, project->actionGeometry(form->Action("Identify")).center());
    ASSERT_TRUE(WaitUntil([&] { return form->Worker == nullptr; }, 60s, "Identify to have waited for the download"));
    ASSERT_FALSE(waiting.isNull()) << "no picture from inside the wait";
    SavePng(waiting, "identify-waiting");
    EXPECT_TRUE(busy) << "the busy cursor while Identify waits";
    EXPECT_LT(AlikeShare(open, waiting), 0.5) << "the menu is still drawn where it was open";
    const QImage window = form->grab(QRect(form->mapFromGlobal(menuArea.topLeft()), menuArea.size()))
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    // The progress window stays in front of the main window.
    const QRect progress = form->ProgressForm().frameGeometry().translated(-menuArea.topLeft());
    EXPECT_GT(AlikeShare(window, waiting, progress), 0.99) << "the main window drawn where the menu was";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
