#include "ide/Application.h"
#include "tests/support/gui/GuiTestApplication.h"

// The GUI test main makes the IDE's application object.
std::unique_ptr<QApplication> CreateGuiTestApplication(int& argc, char** argv)
{
    return std::make_unique<TApplication>(argc, argv);
}
