#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "foundation/MessageSink.h"

// Collects message lines for a test; installed for its own lifetime.
class CaptureSink : public IMessageSink {
public:
    CaptureSink() { previous_ = SetMessageSink(this); }
    ~CaptureSink() override { SetMessageSink(previous_); }

    void AddLine(std::string text, std::unique_ptr<TLinInfo> info) override {
        std::lock_guard<std::mutex> lock(mutex_);
        lines.push_back(std::move(text));
        infos.push_back(std::move(info));
    }
    std::string Last() const { return lines.empty() ? std::string() : lines.back(); }
    bool Contains(const std::string& fragment) const {
        for (const auto& l : lines)
            if (l.find(fragment) != std::string::npos) return true;
        return false;
    }
    void Clear() {
        lines.clear();
        infos.clear();
    }

    std::vector<std::string> lines;
    std::vector<std::unique_ptr<TLinInfo>> infos;

private:
    std::mutex mutex_;
    IMessageSink* previous_;
};
