#pragma once
#include <QtGlobal>

#include <exception>

// Runs Call from a Qt event handler: an error of the editor is reported as
// a warning naming What, never thrown through Qt.
template <typename F>
void QtGuardedCall(const char* What, F&& Call) {
    try {
        Call();
    } catch (const std::exception& e) {
        qWarning("Editor %s failed: %s", What, e.what());
    }
}
