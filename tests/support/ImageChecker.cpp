#include "tests/support/ImageChecker.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <set>

namespace {
// ORU codes by role.
constexpr int CodeBipush = 8, CodeSipush = 9, CodeIload = 10, CodeIstore = 15;
constexpr int CodeFirstBranch = 20, CodeLastBranch = 33;
constexpr int CodeInvokevirtual = 36, CodeInvokestatic = 37, CodeGetstatic = 38, CodePutstatic = 39;
constexpr int CodeGoto = 59, CodeInvokeinterface = 60, CodeCheckcast = 63, CodeInstanceof = 64;
constexpr int CodeWide = 65, CodeIinc = 66, CodeGetfield = 67, CodePutfield = 68, CodeNew = 69;
constexpr int CodeNewarray = 70, CodeAnewarray = 71, CodeLdc = 76, CodeLdcW = 77, CodeLdc2W = 78;
constexpr int CodeJsr = 82, CodeRet = 83, CodeTableswitch = 84, CodeLookupswitch = 85;

int DecodeByte(uint8_t b) {
    if (b < 52) return b;
    if (b > 119 || (b % 2) == 0) return -1;  // the linker writes odd bytes only
    return (b - 51) / 2 + 51;
}

class Checker {
public:
    Checker(const std::vector<uint8_t>& image, const TOruImageFacts& facts, TOruImage& out)
        : img(image), facts(facts), out(out) {}

    void Run() {
        if (img.size() < 20 || img.size() > 65535) return Problem("image size %zu", img.size());
        ReadHeader();
        ReadClasses();
        CheckClasses();
        BuildCodeRanges();
        for (TOruCodeRange& range : out.Code) DecodeRange(range);
        CheckHeaderPointers();
        ReadStrings();
        for (const auto& [range, targets] : branchTargets) CheckTargets(*range, targets);
    }

private:
    const std::vector<uint8_t>& img;
    const TOruImageFacts& facts;
    TOruImage& out;
    std::set<uint32_t> classStarts, methodAddresses;
    std::map<const TOruCodeRange*, std::vector<uint32_t>> branchTargets;
    int maxFieldBytes = 0;
    uint32_t stringCount = 0;

    void Problem(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char buffer[300];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        out.Problems.push_back(buffer);
    }
    bool Has(uint32_t at, uint32_t n) const { return at + n <= img.size(); }
    uint16_t U16(uint32_t at) const { return Has(at, 2) ? uint16_t(img[at] << 8 | U8(at + 1)) : 0; }
    uint8_t U8(uint32_t at) const { return at < img.size() ? img[at] : 0; }

    void ReadHeader() {
        out.RunByte = img[0];
        out.LengthByte = img[1];
        out.Version = img[2];
        out.StaticBytes = img[3];
        out.MainMethod = U16(4);
        out.ObjectClass = U16(6);
        out.StringClass = U16(8);
        out.ThrowMethod = U16(10);
        out.StringTable = U16(12);
        out.Callback = U16(14);
        out.OutOfMemoryClass = U16(16);
        out.StackBase = U16(18);
        size_t size = img.size();
        if (out.RunByte != 0xA4) Problem("run byte %d", out.RunByte);
        if (out.Version != 1) Problem("version %d", out.Version);
        size_t pages = std::max<size_t>(20, std::min<size_t>(255, size / 256 + 1));
        if (out.LengthByte != pages) Problem("length byte %d, expected %zu", out.LengthByte, pages);
        size_t stack = facts.ZeroStackBase ? 0 : ((size / 16 + 1) * 16) & 0xFFFF;  // a word
        if (out.StackBase != stack) Problem("stack base %d, expected %zu", out.StackBase, stack);
        if (out.StaticBytes % 2) Problem("odd static area size %d", out.StaticBytes);
        if (out.Callback != 0) Problem("callback %d", out.Callback);
        if (out.StringTable > size) Problem("string table offset %d past the image", out.StringTable);
    }

