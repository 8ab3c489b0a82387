// The data window on screen: opening lines, icons, the toolbar and the pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "debugger/qt/DataViewForm.h"
#include "debugger/qt/TypeImages.h"
#include "tests/debugger/DataWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"
#include "widgets/WrapToolBar.h"

using namespace std::chrono_literals;

namespace {

class DataViewFormTest : public ::testing::Test {
protected:
    DataViewFormTest()
    {
        form.resize(420, 520);
        data.rig.host.dataView = &form;
    }
    ~DataViewFormTest() override
    {
        data.rig.session.SetJVM(nullptr);
        data.rig.host.dataView = nullptr;
    }

    void RunTo(const std::string& program, const std::string& marker)
    {
        data.RunTo(DataRig::Program(program), program, marker);
    }
    QTreeWidgetItem* Item(QTreeWidget* tree, const QString& prefix)
    {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0).startsWith(prefix)) return *it;
        ADD_FAILURE() << prefix.toStdString();
        return nullptr;
    }
    QTreeWidget* Shown(QTreeWidget* tree)
    {
        form.DebugTabs()->setCurrentWidget(tree);
        EXPECT_TRUE(ShowExposed(form));
        return tree;
    }
    QLabel* Label(const char* name) { return form.findChild<QLabel*>(name); }

    DataRig data;
    TDataViewForm form{[this] { return data.rig.session.Linker(); }};
};

TEST_F(DataViewFormTest, LinesOpenByRightPlusAndDoubleClick)
{
    RunTo("Values", "// stop");
    QTreeWidget* tree = Shown(form.StackTree());
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Values::main()");
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());

    QTreeWidgetItem* item = Item(tree, "Item item = ");
    tree->setCurrentItem(item);
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(item->isExpanded());
    ASSERT_EQ(item->childCount(), 4);
    EXPECT_EQ(item->child(1)->text(0), "int count = 22 0x0016 '..'");

    QTreeWidgetItem* numbers = Item(tree, "int[] numbers = ");
    tree->setCurrentItem(numbers);
    QTest::keyClick(tree, Qt::Key_Plus);
    ASSERT_EQ(numbers->childCount(), 3);
    EXPECT_EQ(numbers->child(2)->text(0), " [2] = 300 0x012C '.,'");

    QTreeWidgetItem* letters = Item(tree, "char[] letters = ");
    tree->scrollToItem(letters);
    const QPoint at = tree->visualItemRect(letters).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(letters->isExpanded());
    ASSERT_EQ(letters->childCount(), 2);
    EXPECT_EQ(letters->child(0)->text(0), " [0] = 120 0x78 'x'");

    // While the module runs a line opens and closes again, unfilled.
    QTreeWidgetItem* bytes = Item(tree, "byte[] bytes = ");
    data.rig.session.Run();
    tree->setCurrentItem(bytes);
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_FALSE(bytes->isExpanded());
    EXPECT_EQ(bytes->childCount(), 1);
    EXPECT_TRUE(bytes->child(0)->text(0).isEmpty());
    data.rig.session.Stop();
}

// The out-of-scope icon on screen, then an error while the user opens a line:
// reported, with the lines so far.
TEST_F(DataViewFormTest, TheOutOfScopeIconAndAnErrorWhileTheUserOpensALine)
{
    RunTo("Edges", "// out of scope");
    QTreeWidget* tree = Shown(form.StackTree());
    QTreeWidgetItem* line = Item(tree, "later out of scope");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->icon(0).cacheKey(), TypeImages()[imOutOfScope].cacheKey());
    const QImage shot = GrabToPng(*tree->viewport(), "out-of-scope");
    EXPECT_TRUE(HasColor(shot, tree->visualItemRect(line), QColor(200, 0, 0)));

    data.RunOnTo(DataRig::Program("Edges"), "Edges", "// floats");
    QTreeWidgetItem* object = Item(tree, "WithFloat w = ");
    tree->setCurrentItem(object);
    data.rig.sink.Clear();
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(data.rig.sink.Contains("Type not implemented in debugger (F).")) << "reported on the message list";
    ASSERT_EQ(object->childCount(), 1);
    EXPECT_EQ(object->child(0)->text(0), "int before = 0 0x0000 '..'");
}

TEST_F(DataViewFormTest, EachKindOfLineHasItsIcon)
{
    RunTo("Values", "// stop");
    QTreeWidget* tree = Shown(form.StackTree());
    QTreeWidgetItem* bytes = Item(tree, "byte[] bytes = ");
    bytes->setExpanded(true);
    QTreeWidgetItem* statics = form.StaticTree()->topLevelItem(0);
    const std::pair<QTreeWidgetItem*, QColor> kinds[] = {
        {tree->topLevelItem(0), QColor(0, 0, 160)},      {Item(tree, "int[] numbers"), QColor(128, 0, 128)},
        {bytes->child(300), QColor(128, 128, 128)},      {Item(tree, "Item item"), QColor(255, 160, 0)},
        {Item(tree, "int i = "), QColor(0, 160, 0)},     {Item(tree, "java.lang.String text"), QColor(255, 255, 160)},
    };
    EXPECT_EQ(statics->icon(0).cacheKey(), TypeImages()[imObject].cacheKey());
    tree->clearSelection();
    tree->setCurrentItem(nullptr);
    for (int index = 0; index < 6; ++index) {
        QTreeWidgetItem* line = kinds[index].first;
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->icon(0).cacheKey(), TypeImages()[size_t(index)].cacheKey()) << index;
        tree->scrollToItem(line);
        const QImage shot = GrabToPng(*tree->viewport(), "kind-" + std::to_string(index));
        EXPECT_TRUE(HasColor(shot, tree->visualItemRect(line), kinds[index].second)) << "icon " << index << " on screen";
    }
}

