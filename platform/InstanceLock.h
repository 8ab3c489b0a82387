#pragma once
#include <memory>
#include <string>

class QLockFile;

// A lock file per user and display, "<runtime folder>/<name>-<display
// key>.lock", held while this object holds it. A lock left by an instance
// that no longer runs is stale and is taken over. Needs the application
// object (the owner is recognised by the program's name; the display key).
class TInstanceLock {
public:
    explicit TInstanceLock(const std::string& name);
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    // True when this object holds the lock now; false while another running
    // instance holds it, or when the lock file cannot be created.
    bool TryLock();
    bool IsLocked() const;
    // False only when another instance holds the lock.
    bool HeldElsewhere() const { return heldElsewhere_; }
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    std::unique_ptr<QLockFile> lock_;
    bool heldElsewhere_ = false;
};
