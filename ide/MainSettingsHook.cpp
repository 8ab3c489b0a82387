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
        const TWindowRect& main = layout.Main;
        form.ApplyWindowGeometry(main.Left, main.Top, main.Width, main.Height);
        const TWindowRect& debug = layout.Debug;
        form.PlaceDataWindow(debug.Left, debug.Top, debug.Width, debug.Height);
        const TWindowRect& terminal = layout.Terminal;
        if (terminal.Width > 0 && terminal.Height > 0)
            PlaceFrame(form.MessageForm(), QRect(terminal.Left, terminal.Top, terminal.Width, terminal.Height), &form);
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
