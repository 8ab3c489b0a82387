#pragma once
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

// A local socket per user and display, "<runtime folder>/<name>-<display
// key>", over which a second start on the same display hands its command
// line to the running instance: the client sends the text and closes the
// connection. Needs the application object (the display key).
constexpr size_t HandOverTextLimit = 64 * 1024;  // more is dropped
constexpr int HandOverReceiveMs = 5000;          // a slower client is dropped

std::string HandOverSocketPath(const std::string& name);

// The running instance's end. Receive runs on the thread that owns the
// server (the GUI thread) once a client has closed its connection, with what
// it sent (possibly empty).
class THandOverServer {
public:
    using Receiver = std::function<void(const std::string& text)>;

    THandOverServer(const std::string& name, Receiver receiver);
    ~THandOverServer();
    THandOverServer(const THandOverServer&) = delete;
    THandOverServer& operator=(const THandOverServer&) = delete;

    // Removes a socket left by an instance that no longer runs, then listens.
    // Call only while holding the instance lock.
    bool Listen();
    const std::string& Path() const { return path_; }

private:
    void Accept();

    std::string path_;
    Receiver receiver_;
    std::unique_ptr<QLocalServer> server_;
};

// The second start's end: connects, retrying for up to retryMs while the
// running instance is not listening yet, and sends the text. False when no
// connection came about or the text could not be sent. refused, when given,
// is called after each attempt that found nobody listening.
bool SendHandOver(const std::string& name, const std::string& text, int retryMs,
                  const std::function<void()>& refused = nullptr);
