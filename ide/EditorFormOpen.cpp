// Files reaching the main window: dropped files and the
// hand-over of a second start.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ide/EditorForm.h"
#include "ide/pipeline/ParamTokens.h"
#include "ide/pipeline/ParamsFile.h"

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data)
{
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

}  // namespace

void TEditorForm::DropFiles(const std::vector<std::string>& paths)
{
    OpenFiles(paths);
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
    OpenFiles(ParamFiles(commandLine));
}

void TEditorForm::ReadParamsFile()
{
    OpenFiles(ParamFiles(ReadParamsText()));
}

// A minimised window comes back in the state it had before (maximised stays
// maximised).
void TEditorForm::BringToFront()
{
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}
