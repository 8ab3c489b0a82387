// Opening, saving and closing the files of the pages.
#include <fcntl.h>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include <QLoggingCategory>

#include "editor/support/SrcExceptions.h"
#include "editor/support/ShownText.h"
#include "foundation/EError.h"
#include "ide/EditorForm.h"
#include "ide/FileChecks.h"
#include "ide/SettingsBridge.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"

namespace {

Q_LOGGING_CATEGORY(lcOpen, "corvane.ide.open", QtWarningMsg)

constexpr int SaveCancelled = 44;

// Opened without blocking, so that a pipe in the file's place does not wait;
// the system's error number, 0 when it opens.
int OpenForReadingError(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

// The box for a file that would not open: its name, and why.
std::string OpenFailureText(const std::string& path, int error)
{
    if (error == ENOENT) return "File not found: `" + path + "'";
    return "Cannot open `" + path + "': " + std::strerror(error);
}

}  // namespace

void TEditorForm::Guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const EError& error) {
        error.Report();
    }
}

void TEditorForm::ApplyFontSettings(CZARNSource& page)
{
    const TEditorFontSetting setting = EditorFontSetting();
    TFont font;
    font.Assign(&page.Font());
    font.SetName(setting.Name);
    font.SetSize(setting.Size);
    font.SetColor(static_cast<TColor>(setting.Color));
    page.SetFont(font);
}

void TEditorForm::LoadPageFile(CZARNSource& page, const std::string& path)
{
    if (!IsRegularFile(path)) throw EError(ecIDE, 2, path.c_str());
    page.Lines().LoadFromFile(path);
    page.SetCaretXY(BufferCoord(1, 1));
    page.UndoList().Clear();
    page.RedoList().Clear();
    page.SetReadOnly(IsReadOnlyFile(path));
}

void TEditorForm::OpenSourceFile(const std::string& path)
{
    qCInfo(lcOpen, "OpenSourceFile %s", path.c_str());
    const std::string fullPath = CanonicalPath(path);
    for (int i = 0; i < PageCount(); ++i) {
        if (SourceAt(i)->FilePath() != fullPath) continue;
        SelectPage(i);
        return;
    }
    if (const int error = OpenForReadingError(fullPath)) {
        Dialogs().MessageBox(OpenFailureText(fullPath, error), "Error", TBoxButtons::Ok, TBoxIcon::Error);
        return;
    }
    NewSourcePage(fullPath);
}

void TEditorForm::OpenFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) Guarded([&] { OpenSourceFile(path); });
}

void TEditorForm::CloseLoneUntitledPage()
{
    if (PageCount() != 1) return;
    const CZARNSource* page = SourceAt(0);
    if (!IsNamed(*page) && !page->Modified()) CloseSourcePage(0);
}

void TEditorForm::NewFileExecute()
{
    Guarded([this] { NewSourcePage(); });
}

void TEditorForm::OpenFileExecute()
{
    const std::vector<std::string> files = Dialogs().OpenFiles(OpenDialogFolder());
    if (files.empty()) return;
    SetOpenDialogFolder(FolderOf(CanonicalPath(files.front())));
    CloseLoneUntitledPage();
    OpenFiles(files);
}

// The text goes to the path through the editor's atomic writer: a failure
// leaves the file as it was and is reported as IDE-17.
void TEditorForm::WritePage(CZARNSource& page, const std::string& path)
{
    try {
        page.Lines().SaveToFile(path);
    } catch (const EStreamError& error) {
        const std::string reason = error.Message();
        const int number = ErrorNumberInText(reason);
        const size_t cut = reason.rfind(". ");
        const std::string text = cut == std::string::npos ? reason : reason.substr(cut + 2);
        throw EError(ecIDE, 17, path.c_str(), number, text.c_str());
    }
}

void TEditorForm::RenamePage(CZARNSource& page, const std::string& path)
{
    page.SetFilePath(path);
    page.SetFileName(FileNameOf(path));
    const int tab = EditorTab->IndexOf(&page);
    if (tab >= 0) EditorTab->SetTabText(tab, QString::fromStdString(ShownText(page.FileName())));
}

// A read-only page is not written: its changes stay, and the save says why.
void TEditorForm::SaveSource(CZARNSource& page)
{
    if (!page.Modified()) return;
    if (page.ReadOnly()) throw EError(ecIDE, 17, page.FilePath().c_str(), EACCES, "the page is read-only");
    if (IsNamed(page)) {
        WritePage(page, page.FilePath());
        page.SetModified(false);
        page.SaveProject();
        return;
    }
    ShowPage(&page);
    const std::optional<std::string> chosen = Dialogs().SaveFile(SaveDialogFolder(), page.FileName());
    if (!chosen) throw EError(ecIDE, SaveCancelled);
    const std::string path = CanonicalPath(*chosen);
    WritePage(page, path);
    SetSaveDialogFolder(FolderOf(path));
    RenamePage(page, path);
    page.SaveProject();
    page.SetModified(false);
    AddToRecent(page);
}

void TEditorForm::SaveFileExecute()
{
    if (!currentEditor_) return;
    Guarded([this] { SaveSource(*currentEditor_); });
}

void TEditorForm::SaveAllExecute()
{
    const CZARNSource* shown = currentEditor_;
    try {
        for (int i = 0; i < PageCount(); ++i) SaveSource(*SourceAt(i));
    } catch (...) {
        ShowPage(shown);
        throw;
    }
    ShowPage(shown);
}

void TEditorForm::SaveAllClick()
{
    Guarded([this] { SaveAllExecute(); });
}

void TEditorForm::SaveFileAsExecute()
{
    if (!currentEditor_) return;
    CZARNSource& page = *currentEditor_;
    const std::optional<std::string> chosen = Dialogs().SaveFile(SaveDialogFolder(), page.FileName());
    if (!chosen) return;
    Guarded([&] {
        const std::string path = CanonicalPath(*chosen);
        WritePage(page, path);
        SetSaveDialogFolder(FolderOf(path));
        RenamePage(page, path);
        page.SetModified(false);
        AddToRecent(page);
    });
}

// Yes, No or Cancel for a modified page, shown while asked; a save that
// fails or whose name was not given cancels the close.
bool TEditorForm::SaveBeforeClose(CZARNSource& page)
{
    if (!page.Modified()) return true;
    ShowPage(&page);
    const std::string question = "Save changes to '" + page.FileName() + "' before closing?";
    const TBoxAnswer answer =
        Dialogs().MessageBox(question, "Closing", TBoxButtons::YesNoCancel, TBoxIcon::Question);
    if (answer == TBoxAnswer::Cancel) return false;
    if (answer == TBoxAnswer::No) return true;
    try {
        SaveSource(page);
    } catch (const EError& error) {
        if (error.Category != ecIDE || error.Number != SaveCancelled) error.Report();
        return false;
    }
    return true;
}

bool TEditorForm::CloseSourcePage(int i)
{
    CZARNSource* page = SourceAt(i);
    if (!page) return true;
    if (page == executionPage_) executionPage_ = nullptr;
    if (!SaveBeforeClose(*page)) return false;
    if (page == selectedProject_) selectedProject_ = nullptr;
    RemoveTab(i);
    delete page;
    UpdateTabImages();
    return true;
}

void TEditorForm::CloseFileExecute()
{
    if (!currentEditor_) return;
    CloseSourcePage(EditorTab->TabIndex());
}

void TEditorForm::AddToRecent(const CZARNSource& page)
{
    AddToRecentPath(IsNamed(page) ? page.FilePath() : std::string());
}
