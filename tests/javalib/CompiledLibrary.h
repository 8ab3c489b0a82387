#pragma once
#include <map>
#include <string>

#include "tests/javalib/ClassFile.h"

// Every class of the compiled class library, by "/" name.
using TClassMap = std::map<std::string, TClassFile>;

// Reads every class file under `dir`; names must match the file paths.
TClassMap ReadClassTree(const std::string& dir);

// The compiled library of this build, read once.
const TClassMap& CompiledLibrary();
