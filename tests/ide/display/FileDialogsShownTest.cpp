// The Open and Save dialogs on a real X server, in the program directory's
// Projects/: the name, Size, Type and Date Modified columns show whole, and
// the widened dialog still opens over its window, inside the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
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
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = true;
        const auto cancel = qScopeGuard([dialog] { dialog->reject(); });
        auto* view = dialog->findChild<QTreeView*>("treeView");
        ASSERT_NE(view, nullptr);
        const auto listed = [&] { return view->model()->rowCount(view->rootIndex()) == ExampleCount; };
        ASSERT_TRUE(WaitUntil([&] { return view->isVisible() && listed(); }, 10s, "the examples listed"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        SavePng(dialog->grab().toImage(), picture);
        const QRect frame = dialog->frameGeometry();
        EXPECT_TRUE(dialog->screen()->availableGeometry().contains(frame)) << picture;
        EXPECT_TRUE(frame.intersects(owner.frameGeometry())) << picture << ": not over its window";
        QHeaderView* header = view->header();
        EXPECT_LE(header->sectionViewportPosition(3) + header->sectionSize(3), view->viewport()->width())
            << "a column beyond the view's right edge";
        // What each column needs for its title and every value, as the view
        // measures it to fit a column to its contents.
        const QAbstractItemView& items = *view;  // the tree's hint, public in its base
        for (int column = 0; column < 4; ++column)
            EXPECT_GE(header->sectionSize(column),
                      std::max(items.sizeHintForColumn(column), header->sectionSizeHint(column)))
                << header->model()->headerData(column, Qt::Horizontal).toString().toStdString() << " cut";
    });
    open();
    EXPECT_TRUE(shown) << "no file dialog for " << picture;
}

TEST(FileDialogsShown, OpenAndSaveShowTheNameSizeTypeAndDateWhole)
{
    // A window at the screen's right edge: a dialog centred on it must not
    // be pushed out of the screen, nor jump away from it.
    QWidget owner;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    owner.setGeometry(screen.right() - 400, 100, 380, 300);
    ASSERT_TRUE(ShowExposed(owner));
    TQtEditorDialogs dialogs(&owner);
    TQtTerminalDialogs terminal(&owner);  // its dialogs start in the working folder
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(Examples)));
    CheckShownDialog("open", owner, [&] { dialogs.OpenFiles(Examples); });
    CheckShownDialog("save", owner, [&] { dialogs.SaveFile(Examples, "Untitled.java"); });
    CheckShownDialog("terminal-save", owner, [&] { terminal.SaveFileName(); });
    QDir::setCurrent(working);
}

}  // namespace
