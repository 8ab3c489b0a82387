#include "tools/orusim/ScriptItem.h"

namespace orusim {

namespace {
ScriptItem Make(ScriptItem::Kind kind, int delayMs) {
    ScriptItem item;
    item.kind = kind;
    item.delayMs = delayMs;
    return item;
}
}  // namespace

ScriptItem ScriptItem::Text(std::string text, int delayMs) {
    ScriptItem item = Make(Kind::Text, delayMs);
    item.text = std::move(text);
    return item;
}

ScriptItem ScriptItem::Input(int delayMs) { return Make(Kind::InputRequest, delayMs); }
ScriptItem ScriptItem::Stop(int delayMs) { return Make(Kind::Stopped, delayMs); }
ScriptItem ScriptItem::End(int delayMs) { return Make(Kind::Ended, delayMs); }

ScriptItem ScriptItem::Exception(uint16_t classOffset, uint16_t pc, int delayMs) {
    ScriptItem item = Make(Kind::Exception, delayMs);
    item.classOffset = classOffset;
    item.pc = pc;
    return item;
}

ScriptItem ScriptItem::UnknownBytecode(uint8_t opcode, int delayMs) {
    ScriptItem item = Make(Kind::UnknownBytecode, delayMs);
    item.opcode = opcode;
    return item;
}

ScriptItem ScriptItem::Message(uint8_t type, std::vector<uint8_t> body, int delayMs) {
    ScriptItem item = Make(Kind::RawMessage, delayMs);
    item.type = type;
    item.body = std::move(body);
    return item;
}

}  // namespace orusim
