#pragma once
#include <QApplication>
#include <memory>

// The GUI test main makes the program's one application object with this
// function. Its default makes a plain QApplication; a test program that
// needs another (the IDE's TApplication) defines its own.
std::unique_ptr<QApplication> CreateGuiTestApplication(int& argc, char** argv);
