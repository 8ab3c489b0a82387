#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ide/EditorForm.h"

// The application's title: the main window's caption and the caption of its
// boxes. Not Qt's display name, which the window system would append to every
// window's title.
inline constexpr const char* ApplicationTitle = "Corvane Torve IDE";

// The forms of the application, main window first; they live for the run.
struct TForms {
    std::unique_ptr<TEditorForm> EditorForm = std::make_unique<TEditorForm>();
};

// The first instance's start-up up to the forms: the settings store (the
// user's, or `settingsFile` when given), help, the application title and the
// forms.
std::unique_ptr<TForms> CreateApplicationForms(const std::string& settingsFile = std::string());

// The rest of the start-up before the message loop: the settings, the command
// line's files and, in a batch start, the link and download. Throws EError.
void LoadSettingsAndOpen(TEditorForm& form, const std::vector<std::string>& args);

// The exit path: closes the batch log, frees the settings and closes the
// settings store.
void CloseApplication();
