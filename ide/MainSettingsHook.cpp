#include "ide/MainSettingsHook.h"

#include <QGuiApplication>
#include <QScreen>

#include "foundation/Settings.h"
#include "ide/EditorForm.h"
#include "ide/terminal/MessageForm.h"
#include "ide/OptionsForm.h"
#include "ide/WindowPlacement.h"

struct TMainSettingsHook::THook : ISettingsHook {
    explicit THook(TEditorForm& form) : form(form), previous(SetSettingsHook(this)) {}
    ~THook() override { SetSettingsHook(previous); }

    bool DesktopSize(int32_t& width, int32_t& height) override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return false;
        const QRect desktop = screen->availableGeometry();
        width = desktop.width();
        height = desktop.height();
        return true;
    }

    void DesktopOrigin(int32_t& left, int32_t& top) override
    {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            left = screen->availableGeometry().left();
            top = screen->availableGeometry().top();
        }
    }

    void ApplyWindowLayout(const TWindowLayout& layout) override
    {
        form.ApplyWindowGeometry(layout.Main);
        form.PlaceDataWindow(layout.Debug);
        PlaceFrame(form.MessageForm(), layout.Terminal, &form);
    }

    void ApplyEditorSettings(const tOptions& options) override
    {
        form.ApplyEditorColours();
        if (TOptionsForm* dialog = form.ExistingOptionsForm()) dialog->LoadEditorSettings(options);
    }

    void DisconnectSerialPort() override { form.DebugPort.Disconnect(); }

    TEditorForm& form;
    ISettingsHook* previous;
};

TMainSettingsHook::TMainSettingsHook(TEditorForm& form) : hook_(std::make_unique<THook>(form)) {}

TMainSettingsHook::~TMainSettingsHook() = default;
