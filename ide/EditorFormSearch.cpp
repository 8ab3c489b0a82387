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

TScopedSearch::TStep StepOf(uint8_t mode)
{
    if (mode == TSearchForm::ModeReplace) return TScopedSearch::TStep::Replace;
    if (mode == TSearchForm::ModeReplaceAll) return TScopedSearch::TStep::ReplaceAll;
    return TScopedSearch::TStep::Find;
}

// A Replace takes the selected match first: the search starts at the
// selection's beginning (forwards) or end (backwards). After replacing, the
// next match is selected, searching on from the replacement. A refused
// replace only selects the match it would take.
int SearchFromCursor(CZARNSource& page, uint8_t mode, const TScopedSearch::TRequest& request, bool refused)
{
    TSrcSearchOptions options = request.Options;
    const bool backwards = options.Contains(ssoBackwards);
    if (mode == TSearchForm::ModeReplace) {
        options.Include(ssoReplace);
        if (page.SelAvail()) page.InternalSetCaretXY(backwards ? page.BlockEnd() : page.BlockBegin());
    }
    if (mode == TSearchForm::ModeReplaceAll) options.Include(ssoReplaceAll);
    if (refused) {
        options.Exclude(ssoReplace);
        options.Exclude(ssoReplaceAll);
    }
    int found = page.SearchReplace(request.Search, request.Replacement, options);
    if (found > 0 && refused) return found;
    if (found > 0 && mode == TSearchForm::ModeReplace) {
        if (backwards) page.SetCaretX(page.CaretX() - static_cast<int>(request.Replacement.size()));
        options.Exclude(ssoReplace);
        options.Exclude(ssoEntireScope);
        found = page.SearchReplace(request.Search, request.Replacement, options);
    }
    if (found == 0) CollapseSelection(page, backwards);
    return found;
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

// With "Selection only" the selection the user made stays the scope over
// the presses that follow.
void TEditorForm::SearchReplaceExecute()
{
    if (SearchMode == TSearchForm::ModeClose) {
        SearchForm->hide();
        return;
    }
    CZARNSource* page = currentEditor_;
    const std::string search = QStringToCp1252(SearchForm->SearchText->text());
    if (!page || search.empty()) return;
    const TScopedSearch::TRequest request{search, QStringToCp1252(SearchForm->ReplacementText->text()),
                                          FormOptions(*SearchForm)};
    // A read-only page only selects the match a Replace would take, and says why.
    const bool refused = SearchMode != TSearchForm::ModeFind && page->ReadOnly();
    page->SetSearchEngine(SrcEditSearch1());
    Guarded([&] {
        TScopedSearch& scope = SearchForm->Scope;
        const bool scoped = SearchForm->SelectionOnly->isChecked() && scope.Take(*page);
        const int found = scoped ? scope.Press(*page, StepOf(SearchMode), request)
                                 : SearchFromCursor(*page, SearchMode, request, refused);
        if (found > 0 && refused)
            Dialogs().MessageBox("The page is read-only: nothing was replaced.", "Information", TBoxButtons::Ok,
                                 TBoxIcon::Information);
    });
}
