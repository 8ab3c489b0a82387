#pragma once
#include <string>
#include <vector>

#include "debugger/DataWindow.h"
#include "debugger/MemoryDebugTree.h"
#include "tests/debugger/SessionFixture.h"

// The memory page, recorded.
class RecordingMemoryPage : public IMemoryPage {
public:
    bool MemoryShowing() const override { return showing; }
    void SetFigures(const TMemoryFigures& f) override
    {
        figures = f;
        ++figureUpdates;
    }
    void SetBars(const TMemoryBars& b) override { bars = b; }
    void SetClassSizes(const std::vector<TClassSizeRow>& r) override { rows = r; }

    bool showing = false;
    TMemoryFigures figures;
    int figureUpdates = 0;
    TMemoryBars bars;
    std::vector<TClassSizeRow> rows;
};

// The data window over in-memory trees, as the session sees it.
class DataWindowView : public IDataView {
public:
    explicit DataWindowView(TDataWindow& window) : window_(window) {}
    void Attach(TSXComm* link) override { window_.Attach(link); }
    void RefreshStack(int32_t javaPc) override { window_.RefreshStack(javaPc); }
    void Show() override {}
    void Hide() override {}

private:
    TDataWindow& window_;
};

// A session on orusim's machine with the real data window.
class DataRig {
public:
    DataRig();
    ~DataRig();

    // Compiles tests/debugger/programs/<name>.java with the other files given.
    static std::string Program(const std::string& name, const std::vector<std::string>& more = {});
    // The line of the source that holds the marker text.
    static int LineOf(const std::string& folder, const std::string& file, const std::string& marker);
    // Starts mainClass and runs to the marked line.
    void RunTo(const std::string& folder, const std::string& mainClass, const std::string& marker);
    void RunOnTo(const std::string& folder, const std::string& mainClass, const std::string& marker);

    // The first line of the tree whose text begins with prefix, or null.
    static TTreeLine Find(const IDebugTree& tree, const std::string& prefix);
    // The same line; a failure when missing. Without a tree: the stack tree's.
    static TTreeLine Line(const IDebugTree& tree, const std::string& prefix);
    TTreeLine Line(const std::string& prefix) const { return Line(stackTree, prefix); }
    // The texts of a line's children.
    static std::vector<std::string> Children(const IDebugTree& tree, TTreeLine line);
    size_t HeapQueries() const { return rig.log.OfKind(orusim::EventKind::HeapQuery).size(); }
    std::vector<std::string> Messages() const;

    SessionRig rig;
    TMemoryDebugTree stackTree;
    TMemoryDebugTree staticTree;
    RecordingMemoryPage page;
    TDataWindow window{stackTree, staticTree, page, [this] { return rig.session.Linker(); }};
    DataWindowView view{window};
};
