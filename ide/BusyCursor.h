#pragma once
#include <cstdint>
#include <memory>

class QObject;

// The busy cursor over the whole application for the object's lifetime.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// A wait that blocks the window's thread: once it has lasted a moment the
// busy cursor shows, until control is back in the event loop.
class TWaitCursor {
public:
    static constexpr int64_t MomentMs = 250;

    // Context: the object on the window's thread whose event loop ends the cursor.
    explicit TWaitCursor(QObject& Context) : context_(Context) {}
    // Called on every turn of the wait.
    void Waiting(int64_t WaitedMs);

private:
    QObject& context_;
    std::unique_ptr<TBusyCursor> cursor_;
};