    void ReadClasses() {
        const std::vector<uint32_t>& starts = facts.ClassOffsets;
        if (starts.empty() || starts[0] != 20) return Problem("class records do not start at 20");
        uint32_t minCode = out.StringTable;
        for (size_t k = 0; k < starts.size(); ++k) {
            TOruClassRecord record;
            record.Address = starts[k];
            record.Superclass = U16(starts[k]);
            record.FieldBytes = U8(starts[k] + 2);
            classStarts.insert(starts[k]);
            uint32_t at = starts[k] + 3;
            bool last = k + 1 == starts.size();
            while (last ? at + 7 <= minCode : at < starts[k + 1]) {
                TOruMethodRecord m{at, U8(at), U8(at + 1), U8(at + 2), U16(at + 3), U16(at + 5)};
                if (!m.Native()) minCode = std::min<uint32_t>(minCode, m.Target);
                methodAddresses.insert(at);
                record.Methods.push_back(m);
                at += 7;
            }
            if (!last && at != starts[k + 1]) Problem("class %u: records overrun the next class", starts[k]);
            if (last) out.CodeStart = at;
            out.Classes.push_back(record);
        }
    }

    void CheckClasses() {
        for (const TOruClassRecord& c : out.Classes) {
            maxFieldBytes = std::max<int>(maxFieldBytes, c.FieldBytes);
            if (c.FieldBytes % 2) Problem("class %u: odd field bytes %d", c.Address, c.FieldBytes);
            CheckSuperChain(c);
            for (const TOruMethodRecord& m : c.Methods) CheckMethodRecord(m);
        }
    }

    void CheckSuperChain(const TOruClassRecord& c) {
        if (c.Superclass == 0xFFFF) {
            if (c.Address != out.ObjectClass) Problem("class %u has no superclass", c.Address);
            return;
        }
        const TOruClassRecord* super = out.ClassAt(c.Superclass);
        if (!super) return Problem("class %u: superclass %d is no class", c.Address, c.Superclass);
        if (super->FieldBytes > c.FieldBytes)
            Problem("class %u has fewer fields than its superclass", c.Address);
        const TOruClassRecord* step = &c;
        for (size_t n = 0; step && step->Superclass != 0xFFFF; ++n) {
            if (n > out.Classes.size()) return Problem("class %u: superclass cycle", c.Address);
            step = out.ClassAt(step->Superclass);
        }
        if (step && step->Address != out.ObjectClass) Problem("class %u: chain ends off Object", c.Address);
    }

    void CheckMethodRecord(const TOruMethodRecord& m) {
        if (m.ParameterByte & 1 || m.LocalBytes & 1) Problem("method %u: odd word counts", m.Address);
        if (m.Flags != 0 && m.Flags != 0x80) Problem("method %u: flags %d", m.Address, m.Flags);
        if (m.Native()) {
            if (m.Target >= facts.NativeRowLimit) Problem("method %u: native row %d", m.Address, m.Target);
            if (m.LocalBytes || m.HasHandlers() || m.ExceptionTable)
                Problem("native method %u has locals or handlers", m.Address);
            return;
        }
        if (m.Target < out.CodeStart || m.Target > out.StringTable)
            Problem("method %u: code address %d outside the code", m.Address, m.Target);
        if (m.HasHandlers() != (m.ExceptionTable != 0))
            Problem("method %u: handler flag and table disagree", m.Address);
        if (m.HasHandlers() && (m.ExceptionTable < m.Target || m.ExceptionTable >= out.StringTable))
            Problem("method %u: exception table %d outside its code", m.Address, m.ExceptionTable);
    }

    void BuildCodeRanges() {
        std::map<uint32_t, uint32_t> tables;  // code address -> exception table
        for (const TOruClassRecord& c : out.Classes)
            for (const TOruMethodRecord& m : c.Methods) {
                if (m.Native()) continue;
                uint32_t& table = tables[m.Target];
                if (m.HasHandlers()) {
                    if (table && table != m.ExceptionTable)
                        Problem("code %d: two exception tables", m.Target);
                    table = m.ExceptionTable;
                }
            }
        uint32_t expected = out.CodeStart;
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            auto next = std::next(it);
            TOruCodeRange range;
            range.Start = it->first;
            range.End = next == tables.end() ? out.StringTable : next->first;
            range.ExceptionTable = it->second;
            range.CodeEnd = range.ExceptionTable ? range.ExceptionTable : range.End;
            if (range.Start != expected) Problem("code ranges do not tile at %u", range.Start);
            expected = range.End;
            out.Code.push_back(range);
        }
        if (!out.Code.empty() && expected != out.StringTable)
            Problem("code does not end at the string table");
    }

