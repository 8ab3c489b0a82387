#pragma once
#include <set>
#include <string>
#include <vector>

#include "tests/javalib/CompiledLibrary.h"

// What the linker accepts of a class: version 45.3, no interfaces, no long,
// float or double, no synchronized blocks, no multi-dimensional arrays, only
// String constants loaded, no wide instructions, no main method, calls and
// static field accesses that name the declaring class, and only members that
// exist. `classes` resolves the
// classes the code refers to. A program's class may have its main method.
// Returns one text per violation.
std::vector<std::string> RuleViolations(const TClassFile& cls, const TClassMap& classes, bool allowMain = false);

// The classes a link of `mainClass` loads: those its code names (new,
// instanceof, field access, calls, catch types, String for string
// constants) and their superclasses, from the main class and
// java/lang/Throwable on. Throws when a named class is missing.
TClassMap LinkedClasses(const std::string& mainClass, const TClassMap& classes);

// The size of the image a link of `linked` writes: header, class records,
// code with exception tables and the main method's initialiser calls, and
// the string table with its records.
int ImageSize(const TClassMap& linked);

// Entries of the linker's method table of a class: inherited entries
// (constructors left out), overrides in place, new methods, then its own
// constructors and initialiser.
int MethodTableSize(const std::string& className, const TClassMap& classes);

// Distinct texts of the String constants the code loads.
std::set<std::string> LoadedStrings(const TClassMap& classes);

// Static fields that take a slot (static and not final of primitive type).
int StaticSlots(const TClassMap& classes);
