#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <chrono>
#include <memory>
#include <vector>

#include "editor/qt/SrcEditWidget.h"
#include "tests/editor/common/CommandRecorder.h"
#include "tests/support/gui/WaitUntil.h"

// A window with an editor widget and a line edit after it, as a dialog
// would hold them; the window records the key presses the editor leaves.
class KeyScene : public QWidget {
public:
    KeyScene() {
        auto* layout = new QVBoxLayout(this);
        editor = new TSrcEditWidget(this);
        other = new QLineEdit(this);
        layout->addWidget(editor);
        layout->addWidget(other);
        resize(400, 300);
        recorder.Attach(*editor);
    }
    // The editor loses the focus after the recorder has gone.
    ~KeyScene() override { editor->OnCommandProcessed = nullptr; }

    // Shows the window with the editor focused.
    ::testing::AssertionResult ShowFocused() {
        show();
        activateWindow();
        editor->setFocus();
        return WaitUntil([&] { return editor->hasFocus(); }, std::chrono::seconds(5), "the editor's focus");
    }

    // A key as the X server delivers it: a native scan code and its text.
    void SendX11(int Key, Qt::KeyboardModifiers Modifiers, quint32 ScanCode, const QString& Text) {
        QKeyEvent press(QEvent::KeyPress, Key, Modifiers, ScanCode, 0, 0, Text);
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, Key, Modifiers, ScanCode, 0, 0, Text);
        QApplication::sendEvent(editor, &release);
    }

    std::vector<int> LeftKeys;  // the keys the editor passed on
    TSrcEditWidget* editor;
    QLineEdit* other;
    CommandRecorder recorder;

protected:
    void keyPressEvent(QKeyEvent* Event) override { LeftKeys.push_back(Event->key()); }
};
