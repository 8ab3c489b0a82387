#pragma once
#include <cstdint>
#include <limits>
#include <vector>

#include "devicelink/Clock.h"
#include "tools/orusim/CommandParser.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/ExecutionEngine.h"
#include "tools/orusim/Faults.h"
#include "tools/orusim/LineFlood.h"
#include "tools/orusim/OutputQueue.h"

namespace orusim {

struct BootTiming {
    int bootDelayMs = 50;     // from the fall of DTR (or power on) to kComStartLoad
    int syncWindowMs = 250;   // kComSync in this window keeps the program stopped
    uint8_t firmware = 0x01;  // low nibble of kComEndLoad
};

// The module as the PC sees it over the line: power, the cable's RTS-to-DSR
// loop, reset by DTR, the echo of every byte, the command parser, the loader
// and the replies. The program itself belongs to the execution engine. Not
// thread-safe; transports serialise their calls.
class ProtocolEngine : private IEngineHost {
public:
    ProtocolEngine(IClock& clock, IExecutionEngine& engine, EventLog& log, BootTiming timing = {});
    ~ProtocolEngine() override;
    ProtocolEngine(const ProtocolEngine&) = delete;
    ProtocolEngine& operator=(const ProtocolEngine&) = delete;

    // The line. Power and cable start on, DTR and RTS low; power on boots.
    void SetPower(bool on);
    void SetCable(bool connected);
    void SetDTR(bool high);
    void SetRTS(bool high);
    bool DSR() const;
    // Whether the PC's side has the port open: output to a closed port is lost.
    void SetPortOpen(bool open);

    // Bytes from the PC.
    void Receive(const uint8_t* data, size_t count);
    // Does what is due: start-up steps, the program, packet time-outs.
    void Poll();
    // Bytes for the PC that may go out now (after Poll), at most max.
    std::vector<uint8_t> TakeOutput(size_t max = std::numeric_limits<size_t>::max());
    // When Poll or TakeOutput next has work: a time, or -1.
    int64_t NextWakeTime();

    // Unsolicited output, as the program would make it.
    void SendMessage(uint8_t type, const std::vector<uint8_t>& body) override;
    void SendText(const std::string& text);
    void SendInputRequests(int count);
    // Bytes as they are, outside any frame.
    void SendRaw(const std::vector<uint8_t>& bytes);
    // The pattern again and again, once other output is out, for ms
    // (not logged byte by byte).
    void Flood(std::vector<uint8_t> pattern, int ms);

    Faults& GetFaults() { return faults_; }
    bool Ready() const { return phase_ == Phase::Ready; }
    // The image as downloaded (whole blocks).
    const std::vector<uint8_t>& Image() const { return image_; }
    IClock& Clock() { return clock_; }

private:
    enum class Phase { Off, Held, Booting, SyncWindow, Ready, Dead };

    // IEngineHost
    int64_t Now() override { return clock_.TickCount(); }
    void RequestInput() override;
    void StepDone() override;
    void NoteNative(const std::string& name, const std::vector<int64_t>& arguments) override;
    size_t OutputBacklog() override { return output_.PendingBytes(); }

    void Note(EventKind kind, std::string name = {}, std::vector<int64_t> values = {});
    void EnterReset(const char* cause);
    void StartBoot();
    void FinishBoot(bool synced);
    void Echo(uint8_t byte);
    // A text fault for the byte heard: its message is begun at once.
    void BeginFaultText(uint8_t heard);
    void PushMessage(uint8_t type, const std::vector<uint8_t>& body, bool begun);
    void HandleByte(uint8_t byte);
    void Dispatch(const PcCommand& command);
    void DispatchSimple(uint8_t code);
    void DispatchPacket(const std::vector<uint8_t>& packet);
    void Acknowledge(uint8_t code);
    void SendReply(std::vector<uint8_t> payload);
    void ReplyStatus();
    void ReplyConfig();
    void ReplyStack();
    void ReplyHeap(const std::vector<uint8_t>& query);
    void StoreBreakpoints(const std::vector<uint8_t>& packet);
    void StoreBlock(const std::vector<uint8_t>& packet);
    void Reject(const char* why, uint8_t code);

    IClock& clock_;
    IExecutionEngine& engine_;
    EventLog& log_;
    BootTiming timing_;
    Faults faults_;
    OutputQueue output_;
    LineFlood flood_;
    CommandParser parser_;

    bool power_ = true;
    bool cable_ = true;
    bool portOpen_ = true;
    bool dtr_ = false;
    bool rts_ = false;
    Phase phase_ = Phase::Off;
    int64_t phaseEnds_ = 0;

    std::vector<uint8_t> image_;
    bool downloading_ = false;
    size_t nextBlock_ = 0;
};

}  // namespace orusim
