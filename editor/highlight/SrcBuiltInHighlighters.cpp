#include "editor/highlight/SrcBuiltInHighlighters.h"

#include "editor/highlight/SrcHighlighterJava.h"

void RegisterBuiltInHighlighters(TSrcHighlighterList& List) {
    if (List.IndexOf(&TSrcHighlighterClassOf<TSrcJavaSrc>::Instance()) < 0) {
        List.Add(&TSrcHighlighterClassOf<TSrcJavaSrc>::Instance());
    }
}
