#include "devicelink/SXComm.h"
#include "foundation/EError.h"

void TSXComm::Exchange(const std::function<void()>& body)
{
    ++exchangeDepth_;
    try {
        body();
    } catch (...) {
        --exchangeDepth_;
        RunDeferred();
        throw;
    }
    --exchangeDepth_;
    RunDeferred();
}

void TSXComm::RunOrDefer(std::function<void()> action)
{
    deferred_.push_back(std::move(action));
    RunDeferred();
}

void TSXComm::RunDeferred()
{
    while (exchangeDepth_ == 0 && !deferred_.empty()) {
        std::function<void()> action = std::move(deferred_.front());
        deferred_.pop_front();
        if (sessionEnding_) continue;
        try {
            action();
        } catch (const EError& error) {
            error.Report();
        }
    }
}

bool TSXComm::CanRefresh(const ILinkImage* image)
{
    return image != nullptr && host_.Debugging();
}
