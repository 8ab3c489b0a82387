#pragma once
#include <functional>
#include <memory>
#include <string>

#include "editor/control/SrcEditPlugin.h"
#include "editor/qt/SrcEditWidget.h"

class TProjectOptions;
class CZARNSource;

// The page's plug-in: after each paint it has the gutter marks drawn.
class TDebugSupportPlugin : public TSrcEditPlugin {
public:
    using PaintMarks = std::function<void(CZARNSource& page, TSrcCanvas& canvas, int firstLine, int lastLine)>;

    TDebugSupportPlugin(CZARNSource& page, PaintMarks paintMarks);

    void AfterPaint(TSrcCanvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) override;
    void LinesInserted(int, int) override {}
    void LinesDeleted(int, int) override {}

private:
    CZARNSource& page_;
    PaintMarks paintMarks_;
};

// One editor page: a source file with its name, full path, project and the
// line where the program stands.
class CZARNSource : public TSrcEditWidget {
public:
    static constexpr const char* UntitledName = "Untitled.java";

    // A page for the path ("Untitled.java" for a new page); its project is
    // loaded when one lies beside the file.
    CZARNSource(const std::string& path, TDebugSupportPlugin::PaintMarks paintMarks, QWidget* parent = nullptr);
    // Saves the project; a project that cannot be written is reported.
    ~CZARNSource() override;

    const std::string& FileName() const { return fileName_; }
    const std::string& FilePath() const { return filePath_; }
    void SetFilePath(const std::string& path) { filePath_ = path; }
    void SetFileName(const std::string& name) { fileName_ = name; }

    // --- the project
    TProjectOptions* Project() const { return project_.get(); }
    void LoadProject();
    void CreateProject();
    // Writes the project; EError (IDE-17) when it cannot be written.
    void SaveProject();
    // Forgets the project without writing it.
    void DropProject();
    static std::string ProjectFileOf(const std::string& sourcePath);

    // --- line marks and the execution line
    // mark: "BreakPoint" or "CurrentLine".
    void SetLineMark(int line, const std::string& mark, bool on);
    void ShowCurrentLine(int line);
    void ClearCurrentLine();
    int ExecutionLine() const { return executionLine_; }

private:
    std::string fileName_;
    std::string filePath_;
    std::string note_;  // kept with the page, read by nothing
    std::unique_ptr<TProjectOptions> project_;
    int executionLine_ = 0;
};

// The name and extension of a path.
std::string FileNameOf(const std::string& path);
