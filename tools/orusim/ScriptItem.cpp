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

}  // namespace orusim
