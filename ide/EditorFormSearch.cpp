// Find and replace on the current page with the plain-text engine.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/qt/QtText.h"
#include "editor/search/SrcEditSearch.h"
#include "ide/EditorForm.h"
#include "ide/SearchForm.h"
#include "ide/ZARNSource.h"

namespace {
TSrcSearchOptions FormOptions(const TSearchForm& form)
{
    TSrcSearchOptions options;
    if (form.CaseSensitive->isChecked()) options.Include(ssoMatchCase);
    if (form.WholeWords->isChecked()) options.Include(ssoWholeWord);
    if (form.SelectionOnly->isChecked()) options.Include(ssoSelectedOnly);
    if (form.Backwards->isChecked()) options.Include(ssoBackwards);
    if (form.FromStart->isChecked()) options.Include(ssoEntireScope);
    return options;
}

// Nothing found: no selection, the caret where the search stood.
void Collapse(CZARNSource& page, bool backwards)
{
    const TBufferCoord at = backwards ? page.BlockBegin() : page.BlockEnd();
    page.SetCaretXY(at);
}
}  // namespace

void TEditorForm::BuildSearchForm()
{
    SearchForm = new TSearchForm(
        [this](uint8_t mode) {
            SearchMode = mode;
            SearchReplaceExecute();
        },
        this);
}

void TEditorForm::FindAndReplaceExecute()
{
    if (!currentEditor_) return;
    SearchForm->show();
    SearchForm->raise();
    SearchForm->activateWindow();
}

void TEditorForm::FindAgainExecute()
{
    if (!currentEditor_) return;
    SearchMode = TSearchForm::ModeFind;
    SearchReplaceExecute();
}

// A Replace takes the selected match first: the search starts at the
// selection's beginning (forwards) or end (backwards). After replacing, the
// next match is selected, searching on from the replacement.
void TEditorForm::SearchReplaceExecute()
{
    if (SearchMode == TSearchForm::ModeClose) {
        SearchForm->hide();
        return;
    }
    CZARNSource* page = currentEditor_;
    const std::string search = QStringToCp1252(SearchForm->SearchText->text());
    if (!page || search.empty()) return;
    const std::string replacement = QStringToCp1252(SearchForm->ReplacementText->text());
    TSrcSearchOptions options = FormOptions(*SearchForm);
    const bool backwards = options.Contains(ssoBackwards);
    if (SearchMode == TSearchForm::ModeReplace) {
        options.Include(ssoReplace);
        if (page->SelAvail()) page->InternalSetCaretXY(backwards ? page->BlockEnd() : page->BlockBegin());
    }
    if (SearchMode == TSearchForm::ModeReplaceAll) options.Include(ssoReplaceAll);
    // A read-only page only selects the match a Replace would take, and says why.
    const bool refused = SearchMode != TSearchForm::ModeFind && page->ReadOnly();
    if (refused) {
        options.Exclude(ssoReplace);
        options.Exclude(ssoReplaceAll);
    }
    page->SetSearchEngine(SrcEditSearch1());
    Guarded([&] {
        int found = page->SearchReplace(search, replacement, options);
        if (found > 0 && refused) {
            Dialogs().MessageBox("The page is read-only: nothing was replaced.", "Information", TBoxButtons::Ok,
                                 TBoxIcon::Information);
            return;
        }
        if (found > 0 && SearchMode == TSearchForm::ModeReplace) {
            if (backwards) page->SetCaretX(page->CaretX() - static_cast<int>(replacement.size()));
            options.Exclude(ssoReplace);
            options.Exclude(ssoEntireScope);
            found = page->SearchReplace(search, replacement, options);
        }
        if (found == 0) Collapse(*page, backwards);
    });
}
