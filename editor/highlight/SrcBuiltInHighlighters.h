#pragma once
#include "editor/highlight/SrcHighlighterList.h"

// Adds the highlighters of this library to the list. The list of placeable
// highlighters calls it when first used, so that the classes are there even
// when nothing else of theirs is linked in.
void RegisterBuiltInHighlighters(TSrcHighlighterList& List);
