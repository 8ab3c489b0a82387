#pragma once
#include <string>
#include <vector>

#include "tools/jikes/EcjLog.h"

// ecj takes file names in its UTF-8 locale: a source whose path is not
// UTF-8 is compiled as a copy in a scratch folder, named with its bytes read
// as Windows-1252 (as the sources' text is). The class files ecj writes
// beside the copy go to the source's folder; problems in the copy are the
// source's.
class TSourceStandIn {
public:
    // The source itself when its path is UTF-8; else a copy in `scratch`.
    TSourceStandIn(const std::string& source, const std::string& scratch);

    // The path ecj compiles; empty when the copy could not be made.
    const std::string& EcjPath() const { return ecjPath_; }
    // Copies the copy's class files beside the source; a text for each one
    // that could not be written, naming it and the reason.
    std::vector<std::string> ReturnClassFiles() const;
    // Charges the copy's problems to the source.
    void RenameProblems(TEcjLog& log) const;

private:
    std::string source_;
    std::string ecjPath_;
};
