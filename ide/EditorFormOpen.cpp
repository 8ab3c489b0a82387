// Files reaching the main window: the open seam, dropped files and the
// hand-over of a second start.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLoggingCategory>
#include <QMimeData>
#include <QUrl>

#include "ide/EditorForm.h"
#include "ide/ParamTokens.h"
#include "ide/ParamsFile.h"

namespace {

Q_LOGGING_CATEGORY(lcOpen, "corvane.ide.open", QtWarningMsg)

std::vector<std::string> LocalFiles(const QMimeData* data)
{
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

}  // namespace

void TEditorForm::OpenSourceFile(const std::string& path)
{
    qCInfo(lcOpen, "OpenSourceFile %s", path.c_str());
    openedSources_.push_back(path);
}

void TEditorForm::DropFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) OpenSourceFile(path);
    BringToFront();
}

void TEditorForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TEditorForm::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> files = LocalFiles(event->mimeData());
    if (files.empty()) return;
    event->acceptProposedAction();
    DropFiles(files);
}

void TEditorForm::HandOver(const std::string& commandLine)
{
    BringToFront();
    if (commandLine.empty()) {
        ReadParamsFile();
        return;
    }
    for (const std::string& file : ParamFiles(commandLine)) OpenSourceFile(file);
}

void TEditorForm::ReadParamsFile()
{
    for (const std::string& file : ParamFiles(ReadParamsText())) OpenSourceFile(file);
}

void TEditorForm::BringToFront()
{
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}
