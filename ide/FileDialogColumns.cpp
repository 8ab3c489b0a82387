#include "ide/FileDialogColumns.h"

#include <QDateTime>
#include <QDirIterator>
#include <QEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <array>

namespace {

constexpr int NameColumn = 0;
constexpr int SizeColumn = 1;
constexpr int TypeColumn = 2;
constexpr int DateColumn = 3;
constexpr int ColumnCount = 4;
constexpr int MeasuredEntries = 256;   // a large folder is measured by its first entries
constexpr int OrdinaryNameChars = 32;  // a longer name may be cut

using TWidths = std::array<int, ColumnCount>;

// The widest texts the list shows for sizes (below each unit's end) and for
// dates (every month, two-digit day and hour).
void AddFormatWidths(const QFontMetrics& metrics, TWidths& widths)
{
    const QLocale locale = QLocale::system();
    for (qint64 size = 1023; size < (qint64(1) << 50); size = size * 1024 + 1023)
        widths[SizeColumn] = std::max(widths[SizeColumn], metrics.horizontalAdvance(locale.formattedDataSize(size)));
    for (int month = 1; month <= 12; ++month) {
        const QDateTime date(QDate(2000, month, 28), QTime(20, 58, 58));
        widths[DateColumn] =
            std::max(widths[DateColumn], metrics.horizontalAdvance(locale.toString(date, QLocale::ShortFormat)));
    }
}

// The names and types of the folder's first entries; a name no wider than
// an ordinary one.
void AddEntryWidths(const QString& folder, const QFontMetrics& metrics, TWidths& widths)
{
    const QFileIconProvider icons;
    QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot);
    for (int count = 0; count < MeasuredEntries && entries.hasNext(); ++count) {
        const QFileInfo entry(entries.next());
        widths[NameColumn] = std::max(widths[NameColumn], metrics.horizontalAdvance(entry.fileName()));
        widths[TypeColumn] = std::max(widths[TypeColumn], metrics.horizontalAdvance(icons.type(entry)));
    }
    widths[NameColumn] = std::min(widths[NameColumn], metrics.averageCharWidth() * OrdinaryNameChars);
}

// Widens the columns to what their texts need; how much wider the list's
// viewport must get to show them all.
int WidenColumns(const QFileDialog& dialog, QTreeView& list)
{
    TWidths widths{};
    const QFontMetrics metrics(list.font());
    AddFormatWidths(metrics, widths);
    AddEntryWidths(dialog.directory().absolutePath(), metrics, widths);
    const int textMargin = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const int iconWidth = list.iconSize().isValid() ? list.iconSize().width()
                                                    : list.style()->pixelMetric(QStyle::PM_SmallIconSize);
    widths[NameColumn] += iconWidth + textMargin;
    QHeaderView& header = *list.header();
    int total = 0;
    for (int column = 0; column < ColumnCount && column < header.count(); ++column) {
        const int needed = std::max(widths[size_t(column)] + textMargin, header.sectionSizeHint(column));
        if (header.sectionSize(column) < needed) header.resizeSection(column, needed);
        if (!header.isSectionHidden(column)) total += header.sectionSize(column);
    }
    return total + list.verticalScrollBar()->sizeHint().width() - list.viewport()->width();
}

// Acts once, when the dialog is about to show: its widgets are laid out then,
// its window is not mapped and not yet placed.
class TColumnFitter : public QObject {
public:
    explicit TColumnFitter(QFileDialog& dialog) : QObject(&dialog), dialog_(dialog) { dialog.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &dialog_ && event->type() == QEvent::Show) {
            dialog_.removeEventFilter(this);
            Fit();
            deleteLater();
        }
        return false;
    }

private:
    void Fit()
    {
        auto* list = dialog_.findChild<QTreeView*>("treeView");
        if (!list) return;  // the platform's own dialog
        const int wider = WidenColumns(dialog_, *list);
        if (wider <= 0) return;
        // Only the size: the dialog centres itself on its window after this
        // event, and a position set here would keep it from doing so.
        const int screenWidth = dialog_.screen()->availableGeometry().width();
        dialog_.resize(std::min(dialog_.width() + wider, screenWidth), dialog_.height());
    }

    QFileDialog& dialog_;
};

}  // namespace

void ShowColumnsWhole(QFileDialog& dialog)
{
    new TColumnFitter(dialog);
}
