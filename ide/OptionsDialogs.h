#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// The dialogs that the options dialog opens (tests answer them).
class IOptionsDialogs {
public:
    virtual ~IOptionsDialogs() = default;

    // "Custom..." of a colour box; none when cancelled.
    virtual std::optional<uint32_t> PickColor(uint32_t current) = 0;
    // The editor font's name and size; false when cancelled.
    virtual bool PickFont(std::string& name, int32_t& size) = 0;
    // The compiler executable; none when cancelled.
    virtual std::optional<std::string> CompilerFile(const std::string& current) = 0;
    // The path chooser over a class path; none when cancelled.
    virtual std::optional<std::string> ChoosePath(const std::string& path) = 0;
    // The port-list editor over "COMn" items; none when cancelled.
    virtual std::optional<std::vector<std::string>> ChoosePorts(const std::vector<std::string>& ports) = 0;
    // The main window's Save Desktop; false when the settings were not written.
    virtual bool SaveDesktop() = 0;
};

// The real dialogs: colour, font and file dialogs, the path chooser and the
// port-list editor (which shows the stored valid ports).
class TQtOptionsDialogs : public IOptionsDialogs {
public:
    TQtOptionsDialogs(QWidget* parent, std::function<bool()> saveDesktop);

    std::optional<uint32_t> PickColor(uint32_t current) override;
    bool PickFont(std::string& name, int32_t& size) override;
    std::optional<std::string> CompilerFile(const std::string& current) override;
    std::optional<std::string> ChoosePath(const std::string& path) override;
    std::optional<std::vector<std::string>> ChoosePorts(const std::vector<std::string>& ports) override;
    bool SaveDesktop() override { return saveDesktop_ ? saveDesktop_() : true; }

private:
    QWidget* parent_;
    std::function<bool()> saveDesktop_;
};