    void DecodeRange(TOruCodeRange& range) {
        uint32_t jvmStart = range.Start + (range.Start == MainCode() ? facts.MainPrologueBytes : 0);
        uint32_t at = range.Start;
        while (at < range.CodeEnd) {
            range.InstructionStarts.push_back(at);
            uint32_t length = DecodeInstruction(range, at, jvmStart);
            if (length == 0) return;
            at += length;
        }
        if (at != range.CodeEnd) Problem("code %u: last instruction overruns %u", range.Start, range.CodeEnd);
        if (range.ExceptionTable) CheckExceptionTable(range);
    }

    uint32_t MainCode() const {
        const TOruMethodRecord* main = out.MethodAt(out.MainMethod);
        return main && !main->Native() ? main->Target : 0xFFFFFFFF;
    }

    // Length of the instruction at `at`, 0 when it cannot be decoded.
    uint32_t DecodeInstruction(const TOruCodeRange& range, uint32_t at, uint32_t jvmStart) {
        int code = DecodeByte(U8(at));
        uint16_t word = U16(at + 1);
        if (code < 0 || code == CodeInvokeinterface) {
            Problem("code %u: byte %d at %u is no ORU code", range.Start, U8(at), at);
            return 0;
        }
        if ((code >= CodeFirstBranch && code <= CodeLastBranch) || code == CodeGoto || code == CodeJsr) {
            branchTargets[&range].push_back(at + int16_t(word));
            return 3;
        }
        switch (code) {
            case CodeBipush:
            case CodeIload:
            case CodeIstore:
            case CodeRet:
                return 2;
            case CodeSipush:
            case CodeIinc:
            case CodeLdc2W:
                return 3;
            case CodeInvokevirtual:
                if (U8(at + 1) & 1 || U8(at + 2) < 3 || (U8(at + 2) - 3) % 7)
                    Problem("invokevirtual at %u: operands %d %d", at, U8(at + 1), U8(at + 2));
                return 3;
            case CodeInvokestatic:
                if (!methodAddresses.count(word))
                    Problem("invokestatic at %u: %d is no method record", at, word);
                return 3;
            case CodeGetstatic:
            case CodePutstatic:
                if (word % 2 || word >= out.StaticBytes) Problem("static operand %d at %u", word, at);
                return 3;
            case CodeGetfield:
            case CodePutfield:
                if (word % 2 || word < 2 || word > maxFieldBytes) Problem("field operand %d at %u", word, at);
                return 3;
            case CodeNew:
            case CodeInstanceof:
                if (!classStarts.count(word)) Problem("class operand %d at %u", word, at);
                return 3;
            case CodeCheckcast:
            case CodeAnewarray:
                if (word != 0) Problem("operand %d at %u should be 0", word, at);
                return 3;
            case CodeNewarray:
                if (U8(at + 1) > 1) Problem("newarray at %u: kind %d", at, U8(at + 1));
                return 2;
            case CodeLdc:
                if (U8(at + 1) >= StringCountGuess()) Problem("ldc at %u: string %d", at, U8(at + 1));
                return 2;
            case CodeLdcW:
                if (U8(at + 1) != 0 || U8(at + 2) >= StringCountGuess()) Problem("ldc_w at %u", at);
                return 3;
            case CodeWide:
                return DecodeWide(at);
            case CodeTableswitch:
            case CodeLookupswitch:
                return DecodeSwitch(range, code, at, jvmStart);
            default:
                return 1;
        }
    }

    uint32_t StringCountGuess() const {
        if (size_t(out.StringTable) + 2 > img.size()) return 0;
        uint16_t first = U16(out.StringTable);
        return first > out.StringTable ? (first - out.StringTable) / 2u : 0;
    }

    uint32_t DecodeWide(uint32_t at) {
        int inner = DecodeByte(U8(at + 1));
        if (inner == CodeIinc) return 6;
        if (inner == CodeIload || inner == CodeIstore || inner == CodeRet) return 4;
        Problem("wide at %u of code %d", at, inner);
        return 0;
    }

