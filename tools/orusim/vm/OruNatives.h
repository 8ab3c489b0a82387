#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/orusim/vm/OruHeader.h"

struct TNativeSignature;

namespace orusim {

class OruMachine;

// Runs one call of a native method, numbered by the shared native signature
// table. CPU.message sends terminal text, Terminal.getByte asks the PC for a
// byte, CPU.delay waits; the others act on simple device state and are
// noted.
class OruNatives {
public:
    explicit OruNatives(OruMachine& machine) : m_(machine) {}
    void Call(const MethodRecord& method);

    // The text of a java/lang/String object.
    static std::string ReadString(const OruMachine& machine, uint16_t string);

private:
    void Complete(const MethodRecord& method, const TNativeSignature& signature, int result);
    int Device(const TNativeSignature& signature, const std::vector<int>& arguments);

    OruMachine& m_;
};

}  // namespace orusim
