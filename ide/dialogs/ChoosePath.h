#pragma once
#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// Edits a ";"-separated search path as an ordered list. The path comes in
// and goes out through `Path`.
class TChoosePath : public QDialog {
public:
    explicit TChoosePath(QWidget* parent = nullptr);

    void FormShow();
    void PathListClick();
    void EditPathKeyUp();
    void SpeedButton3Click();
    void AddClick();
    void ReplaceClick();
    void DeleteClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button4Click();

    QLineEdit* Path;
    QListWidget* PathList;
    QLineEdit* EditPath;
    QPushButton* Add;
    QPushButton* Replace;
    QPushButton* Delete;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QPushButton* Button4;
    QPushButton* Button5;
    // The directory chooser; tests replace it.
    std::function<QString()> ChooseDirectory;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetButtons(bool add, bool replace, bool del);
    void MoveSelected(int step);
};