    uint32_t DecodeSwitch(const TOruCodeRange& range, int code, uint32_t at, uint32_t jvmStart) {
        uint32_t pc = at - jvmStart;
        uint32_t padding = 3 - (pc % 4);
        int16_t defaultOffset = int16_t(U16(at + 1));
        std::vector<uint32_t>& targets = branchTargets[&range];
        targets.push_back(at + defaultOffset + 1);
        uint32_t length, used;
        if (code == CodeTableswitch) {
            uint32_t entries = U16(at + 5) + 1u;
            length = 1 + padding + 12 + 4 * entries;
            used = 7 + 2 * entries;
            for (uint32_t i = 0; i < entries; ++i) targets.push_back(at + int16_t(U16(at + 7 + 2 * i)) + 1);
        } else {
            uint32_t pairs = U16(at + 3);
            length = 1 + padding + 8 + 8 * pairs;
            used = 5 + 4 * pairs;
            for (uint32_t i = 0; i < pairs; ++i) targets.push_back(at + int16_t(U16(at + 7 + 4 * i)) + 1);
        }
        if (!Has(at, length)) {
            Problem("switch at %u overruns the image", at);
            return 0;
        }
        for (uint32_t i = used; i < length; ++i)
            if (U8(at + i) != 0) Problem("switch at %u: padding byte %u is %d", at, i, U8(at + i));
        return length;
    }

    void CheckTargets(const TOruCodeRange& range, const std::vector<uint32_t>& targets) {
        for (uint32_t target : targets)
            if (!std::binary_search(range.InstructionStarts.begin(), range.InstructionStarts.end(), target))
                Problem("code %u: jump to %u, no instruction start", range.Start, target);
    }

    void CheckExceptionTable(const TOruCodeRange& range) {
        uint32_t count = U8(range.ExceptionTable);
        if (count == 0 || range.ExceptionTable + 1 + 8 * count != range.End)
            return Problem("code %u: exception table of %u entries does not fill its place", range.Start,
                           count);
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t e = range.ExceptionTable + 1 + 8 * i;
            uint32_t start = U16(e) - 1u, end = U16(e + 2) - 1u, handler = U16(e + 6);
            if (start < range.Start || end > range.CodeEnd || start > end)
                Problem("code %u: handler range %u-%u outside the method", range.Start, start, end);
            if (!classStarts.count(U16(e + 4))) Problem("code %u: catch type %d", range.Start, U16(e + 4));
            if (!std::binary_search(range.InstructionStarts.begin(), range.InstructionStarts.end(), handler))
                Problem("code %u: handler %u is no instruction start", range.Start, handler);
        }
    }

    void CheckHeaderPointers() {
        const TOruMethodRecord* main = out.MethodAt(out.MainMethod);
        if (!main || main->Native()) Problem("main method %d is no method record", out.MainMethod);
        if (!out.MethodAt(out.ThrowMethod))
            Problem("throwVMException %d is no method record", out.ThrowMethod);
        if (!out.ClassAt(out.ObjectClass)) Problem("Object class %d", out.ObjectClass);
        if (!out.ClassAt(out.OutOfMemoryClass)) Problem("OutOfMemoryError class %d", out.OutOfMemoryClass);
        bool strings = out.StringTable < img.size();
        if (strings ? !out.ClassAt(out.StringClass) : out.StringClass != 0)
            Problem("String class %d", out.StringClass);
    }

    void ReadStrings() {
        if (out.StringTable >= img.size()) return;
        uint32_t count = StringCountGuess();
        uint32_t at = out.StringTable + 2 * count;
        for (uint32_t i = 0; i < count; ++i) {
            if (U16(out.StringTable + 2 * i) != at || !Has(at, 10))
                return Problem("string %u: index entry or record misplaced", i);
            uint16_t length = U16(at + 2);
            if (U16(at) != out.StringClass || U16(at + 4) != at + 6 || U16(at + 6) != out.ObjectClass ||
                U16(at + 8) != length || !Has(at + 10, length))
                return Problem("string %u at %u: record inconsistent", i, at);
            out.Strings.push_back({at, std::string(img.begin() + at + 10, img.begin() + at + 10 + length)});
            at += 10 + length;
        }
        if (at != img.size()) Problem("string data end at %u, image size %zu", at, img.size());
    }
};
}  // namespace

const TOruClassRecord* TOruImage::ClassAt(uint32_t address) const {
    for (const TOruClassRecord& c : Classes)
        if (c.Address == address) return &c;
    return nullptr;
}

const TOruMethodRecord* TOruImage::MethodAt(uint32_t address) const {
    for (const TOruClassRecord& c : Classes)
        for (const TOruMethodRecord& m : c.Methods)
            if (m.Address == address) return &m;
    return nullptr;
}

TOruImage CheckOruImage(const std::vector<uint8_t>& image, const TOruImageFacts& facts) {
    TOruImage parsed;
    Checker(image, facts, parsed).Run();
    return parsed;
}

std::string ProblemText(const TOruImage& parsed) {
    std::string text;
    for (const std::string& p : parsed.Problems) text += p + "\n";
    return text;
}