TEST_F(DataViewFormTest, TheToolbarCarriesTheMainWindowsActions)
{
    QAction run("Run"), stop("Stop"), into("Step Into"), over("Step Over"), toggle("Toggle Breakpoint"),
        reset("Reset"), message("Show Message");
    form.SetActions({&run, &stop, &into, &over, &toggle, &reset, &message});
    const QList<QAction*> actions = form.ToolBar()->actions();
    ASSERT_EQ(actions.size(), 10);
    const QAction* expected[] = {&run, &stop, nullptr, &into, &over, nullptr, &toggle, &reset, nullptr, &message};
    for (int i = 0; i < 10; ++i) {
        if (expected[i])
            EXPECT_EQ(actions[i], expected[i]) << i;
        else
            EXPECT_TRUE(actions[i]->isSeparator()) << i;
    }
    EXPECT_EQ(form.ToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    ASSERT_TRUE(ShowExposed(form));
    auto* button = qobject_cast<QToolButton*>(form.ToolBar()->widgetForAction(&over));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Step Over");
    QSignalSpy triggered(&over, &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);
    over.setEnabled(false);
    EXPECT_FALSE(button->isEnabled()) << "the button follows the main window's action";
}

// The memory page's figures add up in the acceptance suite and the data
// window's core tests; here its class grid, and each page shows its own.
TEST_F(DataViewFormTest, EveryPageWithItsPicture)
{
    RunTo("Values", "// stop");
    ASSERT_TRUE(ShowExposed(form));
    form.DebugTabs()->setCurrentIndex(2);
    const CORULinker& linker = *data.rig.session.Linker();
    auto* sizes = form.findChild<QTableWidget*>("ClassSizes");
    EXPECT_EQ(sizes->rowCount(), linker.GetClassCount());
    EXPECT_EQ(sizes->item(0, 0)->text(), linker.GetClass(0)->GetName());
    const QImage memory = GrabToPng(form, "memory-usage");
    form.DebugTabs()->setCurrentIndex(0);
    const QImage stack = GrabToPng(form, "call-stack");
    form.DebugTabs()->setCurrentIndex(1);
    form.StaticTree()->topLevelItem(0)->setExpanded(true);
    EXPECT_GT(form.StaticTree()->topLevelItem(0)->childCount(), 1);
    const QImage statics = GrabToPng(form, "static-variables");
    EXPECT_NE(stack, statics);
    EXPECT_NE(memory, stack);
}

TEST_F(DataViewFormTest, AtItsDefaultSizeTheMemoryPageShowsItsBarCaptionsAndHeadersWhole)
{
    RunTo("Values", "// stop");
    QPixmap picture(16, 16);
    picture.fill(Qt::blue);
    QAction run(picture, "Run"), stop(picture, "Stop"), into(picture, "Step Into"), over(picture, "Step Over"),
        toggle(picture, "Breakpoint"), reset(picture, "Reset"), message(picture, "Messages");
    form.SetActions({&run, &stop, &into, &over, &toggle, &reset, &message});
    form.resize(373, 337);  // the default layout's size
    form.DebugTabs()->setCurrentIndex(2);
    ASSERT_TRUE(ShowExposed(form));
    const QImage shot = GrabToPng(form, "memory-usage-default-size");
    auto* sizes = form.findChild<QTableWidget*>("ClassSizes");
    const QRect grid(sizes->mapTo(&form, QPoint(0, 0)), sizes->size());
    for (const char* name : {"MemoryBar", "StackText", "HeapText"}) {
        const QWidget* part = form.findChild<QWidget*>(name);
        const QRect rect(part->mapTo(&form, QPoint(0, 0)), part->size());
        EXPECT_FALSE(rect.intersects(grid)) << name << " lies under the class grid";
    }
    EXPECT_TRUE(HasColor(shot, QRect(Label("StackText")->mapTo(&form, QPoint(0, 0)), Label("StackText")->size()),
                         Label("StackText")->palette().color(QPalette::WindowText)));
    const QFrame* heapBar = form.findChild<QFrame*>("HeapBar");
    ASSERT_GT(heapBar->width(), 0);
    EXPECT_EQ(PixelAt(shot, heapBar->mapTo(&form, QPoint(heapBar->width() / 2, 6))), QColor(0, 128, 0));
    const QHeaderView* header = sizes->horizontalHeader();
    for (int column = 0; column < 3; ++column) {
        const QString text = sizes->horizontalHeaderItem(column)->text();
        EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column), header->viewport()->width())
            << text.toStdString() << " runs past the grid's edge";
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column))
            << text.toStdString() << " is cut";
    }
    EXPECT_GE(sizes->viewport()->height() / sizes->verticalHeader()->defaultSectionSize(), 3);
    for (const QLabel* label : form.findChild<QWidget*>("MemoryUsage")->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString() << " is cut";
}

}  // namespace
