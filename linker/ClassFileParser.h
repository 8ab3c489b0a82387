#pragma once
#include <string>

class CJavaClass;

// Fills a class from the bytes of its class file: JVM-18 to JVM-21, JVM-32,
// and JVM-13 for a method that is neither native nor abstract and has no code.
void ParseClassFile(CJavaClass& javaClass, const std::string& bytes);

// Checks that every instruction of every method fits its code, that branch
// and switch targets start instructions inside it and that every constant
// operand names an entry of the right kind: JVM-20 otherwise.
void CheckClassCode(const CJavaClass& javaClass);
