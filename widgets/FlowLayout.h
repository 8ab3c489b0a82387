#pragma once
#include <QLayout>
#include <QList>

// Lays its items left to right and starts a new row where the next item
// would not fit. Each row is as high as its highest item; items that grow
// vertically (separators) fill the row, but for one at either end of a row,
// which shows nothing; the others are centred in it.
class TFlowLayout : public QLayout {
public:
    explicit TFlowLayout(QWidget* parent = nullptr, int spacing = 2);
    ~TFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    // Puts `widget` at `index` (at the end when out of range).
    void InsertWidget(int index, QWidget* widget);
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // One row of everything.
    QSize sizeHint() const override;
    // The widest item.
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (only measures when `place` is false);
    // returns the height used.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};
