#include "debugger/qt/MemoryUsagePage.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Two columns of figures, so that the bar and a few class rows fit the
// window's default size: Used's parts continue from the left into the right.
constexpr int RowHeight = 18;
constexpr int Top = 6;
constexpr int LeftLabelX = 8;
constexpr int LeftNumberX = 128;
constexpr int RightLabelX = 206;
constexpr int RightNumberX = 296;
constexpr int NumberWidth = 64;
constexpr int LabelWidth = 150;
constexpr int BarY = Top + 5 * RowHeight + 2;
constexpr int CaptionY = BarY + TMemoryBars::BarHeight + 2;
constexpr int AreaHeight = CaptionY + 18;
constexpr int ClassRowHeight = 17;
// The bar sits this far right of where its figures place it, clear of "Proportions:".
constexpr int BarShift = 14;
constexpr int BarLeft = TMemoryBars::BarLeft + BarShift;

constexpr int RowY(int row) { return Top + RowHeight * row; }

struct TFixedLabel {
    const char* name;
    const char* text;
    int x;
    int y;
    int width;
};

constexpr TFixedLabel FixedLabels[] = {
    {"Label1", "Total Memory", LeftLabelX, RowY(0), LabelWidth},
    {"Label2", "Used:", LeftLabelX, RowY(1), LabelWidth},
    {"Label3", "Code", LeftLabelX + 16, RowY(2), LabelWidth},
    {"Label4", "Static Variables", LeftLabelX + 16, RowY(3), LabelWidth},
    {"Label5", "Strings", LeftLabelX + 16, RowY(4), LabelWidth},
    {"Label6", "Heap", RightLabelX + 16, RowY(2), LabelWidth},
    {"Label7", "Stack", RightLabelX + 16, RowY(3), LabelWidth},
    {"Label8", "Free", RightLabelX, RowY(1), LabelWidth},
    {"Label9", "Proportions:", LeftLabelX, BarY - 2, BarLeft - LeftLabelX},
    {"Label10", "(in bytes)", RightLabelX, RowY(0), LabelWidth},
};

struct TNumber {
    const char* name;
    int x;
    int y;
};

// In the order of the figures.
constexpr TNumber Numbers[] = {
    {"MemoryTotal", LeftNumberX, RowY(0)},    {"MemoryUsed", LeftNumberX, RowY(1)},
    {"MemoryCode", LeftNumberX, RowY(2)},     {"MemoryStatic", LeftNumberX, RowY(3)},
    {"MemoryStrings", LeftNumberX, RowY(4)},  {"MemoryHeap", RightNumberX, RowY(2)},
    {"MemoryStack", RightNumberX, RowY(3)},   {"MemoryFree", RightNumberX, RowY(1)},
};
}  // namespace

TMemoryUsagePage::TMemoryUsagePage(QWidget* parent) : QWidget(parent)
{
    setObjectName("MemoryUsage");
    auto* area = new QWidget(this);
    area->setFixedHeight(AreaHeight);
    for (const TFixedLabel& label : FixedLabels)
        AddLabel(area, label.name, label.text, label.x, label.y, label.width, Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < 8; ++i)
        numbers_[i] = AddLabel(area, Numbers[i].name, "0", Numbers[i].x, Numbers[i].y, NumberWidth,
                               Qt::AlignRight | Qt::AlignVCenter);
    memoryBar_ = AddBar(area, "MemoryBar", Qt::white, BarY);
    memoryBar_->setFrameShape(QFrame::Box);
    memoryBar_->setGeometry(BarLeft, BarY, TMemoryBars::BarWidth, TMemoryBars::BarHeight);
    stackBar_ = AddBar(area, "StackBar", QColor(0, 255, 0), BarY);
    heapBar_ = AddBar(area, "HeapBar", QColor(0, 128, 0), BarY);
    stackText_ = AddLabel(area, "StackText", "Stack: 0", BarLeft, CaptionY, 120, Qt::AlignLeft);
    heapText_ = AddLabel(area, "HeapText", "Heap: 0", BarLeft + TMemoryBars::BarWidth - 120, CaptionY,
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
    // The class name takes what the two figures leave.
    classSizes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < 3; ++i) classSizes_->horizontalHeader()->setSectionResizeMode(i, QHeaderView::ResizeToContents);

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
    bar->setGeometry(BarLeft, y, 0, TMemoryBars::BarHeight);
    return bar;
}

void TMemoryUsagePage::SetFigures(const TMemoryFigures& f)
{
    const int32_t values[] = {f.total, f.used, f.code, f.statics, f.strings, f.heap, f.stack, f.free};
    for (int i = 0; i < 8; ++i) numbers_[i]->setText(QString::number(values[i]));
}

void TMemoryUsagePage::SetBars(const TMemoryBars& bars)
{
    stackBar_->setGeometry(BarLeft, BarY, bars.stackWidth, TMemoryBars::BarHeight);
    stackBar_->setVisible(bars.stackWidth > 0);
    heapBar_->setGeometry(bars.heapLeft + BarShift, BarY, bars.heapWidth, TMemoryBars::BarHeight);
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
