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

// How many pixels of two pictures of one size differ, but for those in `skipped`.
int DifferentPixels(const QImage& a, const QImage& b, const QRect& skipped)
{
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) different += !skipped.contains(x, y) && a.pixel(x, y) != b.pixel(x, y);
    return different;
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
    QAction* projectEntry = bar->actions()[2];  // after File and Edit
    ASSERT_EQ(projectEntry->text(), "&Project");
    QMenu* project = projectEntry->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(projectEntry).center());
    ASSERT_TRUE(WaitUntil([&] { return project->isVisible(); }, 10s, "the Project menu open"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(project));
    const QRect menuArea(project->mapToGlobal(QPoint(0, 0)), project->size());

    // The screen where the menu was, from inside the wait: the worker's
    // progress calls run there.
    QImage waiting;
    bool busy = false;
    QObject::connect(form->ProgressForm().ProgressBar, &QProgressBar::valueChanged, form.get(), [&] {
        if (!waiting.isNull() || !QApplication::overrideCursor()) return;
        busy = QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        waiting = QGuiApplication::primaryScreen()
                      ->grabWindow(0, menuArea.x(), menuArea.y(), menuArea.width(), menuArea.height())
                      .toImage();
    });
    dialogs->boxAnswers = {TBoxAnswer::No};
    QTest::mouseClick(project, Qt::LeftButton, {}, project->actionGeometry(form->Action("Identify")).center());
    ASSERT_TRUE(WaitUntil([&] { return form->Worker == nullptr; }, 60s, "Identify to have waited for the download"));
    ASSERT_FALSE(waiting.isNull()) << "no picture from inside the wait";
    SavePng(waiting, "identify-waiting");
    EXPECT_TRUE(busy) << "the busy cursor while Identify waits";
    // The main window drawn there, not the menu; the progress window stays in
    // front of it.
    const QImage window = form->grab(QRect(form->mapFromGlobal(menuArea.topLeft()), menuArea.size())).toImage();
    const QRect progress = form->ProgressForm().frameGeometry().translated(-menuArea.topLeft());
    EXPECT_LT(DifferentPixels(window, waiting, progress), window.width() * window.height() / 100);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
