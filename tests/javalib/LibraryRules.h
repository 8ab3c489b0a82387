#pragma once
#include <set>
#include <string>
#include <vector>

#include "tests/javalib/CompiledLibrary.h"

// What the linker accepts of a class beyond what its class reader checks
// (version, no interfaces): no long, float or double, no synchronized blocks,
// no multi-dimensional arrays, only String constants loaded, no wide
// instructions, no main method (a program's class may have its own), calls
// and static field accesses that name the declaring class, and only members
// that exist. `classes` resolves the classes the code refers to. Returns one
// text per violation.
std::vector<std::string> RuleViolations(const CJavaClass& cls, const TClassMap& classes, bool allowMain = false);

// Distinct texts of the String constants the code loads.
std::set<std::string> LoadedStrings(const TClassMap& classes);

// Static fields that take a slot (static and not final of primitive type).
int StaticSlots(const TClassMap& classes);
