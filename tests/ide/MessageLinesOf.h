#pragma once
#include <QListWidget>
#include <string>
#include <vector>

#include "ide/EditorForm.h"

// The texts of the form's message lines, top to bottom.
inline std::vector<std::string> MessageLinesOf(const TEditorForm& form)
{
    std::vector<std::string> lines;
    for (int i = 0; i < form.StatusList->count(); ++i) lines.push_back(form.StatusList->item(i)->text().toStdString());
    return lines;
}
