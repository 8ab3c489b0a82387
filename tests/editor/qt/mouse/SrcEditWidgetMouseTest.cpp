#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "editor/support/Strings.h"
#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

// An editor whose drops come from a chosen source widget: synthetic drop
// events carry no drag source of their own.
class DropTarget : public TSrcEditWidget {
public:
    using TSrcEditWidget::TSrcEditWidget;
    QObject* source = nullptr;

protected:
    QObject* DropSource(const QDropEvent& Event) const override {
        return source ? source : TSrcEditWidget::DropSource(Event);
    }
};

// A window that takes the files its children refuse.
class FileCatcher : public QWidget {
public:
    FileCatcher() { setAcceptDrops(true); }
    QStringList files;

protected:
    void dragEnterEvent(QDragEnterEvent* Event) override { Event->acceptProposedAction(); }
    void dropEvent(QDropEvent* Event) override {
        for (const QUrl& url : Event->mimeData()->urls()) {
            files << url.toLocalFile();
        }
        Event->acceptProposedAction();
    }
};

class SrcEditWidgetMouseTest : public ::testing::Test, public WidgetScene {
public:
    TSrcEditWidget& W() { return *widget; }
    QWidget* Port() { return widget->viewport(); }
    QRgb PixelAt(const QPoint& P) { return Repaint().pixel(P); }
    static bool Drop(QWidget& Target, const QPoint& At, const QMimeData& Data, Qt::KeyboardModifiers Modifiers,
                     Qt::DropAction* Action = nullptr) {
        QDragEnterEvent enter(At, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, Modifiers);
        QApplication::sendEvent(&Target, &enter);
        QDropEvent event(At, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, Modifiers);
        QApplication::sendEvent(&Target, &event);
        if (Action) {
            *Action = event.dropAction();
        }
        return event.isAccepted();
    }
    void FilesDropped(TObject*, int, int, TStrings* Files) {
        for (int i = 0; i < Files->Count(); ++i) {
            dropped.push_back(Files->Get(i));
        }
    }
    std::vector<std::string> dropped;
};

TEST_F(SrcEditWidgetMouseTest, PressDragAndReleaseSelectAndShowTheSelection) {
    SetLines({"alpha beta gamma", "delta epsilon"});
    QTest::mousePress(Port(), Qt::LeftButton, {}, Cell(2, 1) - QPoint(W().CharWidth() / 2, 0));
    EXPECT_EQ(W().CaretXY(), BufferCoord(2, 1));
    EXPECT_TRUE(W().Window().MouseCapture());
    QTest::mouseMove(Port(), Cell(3, 2) - QPoint(W().CharWidth() / 2, 0));
    QTest::mouseRelease(Port(), Qt::LeftButton, {}, Cell(3, 2) - QPoint(W().CharWidth() / 2, 0));
    EXPECT_EQ(W().SelText(), "lpha beta gamma\r\nde");
    EXPECT_FALSE(W().Window().MouseCapture());
    QRgb selected = Rgb(W().SelectedColor().Background());
    EXPECT_EQ(PixelAt(Cell(5, 1)), selected);
    EXPECT_NE(PixelAt(Cell(1, 1)), selected);
    QTest::mouseClick(Port(), Qt::LeftButton, Qt::ShiftModifier, Cell(6, 1) - QPoint(W().CharWidth() / 2, 0));
    EXPECT_EQ(W().SelText(), "lpha");  // extended from the anchor
}

TEST_F(SrcEditWidgetMouseTest, ADoubleClickSelectsAWordAndTheReleaseKeepsIt) {
    SetLines({"alpha beta gamma"});
    // The sequence of a display: press, release, double click, release.
    QTest::mouseClick(Port(), Qt::LeftButton, {}, Cell(8, 1));
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, Cell(8, 1));
    QTest::mouseRelease(Port(), Qt::LeftButton, {}, Cell(8, 1));
    EXPECT_EQ(W().SelText(), "beta");
    EXPECT_EQ(W().CaretXY(), BufferCoord(11, 1));
    EXPECT_EQ(PixelAt(Cell(8, 1)), Rgb(W().SelectedColor().Background()));
    QTest::mouseClick(Port(), Qt::LeftButton, {}, Cell(8, 1) - QPoint(W().CharWidth() / 2, 0));
    EXPECT_FALSE(W().SelAvail());  // a third click is a plain one
    EXPECT_EQ(W().CaretXY(), BufferCoord(8, 1));
}

TEST_F(SrcEditWidgetMouseTest, AClickPastAWrappedRowsEndPutsTheCaretAtThatEnd) {
    int portWidth = W().GutterWidth() + 2 + 30 * W().CharWidth() + W().CharWidth() / 2;
    widget->resize(widget->width() + portWidth - Port()->width(), widget->height());
    ASSERT_EQ(W().CharsInWindow(), 30);
    std::string row1 = "abcdefghijabcdefghijabcdefghij";
    SetLines({(row1 + "klmnopqrst").c_str(), "next"});
    WithOption(eoScrollPastEol, false);
    W().SetWordWrap(true);
    ASSERT_TRUE(Focus());
    const QPoint leftEdge(W().CharWidth() / 2, 0);
    QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(portWidth - 1, Cell(1, 1).y()));
    EXPECT_EQ(W().CaretXY(), BufferCoord(31, 1));
    EXPECT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(31, 1) - leftEdge), qRgb(0, 0, 0)) << "the caret at row 1's end";
    QTest::keyClick(widget.get(), Qt::Key_Z);
    EXPECT_EQ(W().Lines()[0], row1 + "zklmnopqrst");
    QTest::mouseClick(Port(), Qt::LeftButton, {}, Cell(25, 2));  // past the line's end, on its last row
    EXPECT_EQ(W().CaretXY(), BufferCoord(42, 1));
    EXPECT_TRUE(ScreenSettlesToRepaint());
    EXPECT_EQ(Screen().pixel(Cell(12, 2) - leftEdge), qRgb(0, 0, 0)) << "the caret after the line's end";
    W().SetWordWrap(false);
}

