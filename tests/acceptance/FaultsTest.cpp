// The faults a user meets on the serial line: the module switched off while
// the program goes down to it, and a port the user may not open.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ide/EditorForm.h"
#include "ide/OptionsForm.h"
#include "ide/ZARNSource.h"
#include "tests/acceptance/AcceptanceFixture.h"
#include "tests/support/TempDir.h"

namespace {

const std::string TimeoutLine = "[ Error IDE-0022] Error reading from the serial port (timeout).";
const std::string NoModuleLine = "[ Error IDE-0054] Unable to find a Corvane on any port.";
const std::string ProgramEnd = "sum of squares: 55";

class Faults : public AcceptanceTest {
protected:
    // Global Options: the port ("COM3" or "AUTO"), OK.
    void ChoosePort(const std::string& port)
    {
        Dialogs().modalHandlers.push_back([port](QDialog& dialog) {
            auto& options = static_cast<TOptionsForm&>(dialog);
            const int index = options.SerialPort->findText(QString::fromStdString(port));
            ASSERT_GE(index, 0) << "the port list lacks " << port;
            options.SerialPort->setCurrentIndex(index);
            options.OKButton->click();
        });
        Form().Action("GlobalOptions")->trigger();
        EXPECT_TRUE(Dialogs().modalHandlers.empty()) << "Global Options did not open";
    }
    void OpenStepping()
    {
        Dialogs().openAnswers.push_back({ProjectFile("Stepping.java")});
        Form().Action("OpenFile")->trigger();
        ASSERT_EQ(Tabs(), std::vector<std::string>{"Stepping.java"});
        source_ = TempDir::ReadFile(ProjectFile("Stepping.java"));
        pageText_ = Page() ? Page()->Text() : "";
    }
    // Ctrl+R on the page.
    void Program()
    {
        FocusPage();
        Key(Qt::Key_R, Qt::ControlModifier);
    }
    bool WorkerEnded() const { return Form().Worker == nullptr; }
    // A failed Program leaves the window as it was: no link, no linker, the
    // progress window hidden, the page and its file unchanged; the debug
    // commands stay off.
    void ExpectNothingLost()
    {
        EXPECT_FALSE(ProgressShown());
        EXPECT_EQ(Form().JVM(), nullptr) << "a link is left";
        EXPECT_EQ(Form().Linker(), nullptr) << "a linker is left";
        for (const char* action : {"Run", "Stop", "StepInto", "StepOver", "Reset"})
            EXPECT_FALSE(Enabled(action)) << action;
        EXPECT_EQ(Tabs(), std::vector<std::string>{"Stepping.java"});
        EXPECT_EQ(Caption(), "Corvane Torve IDE");
        CZARNSource* page = Page();
        ASSERT_NE(page, nullptr) << "the page is gone";
        EXPECT_EQ(page->Text(), pageText_) << "the page's text changed";
        EXPECT_EQ(TempDir::ReadFile(ProjectFile("Stepping.java")), source_) << "the file on disk changed";
    }
    // Program once more; it runs to the program's end with no message line.
    void ProgramRunsToTheEnd()
    {
        Program();
        ASSERT_TRUE(Wait([&] { return WorkerEnded() && TerminalHas(ProgramEnd); }, "the program's last line"))
            << Diagnostics();
        EXPECT_TRUE(MessageLines().empty()) << ::testing::PrintToString(MessageLines());
        EXPECT_TRUE(TerminalHas("square of 5 is 25"));
        EXPECT_NE(Form().JVM(), nullptr);
    }

    std::string source_;
    std::string pageText_;
};

TEST_F(Faults, ModulePoweredOffDuringTheDownload)
{
    Step("fault: COM3 and Stepping.java");
    ChoosePort("COM3");
    OpenStepping();

    Step("fault: power off at block 40");
    Program();
    ASSERT_TRUE(Wait([&] { return Module().HasEvent("\"event\":\"download\",\"values\":[40,"); },
                     "the simulator storing block 40"));
    Module().ClearEvents();
    Module().Command("power off");
    ASSERT_TRUE(Wait([&] { return WorkerEnded() && !MessageLines().empty(); }, "the end of the download"))
        << Diagnostics();
    EXPECT_EQ(MessageLines(), std::vector<std::string>{TimeoutLine});
    EXPECT_FALSE(Module().HasEvent("\"event\":\"boot\"")) << "the module started although it was off";
    ExpectNothingLost();
    Screenshots("power-off");

    Step("fault: power on, Program again");
    Module().Command("power on");
    ProgramRunsToTheEnd();
}

TEST_F(Faults, PortTheUserMayNotOpen)
{
    const std::string device = PortFolder() + "/COM3";
    struct stat before {};
    ASSERT_EQ(::stat(device.c_str(), &before), 0) << device;
    ASSERT_EQ(::chmod(device.c_str(), 0), 0) << std::strerror(errno);
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const int openError = errno;
    if (fd >= 0) ::close(fd);
    ASSERT_LT(fd, 0) << "the port at mode 000 opens: the program still passes file permissions";
    ASSERT_EQ(openError, EACCES) << std::strerror(openError);
    const std::string refused =
        "[ Error IDE-0006] Could not open the serial port: COM3 (" + device + ": Permission denied).";

    Step("fault: COM3 at mode 000");
    ChoosePort("COM3");
    OpenStepping();
    Program();
    ASSERT_TRUE(Wait([&] { return WorkerEnded() && !MessageLines().empty(); }, "the IDE-6 line")) << Diagnostics();
    EXPECT_EQ(MessageLines(), std::vector<std::string>{refused});
    ExpectNothingLost();
    Screenshots("no-permission-com3");

    Step("fault: AUTO with COM3 at mode 000");
    ChoosePort("AUTO");
    Program();
    ASSERT_TRUE(Wait([&] { return WorkerEnded() && MessageLines().size() >= 2; }, "the IDE-6 and IDE-54 lines"))
        << Diagnostics();
    EXPECT_EQ(MessageLines(), (std::vector<std::string>{refused, NoModuleLine}));
    ExpectNothingLost();
    Screenshots("no-permission-auto");

    Step("fault: the port allowed again, Program");
    ASSERT_EQ(::chmod(device.c_str(), before.st_mode & 07777), 0) << std::strerror(errno);
    ProgramRunsToTheEnd();
}

}  // namespace
