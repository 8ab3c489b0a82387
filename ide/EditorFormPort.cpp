// The serial-port component's receive handler.
#include <cstdio>

#include "devicelink/PortFailure.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "ide/EditorForm.h"

namespace {

constexpr size_t HexDumpLineLimit = 100;

void LogHexDump(const uint8_t* data, int32_t n)
{
    std::string line;
    char hex[8];
    for (int32_t i = 0; i < n; ++i) {
        std::snprintf(hex, sizeof hex, "0x%2.2X ", data[i]);
        line += hex;
        if (line.size() > HexDumpLineLimit) {
            DebugPrintf("Data on serial port: %s", line.c_str());
            line.clear();
        }
    }
    if (!line.empty()) DebugPrintf("Data on serial port: %s", line.c_str());
}

}  // namespace

void TEditorForm::DebugPortReceiveData(TCommPortDriver&, const uint8_t* data, int32_t n)
{
    if (ComTrace(1)) DebugPrintf("Received data on serial port");
    if (ComTrace(2)) LogHexDump(data, n);
    if (TSXComm* link = JVM()) link->ReceiveData(data, n, CurrentImage());
}

// In a batch run the error line fails the run.
void TEditorForm::DebugPortLineError(TCommPortDriver& sender, int32_t error)
{
    LineLostError(sender, error).Report();
    if (JVM()) EndDebug();
}
