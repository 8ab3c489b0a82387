// "Open Class at Cursor": the page of the class named at the caret, or its
// source found along the class path.
#include <strings.h>

#include <QDir>

#include "ide/EditorForm.h"
#include "ide/SettingsBridge.h"
#include "ide/ZARNSource.h"

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

void TEditorForm::OpenClassExecute()
{
    if (!currentEditor_) return;
    CZARNSource& page = *currentEditor_;
    const std::string word = page.SelAvail() ? Trimmed(page.SelText()) : page.GetWordAtRowCol(page.CaretXY());
    if (word.empty()) return;
    const std::string fileName = word + ".java";
    for (int i = 0; i < PageCount(); ++i) {
        if (!SameName(SourceAt(i)->FileName(), fileName)) continue;
        SelectPage(i);
        return;
    }
    const std::string classPath = GlobalClassPath();
    size_t start = 0;
    while (start <= classPath.size()) {
        size_t end = classPath.find(';', start);
        if (end == std::string::npos) end = classPath.size();
        const std::string part = classPath.substr(start, end - start);
        if (!part.empty() && FindClassFile(part, fileName)) return;
        start = end + 1;
    }
}

// Depth first: a folder is searched when it is met, before the entries
// after it; each folder's entries sorted by name.
bool TEditorForm::FindClassFile(const std::string& folder, const std::string& fileName)
{
    const QDir dir(QString::fromStdString(folder));
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            if (FindClassFile(entry.filePath().toStdString(), fileName)) return true;
        } else if (SameName(entry.fileName().toStdString(), fileName)) {
            Guarded([&] { OpenSourceFile(entry.filePath().toStdString()); });
            return true;
        }
    }
    return false;
}
