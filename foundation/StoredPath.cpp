#include "foundation/StoredPath.h"

#include <algorithm>

std::string FromStoredPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
