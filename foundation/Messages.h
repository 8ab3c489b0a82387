#pragma once
#include <memory>

#include "foundation/LinInfo.h"

// One line each to the current message sink. The format is never external
// text: pass such text as an argument of "%s".
constexpr size_t MessageFormatLimit = 1023;  // longer formats raise IDE-32
constexpr size_t DebugFormatLimit = 2023;
constexpr size_t MessageLineCapacity = 1023;  // formatted text is cut here
constexpr size_t DebugTextCapacity = 2047;    // formatted debug text, before its line feed goes
constexpr size_t DebugLineCapacity = 2023;    // including "[Debug] "

void MessagePrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void MessagePrintfObject(std::unique_ptr<TLinInfo> info, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Raises SYS-30 ("Out of memory.") for a null pointer.
void CheckAlloc(const void* pointer);
