#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "debugger/DataView.h"
#include "debugger/DataWindow.h"
#include "debugger/MemoryPage.h"

class CORULinker;
class QAction;
class QTabWidget;
class QTreeWidget;
class TMemoryUsagePage;
class TQtDebugTree;
class TWrapToolBar;

// The main window's actions that the data window's toolbar carries.
struct TDataViewActions {
    QAction* Run = nullptr;
    QAction* Stop = nullptr;
    QAction* StepInto = nullptr;
    QAction* StepOver = nullptr;
    QAction* ToggleBreakpoint = nullptr;
    QAction* Reset = nullptr;
    QAction* ShowMessage = nullptr;
};

// The data window "Debugger": call stack, static variables and memory usage
// of the stopped module. A tool window of the main window, created once.
class TDataViewForm : public QWidget, public IDataView, private IMemoryPage {
public:
    using LinkerSource = TDataWindow::LinkerSource;

    // linker gives the session's current linker.
    explicit TDataViewForm(LinkerSource linker, QWidget* parent = nullptr);
    ~TDataViewForm() override;

    // The toolbar shows these actions (not owned), in their fixed order.
    void SetActions(const TDataViewActions& actions);

    // IDataView
    void Attach(TSXComm* link) override;
    void RefreshStack(int32_t javaPc) override;
    void Show() override { show(); }
    void Hide() override { hide(); }

    TDataWindow& Window() { return *window_; }
    QTreeWidget* StackTree() const { return stackTree_; }
    QTreeWidget* StaticTree() const { return staticTree_; }
    QTabWidget* DebugTabs() const { return debugTabs_; }
    TWrapToolBar* ToolBar() const { return toolBar_; }
    TMemoryUsagePage* MemoryUsage() const { return memoryUsage_; }

private:
    // IMemoryPage
    bool MemoryShowing() const override;
    void SetFigures(const TMemoryFigures& figures) override;
    void SetBars(const TMemoryBars& bars) override;
    void SetClassSizes(const std::vector<TClassSizeRow>& rows) override;

    QTreeWidget* MakeTree(const char* name);

    TWrapToolBar* toolBar_ = nullptr;  // wraps onto more rows when narrow
    QTabWidget* debugTabs_ = nullptr;
    QTreeWidget* stackTree_ = nullptr;
    QTreeWidget* staticTree_ = nullptr;
    TMemoryUsagePage* memoryUsage_ = nullptr;
    std::unique_ptr<TQtDebugTree> stackLines_;
    std::unique_ptr<TQtDebugTree> staticLines_;
    std::unique_ptr<TDataWindow> window_;
};
