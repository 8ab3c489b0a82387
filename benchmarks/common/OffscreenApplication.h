#pragma once
// The one application object of a widget benchmark, on Qt's offscreen
// platform unless another platform is chosen. Made on the first call; the
// name of the first call is the program's name.
#include <QApplication>

#include <cstdlib>
#include <string>

inline QApplication& OffscreenApplication(const char* programName)
{
    static std::string name = programName;
    static int argc = 1;
    static char* argv[] = {name.data(), nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}
