#pragma once
#include <cstddef>
#include <string>

// In a forked child: a file system of the given size on dir, seen by this
// process only. False where this process may not mount.
bool MountSmallDisk(const std::string& dir, size_t bytes);
