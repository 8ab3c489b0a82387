#include <cstdarg>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

namespace {
constexpr size_t CommentCapacity = 1000;

// A line cut at the capacity keeps its line end, so that it cannot join the
// next line of the listing.
std::string FormatComment(const char* format, va_list args) {
    std::string text = FormatLimited(CommentCapacity, format, args);
    size_t length = std::strlen(format);
    if (length > 0 && format[length - 1] == '\n' && (text.empty() || text.back() != '\n')) text += '\n';
    return text;
}
}  // namespace

void CORULinker::EmitByte(uint8_t value, const char* format, ...) {
    if (WritePosition >= ImageSize) throw EError(ecIDE, 27);
    Image[size_t(WritePosition)] = value;
    if (ListingFile) {
        va_list args;
        va_start(args, format);
        std::string comment = FormatComment(format, args);
        va_end(args);
        std::fprintf(ListingFile, "%d:%s", WritePosition, comment.c_str());
    }
    ++WritePosition;
}

void CORULinker::ListingPrintf(const char* format, ...) {
    if (!ListingFile) return;
    va_list args;
    va_start(args, format);
    std::string text = FormatComment(format, args);
    va_end(args);
    std::fputs(text.c_str(), ListingFile);
}

void CORULinker::CloseListing() {
    if (ListingFile) std::fclose(ListingFile);
    ListingFile = nullptr;
}

// A record or header byte, its value in decimal.
void CORULinker::EmitValue(uint8_t value, const std::string& text) {
    EmitByte(value, "\tdw\t%d\t;%s\n", value, text.c_str());
}

// A code byte, its value in hex.
void CORULinker::EmitCode(uint8_t value, const std::string& text) {
    EmitByte(value, "\tdw\t$%02X\t;%s\n", value, text.c_str());
}

// High byte, then low byte. `label` names the word; aligned: the low line
// blanks out the label ("... hi = 1" over "    lo = 2").
void CORULinker::EmitWord(uint16_t value, const std::string& label, bool aligned) {
    uint8_t high = uint8_t(value >> 8);
    uint8_t low = uint8_t(value & 0xFF);
    EmitValue(high, label + " hi = " + std::to_string(high));
    std::string lowLabel = aligned ? std::string(label.size(), ' ') : label;
    EmitValue(low, lowLabel + " lo = " + std::to_string(low));
}

void CORULinker::EmitCodeWord(uint16_t value, const std::string& hiText, const std::string& loText) {
    EmitCode(uint8_t(value >> 8), hiText);
    EmitCode(uint8_t(value & 0xFF), loText);
}

// A rewritten two-byte operand, each byte listed in decimal.
void CORULinker::EmitOperandWord(uint16_t value) {
    uint8_t high = uint8_t(value >> 8);
    uint8_t low = uint8_t(value & 0xFF);
    EmitCode(high, "     " + std::to_string(high));
    EmitCode(low, "     " + std::to_string(low));
}

// A count stored in one byte; one that does not fit is refused.
void CORULinker::EmitCountByte(unsigned value, const std::string& text) {
    if (value > 0xFF) throw EError(ecIDE, 48);
    EmitValue(uint8_t(value), text);
}

// "class F: 128 instance field words, at most 127".
void CORULinker::RaiseLimit(const std::string& what, unsigned count, const char* unit, unsigned limit) {
    MessagePrintf("%s: %u %s, at most %u", what.c_str(), count, unit, limit);
    throw EError(ecIDE, 48);
}
