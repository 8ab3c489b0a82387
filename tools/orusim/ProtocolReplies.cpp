// The protocol engine's answers to decoded commands.
#include <algorithm>

#include "tools/orusim/MemoryLayout.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/Wire.h"

namespace orusim {

namespace {
// The largest stack reply the PC takes: its buffer holds 4024 bytes, one of
// which the end of the packet needs.
constexpr size_t kMaxStackReply = 4023;
// Stuffed bytes of the whole stack reply on the line: 1.5 s at 2880 bytes/s.
constexpr size_t kMaxStackWireBytes = 4320;
constexpr size_t kChecksumAndFlagWire = 3;  // a stuffed checksum and the end flag

size_t StuffedSize(uint8_t byte) { return byte == kPacketFlag || byte == kPacketEscape ? 2 : 1; }

const char* CommandName(uint8_t code) {
    switch (code) {
    case kComQueryStatus: return "status";
    case kComStep: return "step";
    case kComRun: return "run";
    case kComStop: return "stop";
    case kComQueryStack: return "stack";
    case kComQueryConfig: return "config";
    case kComQueryHeap: return "heap";
    case kComBreakpoints: return "breakpoints";
    case kComLoadBlock: return "block";
    case kComBeginLoad: return "begin-load";
    case kComSync: return "sync";
    case kComInputByte: return "input-byte";
    case kComNoInput: return "no-input";
    default: return "?";
    }
}

void AppendLowHigh(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendHighLow(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}
}  // namespace

void ProtocolEngine::Dispatch(const PcCommand& command) {
    switch (command.kind) {
    case PcCommand::Kind::Simple:
        Note(EventKind::Command, CommandName(command.code));
        DispatchSimple(command.code);
        break;
    case PcCommand::Kind::Packet:
        Note(EventKind::Command, CommandName(command.code));
        DispatchPacket(command.payload);
        break;
    case PcCommand::Kind::InputByte:
    case PcCommand::Kind::NoInput: {
        int answer = command.kind == PcCommand::Kind::InputByte ? command.payload[0] : -1;
        Note(EventKind::Command, CommandName(command.code));
        bool awaited = engine_.AnswerInput(answer);
        Note(EventKind::InputAnswer, awaited ? "" : "unsolicited",
             answer < 0 ? std::vector<int64_t>{} : std::vector<int64_t>{answer});
        break;
    }
    case PcCommand::Kind::Stray:
        Note(EventKind::Stray, "", {command.code});
        break;
    case PcCommand::Kind::Expired:
        Reject("timed out", command.code);
        break;
    }
}

void ProtocolEngine::DispatchSimple(uint8_t code) {
    switch (code) {
    case kComQueryStatus: ReplyStatus(); break;
    case kComQueryConfig: ReplyConfig(); break;
    case kComQueryStack: ReplyStack(); break;
    case kComBeginLoad: Acknowledge(kComBeginLoad); break;
    case kComRun:
        Acknowledge(kComRun);
        engine_.Run();
        break;
    case kComStop:
        engine_.Stop();
        Acknowledge(kComStop);
        break;
    case kComStep:
        Acknowledge(kComStep);
        engine_.Stop();
        engine_.Step();
        break;
    default:  // kComSync once ready: its echo is the whole answer
        break;
    }
    engine_.Advance();
}

void ProtocolEngine::DispatchPacket(const std::vector<uint8_t>& packet) {
    switch (packet[0]) {
    case kComQueryHeap: ReplyHeap(packet); break;
    case kComBreakpoints: StoreBreakpoints(packet); break;
    case kComLoadBlock: StoreBlock(packet); break;
    default: break;
    }
}

void ProtocolEngine::Reject(const char* why, uint8_t code) {
    Note(EventKind::Rejected, why, {code});
}

void ProtocolEngine::Acknowledge(uint8_t code) {
    uint8_t ack = Ack(code);
    auto fault = TakeFault(faults_.acks, [ack](const AckFault& f) { return f.forAck < 0 || f.forAck == ack; });
    if (fault && fault->withhold) return;
    output_.Push(OutputUnit{{ack}}, fault ? fault->delayMs : 0);
}

void ProtocolEngine::StepDone() { Acknowledge(kComStepDone); }

void ProtocolEngine::SendReply(std::vector<uint8_t> payload) {
    uint8_t code = payload[0];
    auto fault = TakeFault(faults_.replies, [code](const ReplyFault& f) { return f.forCode < 0 || f.forCode == code; });
    if (fault) {
        if (fault->replaceCode >= 0) payload[0] = static_cast<uint8_t>(fault->replaceCode);
        payload.resize(payload.size() - std::min(fault->dropBytes, payload.size() - 1));
        payload.insert(payload.end(), fault->extraBytes.begin(), fault->extraBytes.end());
    }
    uint8_t checksum = Checksum(payload);
    if (fault && fault->badChecksum) ++checksum;
    payload.push_back(checksum);
    OutputUnit unit{FramePacket(payload)};
    if (!fault) {
        output_.Push(std::move(unit));
        return;
    }
    unit.bytes.insert(unit.bytes.end(), fault->trailing.begin(), fault->trailing.end());
    unit.perByteMs = fault->perByteMs;
    output_.Push(std::move(unit), fault->delayMs);
    if (!fault->flood.empty()) Flood(fault->flood, fault->delayMs + fault->floodMs);
}

void ProtocolEngine::SendRaw(const std::vector<uint8_t>& bytes) {
    if (power_) output_.Push(OutputUnit{bytes});
}

void ProtocolEngine::Flood(std::vector<uint8_t> pattern, int ms) {
    flood_.Start(std::move(pattern), clock_.TickCount() + ms);
}

void ProtocolEngine::ReplyStatus() {
    ModuleStatus status = engine_.Status();
    std::vector<uint8_t> payload{Ack(kComQueryStatus)};
    AppendLowHigh(payload, static_cast<uint16_t>(status.pc + 1));
    payload.push_back(status.activity);
    payload.push_back(status.opcode);
    SendReply(std::move(payload));
}

void ProtocolEngine::ReplyConfig() {
    ModuleConfig config = engine_.Config();
    std::vector<uint8_t> payload{Ack(kComQueryConfig)};
    AppendLowHigh(payload, config.a);
    AppendLowHigh(payload, config.b);
    AppendLowHigh(payload, config.c);
    SendReply(std::move(payload));
}

void ProtocolEngine::ReplyStack() {
    StackSnapshot stack = engine_.Stack();
    std::vector<uint8_t> payload{Ack(kComQueryStack)};
    AppendLowHigh(payload, stack.value1);
    AppendLowHigh(payload, stack.value2);
    AppendLowHigh(payload, stack.value3);
    // Cut so that the reply fits the PC's buffer and, at the paced line
    // rate, arrives within its 2-second packet time-out even when stuffing
    // doubles bytes.
    size_t wire = 0;
    for (uint8_t byte : payload) wire += StuffedSize(byte);
    for (uint8_t byte : stack.bytes) {
        if (payload.size() + 2 > kMaxStackReply) break;  // the byte and the checksum
        if (wire + StuffedSize(byte) + kChecksumAndFlagWire > kMaxStackWireBytes) break;
        payload.push_back(byte);
        wire += StuffedSize(byte);
    }
    SendReply(std::move(payload));
}

void ProtocolEngine::ReplyHeap(const std::vector<uint8_t>& query) {
    uint16_t address = static_cast<uint16_t>(query[1] << 8 | query[2]);
    uint16_t length = static_cast<uint16_t>(query[3] << 8 | query[4]);
    Note(EventKind::HeapQuery, "", {address, length});
    std::vector<uint8_t> payload{Ack(kComQueryHeap)};
    AppendHighLow(payload, engine_.HeapPointer());
    for (uint32_t i = 0; i < length; ++i) payload.push_back(engine_.ReadMemory(static_cast<uint16_t>(address + i)));
    SendReply(std::move(payload));
}

void ProtocolEngine::StoreBreakpoints(const std::vector<uint8_t>& packet) {
    if (!ChecksumHolds(packet)) return Reject("checksum", packet[0]);
    std::vector<uint16_t> addresses;
    std::vector<int64_t> values;
    for (size_t i = 0; i < packet[1]; ++i) {
        uint16_t address = static_cast<uint16_t>(packet[2 + 2 * i] | packet[3 + 2 * i] << 8);
        addresses.push_back(address);
        values.push_back(address);
    }
    engine_.SetBreakpoints(addresses);
    Note(EventKind::Breakpoints, "", std::move(values));
    Acknowledge(kComBreakpoints);
}

void ProtocolEngine::StoreBlock(const std::vector<uint8_t>& packet) {
    if (!ChecksumHolds(packet)) return Reject("checksum", packet[0]);
    bool first = packet[1] == 1;
    if (first) {
        engine_.Stop();
        image_.clear();
        downloading_ = true;
        nextBlock_ = 0;
    }
    if (!downloading_) return Reject("no download", packet[0]);
    if ((nextBlock_ + 1) * kImageBlockSize > kMaxImageSize) return Reject("image too large", packet[0]);
    image_.insert(image_.end(), packet.begin() + 2, packet.begin() + 2 + kImageBlockSize);
    Note(EventKind::Download, "", {static_cast<int64_t>(nextBlock_), first});
    ++nextBlock_;
    Acknowledge(kComLoadBlock);
}

void ProtocolEngine::SendMessage(uint8_t type, const std::vector<uint8_t>& body) { PushMessage(type, body, false); }

void ProtocolEngine::BeginFaultText(uint8_t heard) {
    auto fault = TakeFault(faults_.texts, [heard](const TextFault& f) { return f.onlyFor < 0 || f.onlyFor == heard; });
    if (fault) PushMessage(kMsgText, fault->text, true);
}

void ProtocolEngine::PushMessage(uint8_t type, const std::vector<uint8_t>& body, bool begun) {
    if (!power_) return;
    OutputUnit unit{FrameMessage(type, body)};
    unit.begun = begun;
    if (auto fault = TakeFault(faults_.messages, [](const MessageFault&) { return true; })) {
        unit.pauses = fault->pauses;
        unit.perByteMs = fault->perByteMs;
    }
    Event event;
    event.timeMs = clock_.TickCount();
    event.kind = EventKind::MessageSent;
    event.values = {type};
    event.text.assign(body.begin(), body.end());
    log_.Add(std::move(event));
    output_.Push(std::move(unit));
}

void ProtocolEngine::SendText(const std::string& text) {
    SendMessage(kMsgText, std::vector<uint8_t>(text.begin(), text.end()));
}

void ProtocolEngine::NoteNative(const std::string& name, const std::vector<int64_t>& arguments) {
    Note(EventKind::Native, name, arguments);
}

void ProtocolEngine::RequestInput() {
    if (!power_) return;
    Note(EventKind::InputRequest);
    output_.Push(OutputUnit{{kComInputRequest}});
}

void ProtocolEngine::SendInputRequests(int count) {
    for (int i = 0; i < count; ++i) RequestInput();
}

}  // namespace orusim
