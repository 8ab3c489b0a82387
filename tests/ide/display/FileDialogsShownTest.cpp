// The Open and Save dialogs (the editor's and the terminal's) on a real X
// server, in the program directory's Projects/: the name and the Size, Type
// and Date Modified columns show whole, titles and the examples' values alike,
// and the widened dialog still opens over its window, inside the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QTest>
#include <QTimer>
#include <QScreen>
#include <QTreeView>
#include <functional>

#include "ide/EditorDialogs.h"
#include "ide/terminal/TerminalDialogs.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

const std::string Examples = ProgramDir() + "/Projects";
constexpr int ExampleCount = 5;

// Checks the dialog that `open` shows over `owner`, then cancels it.
void CheckShownDialog(const std::string& picture, const QWidget& owner, const std::function<void()>& open)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        checked = true;
        ASSERT_NE(dialog, nullptr);
        auto cancel = [dialog](void*) { dialog->reject(); };
        std::unique_ptr<void, decltype(cancel)> cancelAtTheEnd(dialog, cancel);
        auto* view = dialog->findChild<QTreeView*>("treeView");
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return view->isVisible() && view->model()->rowCount(view->rootIndex()) == ExampleCount; },
                              10s, "the examples listed"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        SavePng(dialog->grab().toImage(), picture);
        const QRect frame = dialog->frameGeometry();
        EXPECT_TRUE(dialog->screen()->availableGeometry().contains(frame)) << picture;
        EXPECT_TRUE(frame.intersects(owner.frameGeometry())) << picture << ": not over its window";
        QHeaderView* header = view->header();
        std::vector<int> shown;
        for (int column = 0; column < 4; ++column) {
            EXPECT_FALSE(header->isSectionHidden(column)) << column;
            shown.push_back(header->sectionSize(column));
        }
        EXPECT_LE(header->sectionViewportPosition(3) + header->sectionSize(3), view->viewport()->width())
            << "a column beyond the view's right edge";
        // What each column needs for its title and every value; the dialog
        // keeps the widths it showed for the next time.
        for (int column = 0; column < 4; ++column) {
            view->resizeColumnToContents(column);
            EXPECT_GE(shown[size_t(column)], header->sectionSize(column))
                << header->model()->headerData(column, Qt::Horizontal).toString().toStdString() << " cut";
            header->resizeSection(column, shown[size_t(column)]);
        }
    });
    open();
    EXPECT_TRUE(checked) << "no dialog shown";
}

TEST(FileDialogsShown, OpenAndSaveShowTheNameSizeTypeAndDateWhole)
{
    // A window at the screen's right edge: a dialog centred on it must not
    // be pushed out of the screen, nor jump away from it.
    QWidget owner;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    owner.setGeometry(screen.right() - 400, 100, 380, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TQtEditorDialogs dialogs(&owner);
    CheckShownDialog("open", owner, [&] { dialogs.OpenFiles(Examples); });
    CheckShownDialog("save", owner, [&] { dialogs.SaveFile(Examples, "Untitled.java"); });
    // The terminal's dialogs start in the working folder.
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(Examples)));
    TQtTerminalDialogs terminal(&owner);
    CheckShownDialog("terminal-save", owner, [&] { terminal.SaveFileName(); });
    QDir::setCurrent(working);
}

}  // namespace
