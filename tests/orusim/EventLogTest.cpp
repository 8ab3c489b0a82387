#include <gtest/gtest.h>

#include "tools/orusim/EventLog.h"

using namespace orusim;

TEST(EventLogJson, EveryFieldAndEscapedText) {
    Event event;
    event.timeMs = 12;
    event.kind = EventKind::BytesOut;
    event.name = "lo\"st";
    event.values = {1, -2};
    event.bytes = {0x05, 0x7E};
    event.text = "a\nb\\\x80";
    EXPECT_EQ(EventToJson(event),
              "{\"t\":12,\"event\":\"tx\",\"name\":\"lo\\\"st\",\"values\":[1,-2],\"bytes\":\"05 7e\","
              "\"text\":\"a\\u000ab\\\\\\u0080\"}");
    Event bare;
    bare.kind = EventKind::InputRequest;
    EXPECT_EQ(EventToJson(bare), "{\"t\":0,\"event\":\"input-request\"}");
}

TEST(EventLogJson, ListenerSeesEventsThatAreNotRetained) {
    EventLog log;
    std::vector<std::string> seen;
    log.SetListener([&](const Event& e) { seen.push_back(EventKindName(e.kind)); });
    log.SetRetain(false);
    log.Add(Event{});
    EXPECT_EQ(seen, std::vector<std::string>{"stray"});
    EXPECT_TRUE(log.Events().empty());
}
