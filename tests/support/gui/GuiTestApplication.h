#pragma once
#include <QApplication>
#include <memory>
#include <string>

// The GUI test main makes the program's one application object with this
// function. Its default makes a plain QApplication; a test program that
// needs another (the IDE's TApplication) defines its own.
std::unique_ptr<QApplication> CreateGuiTestApplication(int& argc, char** argv);

// The first thing the GUI test main does. Its default does nothing; a test
// program that must change its own process before anything runs (drop
// capabilities) defines its own. False ends the program with the problem.
bool PrepareGuiTestProcess(std::string& problem);
