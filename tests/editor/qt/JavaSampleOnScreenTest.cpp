// The Java sample source painted offscreen through the text drawer with
// the highlighter's styles: the reserved words come out bold and the
// comment italic.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/qt/QtCanvas.h"
#include "editor/qt/TextDrawer.h"

namespace {

class JavaSampleOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        font.SetName("Courier New");
        font.SetSize(10);
        drawer = std::make_unique<TTextDrawer>(TFontStyles{fsBold}, &font);
        width = drawer->GetCharWidth();
        std::string sample = java.SampleSource();
        for (size_t start = 0; start <= sample.size();) {
            size_t end = std::min(sample.find("\r\n", start), sample.size());
            lines.push_back(sample.substr(start, end - start));
            start = end + 2;
        }
    }

    // One line painted; Style() gives the style of each token.
    template <typename StyleOf>
    QImage Paint(const std::string& line, StyleOf Style) {
        QImage image(width * (static_cast<int>(line.size()) + 2), drawer->GetCharHeight(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        drawer->BeginDrawing(canvas);
        drawer->SetForeColor(clBlack);
        drawer->SetBackColor(clWhite);
        java.SetLine(line, 0);
        while (!java.GetEol()) {
            std::string token = java.GetToken();
            drawer->SetStyle(Style());
            drawer->ExtTextOut(java.GetTokenPos() * width, 0, 0, Rect(0, 0, image.width(), image.height()),
                               token.data(), static_cast<int>(token.size()));
            java.Next();
        }
        drawer->EndDrawing();
        painter.end();
        return image;
    }
    QImage Highlighted(const std::string& line) {
        return Paint(line, [&] { return java.GetTokenAttribute()->Style(); });
    }
    QImage In(const std::string& line, TFontStyles style) {
        return Paint(line, [&] { return style; });
    }
    QImage Cells(const QImage& image, int first, int count) {
        return image.copy(first * width, 0, count * width, image.height());
    }

    TFont font;
    std::unique_ptr<TTextDrawer> drawer;
    int width = 0;
    TSrcJavaSrc java;
    std::vector<std::string> lines;
};

TEST_F(JavaSampleOnScreenTest, PublicIsBoldAndTheCommentItalic) {
    ASSERT_EQ(lines.size(), 11u);
    const std::string& classLine = lines[4];
    ASSERT_EQ(classLine.substr(0, 6), "public");
    QImage shown = Highlighted(classLine);
    EXPECT_EQ(Cells(shown, 0, 6), Cells(In(classLine, {fsBold}), 0, 6));
    EXPECT_NE(Cells(shown, 0, 6), Cells(In(classLine, {}), 0, 6));
    // "Sample" is an identifier: plain.
    EXPECT_EQ(Cells(shown, 13, 6), Cells(In(classLine, {}), 13, 6));

    const std::string& comment = lines[0];
    QImage commentShown = Highlighted(comment);
    EXPECT_EQ(commentShown, In(comment, {fsItalic}));
    EXPECT_NE(commentShown, In(comment, {}));
}

}  // namespace
