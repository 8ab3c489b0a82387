#pragma once
#include <QIcon>
#include <QWidget>
#include <functional>

class QStackedWidget;
class QTabBar;

// A tab bar over a stack of pages: tab i shows page i. Removing a tab selects
// its left neighbour (tab 0 when there is none and tabs remain); Qt's own
// choice is not used. OnChange follows every change of the selection that
// the user or this control makes.
class TZARNTabControl : public QWidget {
public:
    explicit TZARNTabControl(QWidget* parent = nullptr);

    int Count() const;
    int TabIndex() const;  // -1 without tabs
    void SetTabIndex(int index);
    // Adds a tab; it is not selected.
    int AddTab(const QString& text, QWidget* page);
    // Removes tab i and selects a neighbour; the page is taken out, not deleted.
    void RemoveTab(int i);
    QWidget* Page(int i) const;
    int IndexOf(const QWidget* page) const;
    QString TabText(int i) const;
    void SetTabText(int i, const QString& text);
    // Asks the image query for every tab's image again.
    void UpdateImages();
    QTabBar* TabBar() const { return bar_; }
    QStackedWidget* Stack() const { return stack_; }

    std::function<void()> OnChange;
    // The image of tab i (null icon: none).
    std::function<QIcon(int)> OnGetImage;

private:
    void ShowSelected();
    QTabBar* bar_;
    QStackedWidget* stack_;
    bool changing_ = false;
};
