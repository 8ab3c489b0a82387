#pragma once
#include <string>

// The name of a virtual-key code as shortcut texts show it: "Enter", "F5",
// ";", "Num 7", "Caps Lock"; a code no key gives is "Key" and its number.
// Empty for 0 only.
std::string KeyName(unsigned Key);