TEST_F(SrcEditWidgetMouseTest, TheWheelScrollsByNotchesAndCtrlByAPage) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 300; ++i) {
        W().Lines().Add("line " + std::to_string(i));
    }
    W().SetTopLine(100);
    auto wheel = [&](int Delta, Qt::KeyboardModifiers Modifiers) {
        QWheelEvent event(Cell(2, 2), Port()->mapToGlobal(Cell(2, 2)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                          Modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Port(), &event);
    };
    wheel(-60, {});
    EXPECT_EQ(W().TopLine(), 100);
    wheel(-60, {});
    EXPECT_EQ(W().TopLine(), 100 + QApplication::wheelScrollLines());
    int top = W().TopLine();
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(W().TopLine(), top - W().LinesInWindow());
    EXPECT_EQ(W().CaretXY(), BufferCoord(1, 1));
}


TEST_F(SrcEditWidgetMouseTest, LosingTheFocusEndsTheCaptureAndStopsAutoScrolling) {
    for (int i = 1; i <= 300; ++i) {
        W().Lines().Add("line " + std::to_string(i));
    }
    ASSERT_TRUE(Focus());
    QTest::mousePress(Port(), Qt::LeftButton, {}, Cell(2, 3));
    QTest::mouseMove(Port(), QPoint(Cell(2, 3).x(), Port()->height() - 1 + W().LineHeight()));
    ASSERT_TRUE(W().Window().TimerRunning(SRCEDIT_SCROLL_TIMER));
    ASSERT_TRUE(WaitUntil([&] { return W().TopLine() > 1; }, 5s, "the view to scroll down"));
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(WaitUntil([&] { return !W().hasFocus(); }, 5s, "the editor to lose the focus"));
    EXPECT_FALSE(W().Window().MouseCapture());
    EXPECT_FALSE(W().Window().TimerRunning(SRCEDIT_SCROLL_TIMER));
}

TEST_F(SrcEditWidgetMouseTest, ADropFromAnotherEditorCopiesOrMovesWithShift) {
    auto target = std::make_unique<DropTarget>();
    target->SetFont(W().Font());
    target->resize(400, 200);
    ASSERT_TRUE(ShowExposed(*target));
    target->Lines().Add("target");
    SetLines({"source text"});
    W().SetCaretAndSelection(BufferCoord(7, 1), BufferCoord(1, 1), BufferCoord(7, 1));
    target->source = widget.get();
    QMimeData data;
    data.setText("source");
    QPoint end(target->TextOffset() + 6 * target->CharWidth(), target->LineHeight() / 2);
    Qt::DropAction action = Qt::IgnoreAction;
    EXPECT_TRUE(Drop(*target->viewport(), end, data, {}, &action));
    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(target->Lines()[0], "targetsource");
    EXPECT_EQ(W().Lines()[0], "source text");
    EXPECT_TRUE(Drop(*target->viewport(), QPoint(target->TextOffset(), 4), data, Qt::ShiftModifier, &action));
    EXPECT_EQ(action, Qt::CopyAction);  // the source's half is done already
    EXPECT_EQ(target->Lines()[0], "sourcetargetsource");
    EXPECT_EQ(W().Lines()[0], " text");
    target->source = nullptr;  // text of another program
    EXPECT_FALSE(Drop(*target->viewport(), end, data, {}));
    EXPECT_EQ(target->Lines()[0], "sourcetargetsource");
}

TEST_F(SrcEditWidgetMouseTest, DroppedFilesGoToTheEditorOnlyWithTheOption) {
    FileCatcher window;
    auto* editor = new TSrcEditWidget(&window);
    window.resize(300, 200);
    editor->resize(300, 200);
    ASSERT_TRUE(ShowExposed(window));
    QString name = "/tmp/" + QString(300, 'n') + ".java";
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(name)});
    editor->OnDropFiles = TDropFilesEvent::Of<&SrcEditWidgetMouseTest::FilesDropped>(this);
    EXPECT_TRUE(Drop(*editor->viewport(), QPoint(50, 20), data, {}));
    EXPECT_TRUE(dropped.empty());
    EXPECT_EQ(window.files, QStringList{name});  // handed on to the window
    TSrcEditorOptions options = editor->Options();
    options.Include(eoDropFiles);
    editor->SetOptions(options);
    EXPECT_TRUE(Drop(*editor->viewport(), QPoint(50, 20), data, {}));
    EXPECT_EQ(dropped, std::vector<std::string>{name.toStdString()});
    EXPECT_EQ(window.files.size(), 1);
}


}  // namespace
