#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class IOptionsDialogs;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class TColorBox;
struct tOptions;

// "Global Options": editor colours, styles and font, class path, compiler,
// debug port and valid ports, and (with Ctrl held at opening) the per-run
// debug switches. It edits the options it is given.
class TOptionsForm : public QDialog {
public:
    static constexpr int DebugSwitchCount = 10;
    struct TDebugSwitch {
        const char* Name;
        bool tOptions::*Member;
    };
    static const std::array<TDebugSwitch, DebugSwitchCount>& DebugSwitchTable();

    TOptionsForm(tOptions& options, IOptionsDialogs& dialogs, QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* Compiler = nullptr;
    QWidget* Debugger = nullptr;
    QWidget* TabSheet1 = nullptr;
    QPushButton* Button1 = nullptr;  // Default
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // Compiler
    QLineEdit* Classpath = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QLineEdit* CompilerPath = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    // Debugger
    QComboBox* SerialPort = nullptr;
    QPushButton* Auto = nullptr;
    QGroupBox* ORUDebug = nullptr;
    QCheckBox* SingleStep = nullptr;
    QLineEdit* debugComLevel = nullptr;
    std::array<QCheckBox*, DebugSwitchCount> DebugSwitches{};
    QCheckBox* DebugSwitch(const std::string& name) const;
    // Editor
    TColorBox* ColorBox1 = nullptr;  // JavaDoc
    TColorBox* ColorBox2 = nullptr;  // Comment
    TColorBox* ColorBox3 = nullptr;  // Number
    TColorBox* ColorBox4 = nullptr;  // String
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QPushButton* Button2 = nullptr;  // Font

    // The colour boxes, style buttons and font from the options (at load and
    // defaults; opening the dialog does not refill them).
    void LoadEditorSettings(const tOptions& options);
    const std::string& FontName() const { return fontName_; }
    int32_t FontSize() const { return fontSize_; }

    void FormShow();
    void OKButtonClick();
    void Button1Click();
    void AutoClick();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void Button2Click();

private:
    void BuildCompilerSheet();
    void BuildDebuggerSheet();
    void BuildEditorSheet();
    void BuildButtons();
    void FillSerialPorts(const std::vector<std::string>& ports);
    void StoreEditorSettings();
    void StorePorts();

    tOptions& options_;
    IOptionsDialogs& dialogs_;
    std::string fontName_;
    int32_t fontSize_ = 0;
    uint32_t fontColor_ = 0;
};
