#include "foundation/LinInfo.h"

TLinInfo::TLinInfo(uint32_t category, int32_t number) : Category(category), Number(number) {}

TLinInfo::TLinInfo(const std::string& fileName, int32_t startLine, int32_t startColumn,
                   int32_t endLine, int32_t endColumn)
    : IsSourcePosition(true),
      FileName(fileName),
      StartLine(startLine),
      StartColumn(startColumn),
      EndLine(endLine),
      EndColumn(endColumn) {}
