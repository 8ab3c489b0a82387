#include <QClipboard>
#include <QMimeData>

#include "tests/editor/qt/widget/WidgetScene.h"

namespace {

using std::string_literals::operator""s;

class SrcEditWidgetClipboardTest : public ::testing::Test, public WidgetScene {
protected:
    static QByteArray Block() {
        return QGuiApplication::clipboard()->mimeData()->data("application/x-srcedit-control-block");
    }
    bool InkAt(int Column, int Row) {
        QImage image = Repaint();
        QPoint centre = Cell(Column, Row);
        for (int y = centre.y() - widget->LineHeight() / 2; y < centre.y() + widget->LineHeight() / 2; ++y) {
            for (int x = centre.x() - widget->CharWidth() / 2; x < centre.x() + widget->CharWidth() / 2; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(SrcEditWidgetClipboardTest, CopyPutsTheBlockAndUnicodeTextOnTheSystemClipboard) {
    SetLines({"a\x80\xe9", "bc"});
    widget->SetSelectionMode(smColumn);
    widget->SetCaretAndSelection(BufferCoord(3, 2), BufferCoord(2, 1), BufferCoord(3, 2));
    widget->CommandProcessor(ecCopy, '\0', nullptr);
    QByteArray block = Block();
    EXPECT_EQ(std::string(block.constData(), static_cast<size_t>(block.size())), "\2\x80\r\nc\0"s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\u20ac\nc"));
}

TEST_F(SrcEditWidgetClipboardTest, PlainTextFromAnotherProgramPastesEncodedInTheSelectionMode) {
    SetLines({"xy", "zw"});
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\u00e9\u2713\r\nQ"));
    widget->SetSelectionMode(smColumn);
    widget->SetCaretXY(BufferCoord(2, 1));
    ASSERT_TRUE(widget->CanPaste());
    EXPECT_FALSE(InkAt(4, 2));
    widget->CommandProcessor(ecPaste, '\0', nullptr);
    EXPECT_EQ(widget->Lines()[0], "x\xe9?y");
    EXPECT_EQ(widget->Lines()[1], "zQw");
    EXPECT_TRUE(InkAt(4, 1));  // "y" moved right on screen
    widget->CommandProcessor(ecUndo, '\0', nullptr);
    EXPECT_EQ(widget->Text(), "xy\r\nzw");
    EXPECT_FALSE(InkAt(4, 1));
}

TEST_F(SrcEditWidgetClipboardTest, CutAndPasteBackThroughTheSystemClipboard) {
    SetLines({"one", "two", "three"});
    widget->SetSelectionMode(smLine);
    widget->SetCaretAndSelection(BufferCoord(2, 1), BufferCoord(1, 1), BufferCoord(2, 1));
    widget->CommandProcessor(ecCut, '\0', nullptr);
    EXPECT_EQ(widget->Text(), "two\r\nthree");
    widget->SetSelectionMode(smNormal);
    widget->SetCaretXY(BufferCoord(3, 2));
    widget->CommandProcessor(ecPaste, '\0', nullptr);
    EXPECT_EQ(widget->Text(), "two\r\none\r\nthree");
}

}  // namespace
