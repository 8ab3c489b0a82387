#include <cstring>

#include "foundation/EError.h"
#include "linker/JavaClass.h"

int CJavaClass::CountArgumentWords(int m) const {
    const char* descriptor = GetMethodDescriptor(m);
    const char* p = std::strchr(descriptor, '(');
    p = p ? p + 1 : descriptor;
    int words = 0;
    for (;; ++p) {
        switch (*p) {
            case ')':
                return IsMethodStatic(m) ? words : words + 1;
            case 'J':
            case 'D':
                words += 2;
                break;
            case 'B': case 'C': case 'F': case 'I': case 'S': case 'Z':
                words += 1;
                break;
            case 'L': {
                const char* end = std::strchr(p, ';');
                if (!end) throw EError(ecJVM, 22, 'L', GetMethodName(m));
                p = end;
                words += 1;
                break;
            }
            case '[': {
                while (*p == '[') ++p;
                if (*p == 'L') {
                    const char* end = std::strchr(p, ';');
                    if (!end) throw EError(ecJVM, 22, 'L', GetMethodName(m));
                    p = end;
                } else if (!std::strchr("BCFIJSZD", *p) || *p == '\0') {
                    throw EError(ecJVM, 22, *p, GetMethodName(m));
                }
                words += 1;
                break;
            }
            default:  // the end of the text included
                throw EError(ecJVM, 22, *p, GetMethodName(m));
        }
    }
}

std::string CJavaClass::TypeName(const char* descriptor) {
    std::string name;
    std::string suffix;
    for (const char* p = descriptor; *p; ++p) {
        switch (*p) {
            case 'B': name += "byte"; break;
            case 'C': name += "char"; break;
            case 'F': name += "float"; break;
            case 'I': name += "int"; break;
            case 'S': name += "short"; break;
            case 'Z': name += "boolean"; break;
            case 'J': name += "long"; break;
            case 'D': name += "double"; break;
            case 'L': {
                const char* end = std::strchr(p, ';');
                if (!end) throw EError(ecJVM, 25, 'L');
                for (++p; p < end; ++p) name += *p == '/' ? '.' : *p;
                break;
            }
            case '[': suffix += "[]"; break;
            case '(':
            case ')': suffix += *p; break;
            default: throw EError(ecJVM, 25, *p);
        }
    }
    return name + suffix;
}
