#pragma once
#include <stdexcept>
#include <string>

// A file that could not be created or written, with the system's reason.
class EFileError : public std::runtime_error {
public:
    EFileError(const std::string& path, const std::string& reason)
        : std::runtime_error("Cannot create file \"" + path + "\". " + reason),
          Path(path),
          Reason(reason) {}

    std::string Path;
    std::string Reason;
};
