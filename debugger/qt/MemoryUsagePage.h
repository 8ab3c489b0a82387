#pragma once
#include <QWidget>

#include "debugger/MemoryPage.h"

class QFrame;
class QLabel;
class QTableWidget;

// The "Memory Usage" page: the numbers, the memory bar and the class sizes.
class TMemoryUsagePage : public QWidget {
public:
    explicit TMemoryUsagePage(QWidget* parent = nullptr);

    void SetFigures(const TMemoryFigures& figures);
    void SetBars(const TMemoryBars& bars);
    void SetClassSizes(const std::vector<TClassSizeRow>& rows);

private:
    QLabel* AddLabel(QWidget* area, const char* name, const QString& text, int x, int y, int width,
                     Qt::Alignment alignment);
    QFrame* AddBar(QWidget* area, const char* name, const QColor& colour, int y);

    QLabel* numbers_[8] = {};
    QFrame* memoryBar_ = nullptr;
    QFrame* stackBar_ = nullptr;
    QFrame* heapBar_ = nullptr;
    QLabel* stackText_ = nullptr;
    QLabel* heapText_ = nullptr;
    QTableWidget* classSizes_ = nullptr;
};
