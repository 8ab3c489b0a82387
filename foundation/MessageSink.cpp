#include "foundation/MessageSink.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {
class StderrSink : public IMessageSink {
public:
    void AddLine(std::string text, std::unique_ptr<TLinInfo>) override {
        std::lock_guard<std::mutex> lock(mutex_);
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
    }

private:
    std::mutex mutex_;
};

StderrSink& DefaultSink() {
    static StderrSink sink;
    return sink;
}

std::atomic<IMessageSink*> g_sink{nullptr};
}  // namespace

IMessageSink& CurrentMessageSink() {
    IMessageSink* sink = g_sink.load();
    return sink ? *sink : DefaultSink();
}

IMessageSink* SetMessageSink(IMessageSink* sink) { return g_sink.exchange(sink); }
