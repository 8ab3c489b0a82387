#include "tools/orusim/EventLog.h"

#include <cstdio>

namespace orusim {

const char* EventKindName(EventKind kind) {
    switch (kind) {
    case EventKind::BytesIn: return "rx";
    case EventKind::BytesOut: return "tx";
    case EventKind::Command: return "command";
    case EventKind::Modem: return "modem";
    case EventKind::Reset: return "reset";
    case EventKind::Boot: return "boot";
    case EventKind::Download: return "download";
    case EventKind::Breakpoints: return "breakpoints";
    case EventKind::HeapQuery: return "heap-query";
    case EventKind::MessageSent: return "message";
    case EventKind::InputRequest: return "input-request";
    case EventKind::InputAnswer: return "input";
    case EventKind::Rejected: return "rejected";
    case EventKind::Stray: return "stray";
    case EventKind::Native: return "native";
    }
    return "unknown";
}

namespace {
void AppendJsonString(std::string& out, const std::string& text) {
    out += '"';
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02x" : "%02x", bytes[i]);
        out += buf;
    }
    return out;
}
}  // namespace

std::string EventToJson(const Event& event) {
    std::string out = "{\"t\":" + std::to_string(event.timeMs) + ",\"event\":\"";
    out += EventKindName(event.kind);
    out += '"';
    if (!event.name.empty()) {
        out += ",\"name\":";
        AppendJsonString(out, event.name);
    }
    if (!event.values.empty()) {
        out += ",\"values\":[";
        for (size_t i = 0; i < event.values.size(); ++i) {
            if (i) out += ',';
            out += std::to_string(event.values[i]);
        }
        out += ']';
    }
    if (!event.bytes.empty()) out += ",\"bytes\":\"" + Hex(event.bytes) + '"';
    if (!event.text.empty()) {
        out += ",\"text\":";
        AppendJsonString(out, event.text);
    }
    out += '}';
    return out;
}

void EventLog::Add(Event event) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (listener_) listener_(event);
    if (retain_) events_.push_back(std::move(event));
}

std::vector<Event> EventLog::Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<Event> EventLog::OfKind(EventKind kind) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Event> out;
    for (const Event& e : events_)
        if (e.kind == kind) out.push_back(e);
    return out;
}

size_t EventLog::Count(EventKind kind) const { return OfKind(kind).size(); }

std::vector<std::string> EventLog::CommandNames() const {
    std::vector<std::string> names;
    for (const Event& e : OfKind(EventKind::Command)) names.push_back(e.name);
    return names;
}

void EventLog::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
}

void EventLog::SetRetain(bool retain) {
    std::lock_guard<std::mutex> lock(mutex_);
    retain_ = retain;
    if (!retain) events_.clear();
}

void EventLog::SetListener(Listener listener) {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace orusim
