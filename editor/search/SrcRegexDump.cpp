// Dump: the compiled program as text, one node per line, then the analysis.
#include <cstdio>
#include <cstring>

#include "editor/search/SrcRegex.h"
#include "editor/search/SrcRegexProgram.h"

using namespace regex_program;

namespace regex_program {

const char* OpcodeName(uint8_t op, char* buffer, size_t size) {
    static const char* const names[] = {
        "END", "BOL", "EOL", "ANY", "ANYOF", "ANYBUT", "BRANCH", "BACK", "EXACTLY", "NOTHING", "STAR",
        "PLUS", "ANYDIGIT", "NOTDIGIT", "ANYLETTER", "NOTLETTER", "ANYSPACE", "NOTSPACE", "BRACES",
        "COMMENT", "EXACTLY/CI", "ANYOF/CI", "ANYBUT/CI", "LOOPENTRY", "LOOP", "ANYOFTINYSET",
        "ANYBUTTINYSET", "ANYOFFULLSET", "BSUBEXP", "BSUBEXP/CI", "STARNG", "PLUSNG", "BRACESNG", "LOOPNG",
        "BOLML", "EOLML", "ANYML", "BOUND", "NOTBOUND"};
    if (op < sizeof names / sizeof names[0]) return names[op];
    if (op > OPEN && op <= OPEN + MaxGroups) {
        std::snprintf(buffer, size, "OPEN[%d]", op - OPEN);
        return buffer;
    }
    if (op > CLOSE && op <= CLOSE + MaxGroups) {
        std::snprintf(buffer, size, "CLOSE[%d]", op - CLOSE);
        return buffer;
    }
    return nullptr;
}

}  // namespace regex_program

namespace {

std::string Printable(unsigned char c) {
    if (c >= 32) return std::string(1, static_cast<char>(c));
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%d", c);
    return buffer;
}

std::string Format(const char* format, int a, int b = 0, int c = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

// The text of a node's operand; sets size to the operand's byte count.
std::string OperandText(const TRegexProgram& prog, size_t node, size_t& size) {
    const uint8_t* op = prog.Node(TRegexProgram::Operand(node));
    size_t room = prog.Code.size() - TRegexProgram::Operand(node);
    std::string text;
    size = 0;
    switch (prog.Op(node)) {
    case ANYOF: case ANYBUT: case EXACTLY: case EXACTLYCI: case ANYOFCI: case ANYBUTCI: {
        size = strnlen(reinterpret_cast<const char*>(op), room);
        for (size_t i = 0; i < size; ++i) text += Printable(op[i]);
        ++size;
        break;
    }
    case ANYOFTINYSET: case ANYBUTTINYSET:
        size = 3;
        for (size_t i = 0; i < 3 && i < room; ++i) text += Printable(op[i]);
        break;
    case ANYOFFULLSET:
        size = 32;
        for (int c = 0; c < 256 && static_cast<size_t>(c / 8) < room; ++c)
            if (op[c / 8] & (1u << (c % 8))) text += Printable(static_cast<unsigned char>(c));
        break;
    case BSUBEXP: case BSUBEXPCI:
        size = 1;
        if (room >= 1) text = " \\" + std::to_string(op[0]);
        break;
    case BRACES: case BRACESNG:
        size = 8;
        if (room >= 8) text = Format("{%d,%d}", ReadInt(op), ReadInt(op + 4));
        break;
    case LOOP: case LOOPNG:
        size = 12;
        if (room >= 12)
            text = Format(" -> (%d) {%d,%d}", static_cast<int>(node) - ReadInt(op + 8), ReadInt(op), ReadInt(op + 4));
        break;
    default:
        break;
    }
    if (size > room) size = room;
    return text;
}

}  // namespace

std::string TRegex::Dump() {
    CompileIfNeeded();
    const TRegexProgram& prog = *program_;
    std::string result;
    char buffer[32];
    for (size_t scan = 1; scan + HeaderSize <= prog.Code.size();) {
        uint8_t op = prog.Op(scan);
        const char* name = OpcodeName(op, buffer, sizeof buffer);
        if (name == nullptr) Error(1011);
        char head[64];
        std::snprintf(head, sizeof head, "%2d%s", static_cast<int>(scan), name);
        result += head;
        size_t next = prog.Next(scan);
        result += next != 0 ? Format(" (%d) ", static_cast<int>(next)) : std::string(" (0)");
        size_t operandSize;
        result += OperandText(prog, scan, operandSize);
        result += "\r\n";
        if (op == END) break;
        scan += HeaderSize + operandSize;
    }
    if (prog.HasStartChar) result += "start '" + Printable(static_cast<unsigned char>(prog.StartChar)) + "' ";
    if (prog.Anchored) result += "anchored ";
    if (!prog.MustHave.empty()) result += "must have \"" + prog.MustHave + "\" ";
    result += "\r\nFirstCharSet:";
    for (int c = 0; c < 256; ++c)
        if (prog.FirstCharSet.test(c)) result += Printable(static_cast<unsigned char>(c));
    return result;
}
