#pragma once
#include <QtGlobal>

#include <exception>

#include "platform/CurrentException.h"

// Runs Call from a Qt event handler: an error of the editor is reported as
// a warning naming What, never thrown through Qt.
template <typename F>
void QtGuardedCall(const char* What, F&& Call) {
    try {
        Call();
    } catch (const std::exception&) {
        ReportCurrentException(
            [What](const std::string& text, const std::exception*) {
                qWarning("Editor %s failed: %s", What, text.c_str());
            },
            std::string());
    }
}
