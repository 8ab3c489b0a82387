#include "foundation/EError.h"
#include "linker/JavaClass.h"

namespace {
constexpr int BreakableLineReach = 100000;
constexpr int BreakableAddressReach = 1000;
}  // namespace

int CJavaClass::GetLineForPc(int m, uint32_t address) const {
    const TJavaMethod& method = Method(m);
    if (method.LineNumbers.empty()) throw EError(ecJVM, 26, GetName());
    const int64_t pc = int64_t(address) - method.ImageOffset;
    int line = method.LineNumbers.back().Line;
    int64_t bestStart = -1;
    for (const TLineNumber& entry : method.LineNumbers) {
        if (entry.StartPc <= pc && entry.StartPc > bestStart) {
            bestStart = entry.StartPc;
            line = entry.Line;
        }
    }
    return line;
}

void CJavaClass::RelocateLineTable(int m, int offset) {
    Method(m);
    for (TLineNumber& entry : Methods[m].LineNumbers)
        if (entry.StartPc != 0) entry.StartPc = uint16_t(entry.StartPc + offset);
}

bool CJavaClass::FindBreakable(int line, int limit, int& bestLine, uint32_t& bestPc,
                               int& bestMethod) const {
    int distance = limit;
    bool found = false;
    for (int m = 0; m < GetMethodCount(); ++m) {
        const TJavaMethod& method = Methods[m];
        if (IsMethodNative(m) || method.LineNumbers.empty() || method.LineNumbers.front().Line > line)
            continue;
        for (const TLineNumber& entry : method.LineNumbers) {
            if (entry.Line < line) continue;
            if (entry.Line - line < distance) {
                distance = entry.Line - line;
                bestLine = entry.Line;
                bestPc = entry.StartPc;
                bestMethod = m;
                found = true;
            }
            break;
        }
    }
    return found;
}

int CJavaClass::FindBreakableLine(int line) const {
    int bestLine = 0, bestMethod = 0;
    uint32_t bestPc = 0;
    if (!FindBreakable(line, BreakableLineReach, bestLine, bestPc, bestMethod)) throw EError(ecIDE, 20);
    return bestLine;
}

uint32_t CJavaClass::FindBreakableAddress(int line, int& method) const {
    int bestLine = 0, bestMethod = 0;
    uint32_t bestPc = 0;
    if (!FindBreakable(line, BreakableAddressReach, bestLine, bestPc, bestMethod))
        throw EError(ecIDE, 20);
    method = bestMethod;
    return Methods[bestMethod].ImageOffset + bestPc;
}
