#pragma once
#include <functional>

#include "ide/terminal/ScreenModel.h"

class TSrcEditWidget;

// The terminal screen shown in an editor control; beeps and log bytes go to
// the given functions.
class TEditorScreenView : public IScreenOutput {
public:
    TEditorScreenView(TSrcEditWidget& view, std::function<void()> beep,
                      std::function<void(const char*, size_t)> log)
        : view_(view), beep_(std::move(beep)), log_(std::move(log)) {}

    int ViewLineCount() const override;
    void ClearView() override;
    void AppendViewLine(const std::string& text) override;
    void ReplaceViewLine(int index, const std::string& text) override;
    void DeleteFirstViewLine() override;
    void Beep() override { beep_(); }
    void Log(const char* data, size_t size) override { log_(data, size); }

private:
    TSrcEditWidget& view_;
    std::function<void()> beep_;
    std::function<void(const char*, size_t)> log_;
};
