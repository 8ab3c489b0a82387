#pragma once
#include <string>

namespace orusim {

// A pseudo-terminal pair. The far side stays open here too, so that the
// near side never sees a hang-up when the program that uses the port closes
// it.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { Close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair and puts the far side in raw mode at baud.
    bool Open(unsigned baud, std::string& error);
    void Close();

    int MasterFd() const { return masterFd_; }
    const std::string& FarPath() const { return farPath_; }

private:
    int masterFd_ = -1;
    int farFd_ = -1;
    std::string farPath_;
};

}  // namespace orusim
