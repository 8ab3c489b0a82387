#pragma once
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// The test highlighter's work for QPlainTextEdit: words ("int", "if",
// "return" bold navy), space runs, other characters one by one, and
// block comments (state 1 inside one) in green.
class PeerHighlighter : public QSyntaxHighlighter {
public:
    explicit PeerHighlighter(QTextDocument* Document) : QSyntaxHighlighter(Document) {
        comment_.setForeground(QColor(0, 128, 0));
        keyword_.setForeground(QColor(0, 0, 128));
        keyword_.setFontWeight(QFont::Bold);
    }

protected:
    void highlightBlock(const QString& Text) override {
        int start = 0;
        int size = static_cast<int>(Text.size());
        bool inComment = previousBlockState() == 1;
        setCurrentBlockState(0);
        while (start < size) {
            if (inComment || Text.mid(start, 2) == QLatin1String("/*")) {
                int close = Text.indexOf(QLatin1String("*/"), inComment ? start : start + 2);
                int end = close < 0 ? size : close + 2;
                setFormat(start, end - start, comment_);
                setCurrentBlockState(close < 0 ? 1 : 0);
                inComment = false;
                start = end;
                continue;
            }
            int end = start + 1;
            if (Text[start].isLetter()) {
                while (end < size && Text[end].isLetterOrNumber()) {
                    ++end;
                }
            } else if (Text[start] == QLatin1Char(' ')) {
                while (end < size && Text[end] == QLatin1Char(' ')) {
                    ++end;
                }
            }
            QStringView word = QStringView(Text).mid(start, end - start);
            if (word == QLatin1String("int") || word == QLatin1String("if") || word == QLatin1String("return")) {
                setFormat(start, end - start, keyword_);
            }
            start = end;
        }
    }

private:
    QTextCharFormat comment_;
    QTextCharFormat keyword_;
};
