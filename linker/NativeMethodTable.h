#pragma once
#include <cstddef>

// One row of a native-method table: its row number is the method's native
// number. Marker rows ("page", "") take a number and match no method; a row
// of two empty texts ends the table.
struct TNativeMethodRow {
    const char* ClassName;  // "/" form
    const char* MethodName;
};

constexpr size_t NativeMethodRowCount = 49;     // end row included
constexpr size_t AltNativeMethodRowCount = 16;  // end row included

extern const TNativeMethodRow NativeMethodTable[NativeMethodRowCount];
extern const TNativeMethodRow AltNativeMethodTable[AltNativeMethodRowCount];

// The table a link numbers native methods from: the alternate one while
// debugLMNative is on. Neither table is ever changed.
const TNativeMethodRow* SwitchNativePackage();

bool IsNativeEndRow(const TNativeMethodRow& row);
bool IsNativeMarkerRow(const TNativeMethodRow& row);

// Row number of (class, method) in a table, -1 when no row names it.
int FindNativeRow(const TNativeMethodRow* table, const char* className, const char* methodName);
