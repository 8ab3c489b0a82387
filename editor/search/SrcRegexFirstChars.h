#pragma once
// The characters with which the rest of a match can go on.
#include "editor/search/SrcRegexProgram.h"

namespace regex_program {

// The characters that can begin a match of the chain from scan (0 stands for
// the end of the input); every character where the walk cannot tell.
CharSet FirstCharsOf(const TRegexProgram& prog, const TRegexSyntax& syntax, size_t scan);
// Adds the characters a one-character node accepts; false for other nodes.
bool SingleChars(const TRegexProgram& prog, const TRegexSyntax& syntax, size_t node, CharSet& set);

}  // namespace regex_program
