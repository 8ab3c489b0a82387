#pragma once
#include <cstdint>
#include <string>

// What a double-click on a message line leads to: a source position or an
// error code.
class TLinInfo {
public:
    TLinInfo(uint32_t category, int32_t number);
    TLinInfo(const std::string& fileName, int32_t startLine, int32_t startColumn, int32_t endLine,
             int32_t endColumn);

    bool IsSourcePosition = false;
    std::string FileName;  // empty for an error line
    int32_t StartLine = 0;
    int32_t StartColumn = 0;
    int32_t EndLine = 0;
    int32_t EndColumn = 0;
    uint32_t Category = 0;
    int32_t Number = 0;
};
