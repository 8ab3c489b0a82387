#pragma once
#include <QGuiApplication>

// The one application object of the test run (offscreen platform); kept
// to the end of the process.
inline void EnsureGuiApplication() {
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_editor_qt";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    }
}
