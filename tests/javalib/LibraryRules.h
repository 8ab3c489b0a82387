#pragma once
#include <set>
#include <string>
#include <vector>

#include "tests/javalib/CompiledLibrary.h"

// What the linker accepts of a class: version 45.3, no interfaces, no long,
// float or double, no synchronized blocks, no multi-dimensional arrays, only
// String constants loaded, no wide instructions, no main method, and calls and
// static field accesses that name the declaring class. `classes` resolves the
// classes the code refers to. Returns one text per violation.
std::vector<std::string> RuleViolations(const TClassFile& cls, const TClassMap& classes);

// Entries of the linker's method table of a class: inherited entries
// (constructors left out), overrides in place, new methods, then its own
// constructors and initialiser.
int MethodTableSize(const std::string& className, const TClassMap& classes);

// Distinct texts of the String constants the code loads.
std::set<std::string> LoadedStrings(const TClassMap& classes);

// Static fields that take a slot (static and not final of primitive type).
int StaticSlots(const TClassMap& classes);
