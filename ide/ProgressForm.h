#pragma once
#include <QDialog>
#include <functional>

class QLineEdit;
class QProgressBar;
class QPushButton;

// "Progress": what the link worker is doing, with Cancel. Closing the window
// only hides it and cancels like the button.
class TProgressForm : public QDialog {
public:
    explicit TProgressForm(QWidget* owner);

    QProgressBar* ProgressBar = nullptr;
    QLineEdit* ProgressText = nullptr;
    QPushButton* Cancel = nullptr;

    // Called by Cancel and by closing the window.
    void SetOnCancel(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }
    void SetText(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CancelClick();
    std::function<void()> onCancel_;
};
