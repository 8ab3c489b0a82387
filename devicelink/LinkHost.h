#pragma once

class CORULinker;

// What the module link reaches outside itself: the link worker, the main
// window's jogging and its current linker. The IDE supplies one; tests
// supply their own.
class ILinkHost {
public:
    virtual ~ILinkHost() = default;

    // True while a link worker exists.
    virtual bool HasLinkWorker() = 0;
    // Raises IDE-45 when the link worker was asked to stop. Called on every
    // turn of a wait while a worker exists.
    virtual void CheckCancel() = 0;
    // Ends jogging; runs on the GUI thread (from another thread it waits until
    // the GUI thread has run it).
    virtual void StopJog() = 0;
    // The main window's current linker, or null.
    virtual CORULinker* CurrentLinker() { return nullptr; }
};

// No worker, no jogging, no linker.
class NullLinkHost : public ILinkHost {
public:
    bool HasLinkWorker() override { return false; }
    void CheckCancel() override {}
    void StopJog() override {}
};
