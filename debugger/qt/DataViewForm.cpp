#include "debugger/qt/DataViewForm.h"

#include <QAction>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "debugger/qt/MemoryUsagePage.h"
#include "debugger/qt/QtDebugTree.h"
#include "debugger/qt/ReportErrors.h"
#include "widgets/WrapToolBar.h"

namespace {
constexpr int TreeIndentation = 19;
}

TDataViewForm::TDataViewForm(LinkerSource linker, QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("DataViewForm");
    setWindowTitle("Debugger");
    toolBar_ = new TWrapToolBar(this);
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    debugTabs_ = new QTabWidget(this);
    debugTabs_->setObjectName("DebugTabs");
    stackTree_ = MakeTree("StackTree");
    staticTree_ = MakeTree("StaticTree");
    memoryUsage_ = new TMemoryUsagePage(debugTabs_);
    debugTabs_->addTab(stackTree_, "Call Stack");
    debugTabs_->addTab(staticTree_, "Static Variables");
    debugTabs_->addTab(memoryUsage_, "Memory Usage");
    debugTabs_->setCurrentWidget(memoryUsage_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(debugTabs_, 1);

    stackLines_ = std::make_unique<TQtDebugTree>(*stackTree_);
    staticLines_ = std::make_unique<TQtDebugTree>(*staticTree_);
    IMemoryPage& page = *this;
    window_ = std::make_unique<TDataWindow>(*stackLines_, *staticLines_, page, std::move(linker));

    connect(debugTabs_, &QTabWidget::currentChanged, this, [this] { Guarded([this] { window_->DebugTabsChange(); }); });
    for (auto [tree, lines] : {std::pair{stackTree_, stackLines_.get()}, std::pair{staticTree_, staticLines_.get()}}) {
        connect(tree, &QTreeWidget::itemDoubleClicked, this, [this, tree, lines](QTreeWidgetItem*, int) {
            Guarded([&] { window_->LineDoubleClicked(*lines, TQtDebugTree::LineOf(tree->currentItem())); });
        });
    }
}

TDataViewForm::~TDataViewForm()
{
    window_.reset();
}

QTreeWidget* TDataViewForm::MakeTree(const char* name)
{
    auto* tree = new QTreeWidget(this);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setIndentation(TreeIndentation);
    tree->setIconSize(QSize(16, 16));
    return tree;
}

void TDataViewForm::SetActions(const TDataViewActions& actions)
{
    toolBar_->clear();
    const std::pair<QAction*, bool> buttons[] = {
        {actions.Run, false},   {actions.Stop, true},  {actions.StepInto, false},    {actions.StepOver, true},
        {actions.ToggleBreakpoint, false}, {actions.Reset, true}, {actions.ShowMessage, false},
    };
    for (const auto& [action, separatorAfter] : buttons) {
        if (action) toolBar_->addAction(action);
        if (separatorAfter) toolBar_->addSeparator();
    }
}

void TDataViewForm::Attach(TSXComm* link)
{
    window_->Attach(link);
}

void TDataViewForm::RefreshStack(int32_t javaPc)
{
    window_->RefreshStack(javaPc);
}

bool TDataViewForm::MemoryShowing() const
{
    return debugTabs_->currentWidget() == memoryUsage_;
}

void TDataViewForm::SetFigures(const TMemoryFigures& figures)
{
    memoryUsage_->SetFigures(figures);
}

void TDataViewForm::SetBars(const TMemoryBars& bars)
{
    memoryUsage_->SetBars(bars);
}

void TDataViewForm::SetClassSizes(const std::vector<TClassSizeRow>& rows)
{
    memoryUsage_->SetClassSizes(rows);
}
