#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace orusim {

enum class EventKind {
    BytesIn,       // bytes from the PC
    BytesOut,      // bytes to the PC
    Command,       // a decoded command (name, values)
    Modem,         // a line edge: name "DTR", "RTS", "DSR", "power", "cable", "port"; values {0|1}
    Reset,         // the module entered reset (name: "DTR" or "power")
    Boot,          // start-up finished (values {synced 0|1, end-load byte})
    Download,      // an image block stored (values {block, first flag})
    Breakpoints,   // a breakpoint list (values: the addresses)
    HeapQuery,     // values {address, length}
    MessageSent,   // values {type}, text: the body as text
    InputRequest,  // the module asked for one input byte
    InputAnswer,   // values {byte} or {} for no input
    Rejected,      // a packet refused (name: why)
    Stray,         // a byte outside any command, ignored
    Native,        // a native without effect on the line ran (name "Class.method", values: arguments)
};

const char* EventKindName(EventKind kind);

struct Event {
    int64_t timeMs = 0;
    EventKind kind = EventKind::Stray;
    std::string name;
    std::vector<int64_t> values;
    std::vector<uint8_t> bytes;
    std::string text;
};

// One JSON object on one line, without the line end.
std::string EventToJson(const Event& event);

// What the module did, in order. Safe to use from several threads.
class EventLog {
public:
    using Listener = std::function<void(const Event&)>;

    void Add(Event event);
    std::vector<Event> Events() const;
    std::vector<Event> OfKind(EventKind kind) const;
    size_t Count(EventKind kind) const;
    // The names of the decoded commands, in order.
    std::vector<std::string> CommandNames() const;
    void Clear();
    // Called for every event as it is added (under the log's lock).
    void SetListener(Listener listener);
    // Off: events only reach the listener (a long session's log stays small).
    void SetRetain(bool retain);

private:
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    Listener listener_;
    bool retain_ = true;
};

}  // namespace orusim
