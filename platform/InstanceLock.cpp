#include "platform/InstanceLock.h"

#include <QLockFile>
#include <QString>

#include "platform/DisplayKey.h"
#include "platform/UserRuntimeDir.h"

TInstanceLock::TInstanceLock(const std::string& name)
    : fileName_(UserRuntimeDir() + "/" + PerDisplayName(name) + ".lock"),
      lock_(std::make_unique<QLockFile>(QString::fromStdString(fileName_)))
{
    // Only a dead owner makes a lock stale, never its age.
    lock_->setStaleLockTime(0);
}

TInstanceLock::~TInstanceLock() = default;

bool TInstanceLock::TryLock()
{
    if (lock_->isLocked()) return true;
    const bool locked = lock_->tryLock(0);
    heldElsewhere_ = !locked && lock_->error() == QLockFile::LockFailedError;
    return locked;
}

bool TInstanceLock::IsLocked() const
{
    return lock_->isLocked();
}
