#include "debugger/qt/MemoryUsagePage.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int LabelX = 8;
constexpr int NumberX = 170;
constexpr int NumberWidth = 64;
constexpr int RowHeight = 20;
constexpr int BarY = 190;
constexpr int AreaHeight = 226;
constexpr int ClassRowHeight = 17;
constexpr int ColumnWidths[] = {166, 64, 64};

struct TFixedLabel {
    const char* name;
    const char* text;
    int x;
    int y;
    int width;
};

// Fixed texts, and the names of the numbers beside them in row order.
constexpr int RowLabel = 140;
constexpr TFixedLabel FixedLabels[] = {
    {"Label1", "Total Memory", LabelX, 8, RowLabel},
    {"Label2", "Used:", LabelX, 28, RowLabel},
    {"Label3", "Code", 24, 48, RowLabel},
    {"Label4", "Static Variables", 24, 68, RowLabel},
    {"Label5", "Strings", 24, 88, RowLabel},
    {"Label6", "Heap", 24, 108, RowLabel},
    {"Label7", "Stack", 24, 128, RowLabel},
    {"Label8", "Free", LabelX, 148, RowLabel},
    {"Label9", "Proportions:", LabelX, 168, RowLabel},
    {"Label10", "(in bytes)", NumberX + NumberWidth + 8, 8, 80},
};
constexpr const char* NumberNames[] = {"MemoryTotal",  "MemoryUsed", "MemoryCode",  "MemoryStatic",
                                       "MemoryStrings", "MemoryHeap", "MemoryStack", "MemoryFree"};
}  // namespace

TMemoryUsagePage::TMemoryUsagePage(QWidget* parent) : QWidget(parent)
{
    setObjectName("MemoryUsage");
    auto* area = new QWidget(this);
    area->setMinimumHeight(AreaHeight);
    for (const TFixedLabel& label : FixedLabels)
        AddLabel(area, label.name, label.text, label.x, label.y, label.width, Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < 8; ++i)
        numbers_[i] = AddLabel(area, NumberNames[i], "0", NumberX, 8 + RowHeight * i, NumberWidth,
                               Qt::AlignRight | Qt::AlignVCenter);
    memoryBar_ = AddBar(area, "MemoryBar", Qt::white, BarY);
    memoryBar_->setFrameShape(QFrame::Box);
    memoryBar_->setGeometry(TMemoryBars::BarLeft, BarY, TMemoryBars::BarWidth, TMemoryBars::BarHeight);
    stackBar_ = AddBar(area, "StackBar", QColor(0, 255, 0), BarY);
    heapBar_ = AddBar(area, "HeapBar", QColor(0, 128, 0), BarY);
    stackText_ = AddLabel(area, "StackText", "Stack: 0", TMemoryBars::BarLeft, BarY + 16, 120, Qt::AlignLeft);
    heapText_ = AddLabel(area, "HeapText", "Heap: 0", TMemoryBars::BarLeft + TMemoryBars::BarWidth - 120, BarY + 16,
                         120, Qt::AlignRight);

    classSizes_ = new QTableWidget(0, 3, this);
    classSizes_->setObjectName("ClassSizes");
    classSizes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    classSizes_->verticalHeader()->hide();
    classSizes_->verticalHeader()->setMinimumSectionSize(ClassRowHeight);
    classSizes_->verticalHeader()->setDefaultSectionSize(ClassRowHeight);
    classSizes_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    classSizes_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    classSizes_->setHorizontalHeaderLabels({"Class", "Code Size", "Strings Size"});
    for (int i = 0; i < 3; ++i) classSizes_->setColumnWidth(i, ColumnWidths[i]);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    layout->addWidget(classSizes_, 1);
    SetBars({});
}

QLabel* TMemoryUsagePage::AddLabel(QWidget* area, const char* name, const QString& text, int x, int y, int width,
                                   Qt::Alignment alignment)
{
    auto* label = new QLabel(text, area);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setGeometry(x, y, width, 16);
    return label;
}

QFrame* TMemoryUsagePage::AddBar(QWidget* area, const char* name, const QColor& colour, int y)
{
    auto* bar = new QFrame(area);
    bar->setObjectName(name);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    bar->setGeometry(TMemoryBars::BarLeft, y, 0, TMemoryBars::BarHeight);
    return bar;
}

void TMemoryUsagePage::SetFigures(const TMemoryFigures& f)
{
    const int32_t values[] = {f.total, f.used, f.code, f.statics, f.strings, f.heap, f.stack, f.free};
    for (int i = 0; i < 8; ++i) numbers_[i]->setText(QString::number(values[i]));
}

void TMemoryUsagePage::SetBars(const TMemoryBars& bars)
{
    stackBar_->setGeometry(TMemoryBars::BarLeft, BarY, bars.stackWidth, TMemoryBars::BarHeight);
    stackBar_->setVisible(bars.stackWidth > 0);
    heapBar_->setGeometry(bars.heapLeft, BarY, bars.heapWidth, TMemoryBars::BarHeight);
    heapBar_->setVisible(bars.heapWidth > 0);
    stackText_->setText(QString::fromStdString(bars.stackText.empty() ? "Stack: 0" : bars.stackText));
    heapText_->setText(QString::fromStdString(bars.heapText.empty() ? "Heap: 0" : bars.heapText));
}

void TMemoryUsagePage::SetClassSizes(const std::vector<TClassSizeRow>& rows)
{
    classSizes_->setRowCount(rows.empty() ? 0 : int(rows.size()) - 1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c) {
            const QString text = QString::fromStdString(rows[r][size_t(c)]);
            if (r == 0)
                classSizes_->setHorizontalHeaderItem(c, new QTableWidgetItem(text));
            else
                classSizes_->setItem(int(r) - 1, c, new QTableWidgetItem(text));
        }
}
