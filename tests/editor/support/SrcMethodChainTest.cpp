#include "editor/support/SrcMethodChain.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "editor/support/SrcExceptions.h"

namespace {

struct Handlers {
    std::vector<std::string> calls;
    bool continueAfterError = true;
    TSrcNotifyEventChain* chain = nullptr;

    void A(TObject*) { calls.push_back("A"); }
    void B(TObject*) {
        calls.push_back("B");
        throw std::runtime_error("B failed");
    }
    void C(TObject*) { calls.push_back("C"); }
    void AddsC(TObject*) {
        calls.push_back("AddsC");
        chain->Add(TNotifyEvent::Of<&Handlers::C>(this));
    }
    void OnError(TObject*, const std::exception& e, bool& doContinue) {
        calls.push_back(std::string("error ") + e.what());
        doContinue = continueAfterError;
    }
    void OnErrorRaises(TObject*, const std::exception&, bool&) { throw std::logic_error("bad"); }

    TNotifyEvent EventA() { return TNotifyEvent::Of<&Handlers::A>(this); }
    TNotifyEvent EventB() { return TNotifyEvent::Of<&Handlers::B>(this); }
    TNotifyEvent EventC() { return TNotifyEvent::Of<&Handlers::C>(this); }
};

class ChainTest : public ::testing::Test {
protected:
    ChainTest() : chain(nullptr) { handlers.chain = &chain; }
    TSrcNotifyEventChain chain;
    Handlers handlers;
};

}  // namespace

TEST_F(ChainTest, HandlersFireInOrderAndTwiceWhenAddedTwice) {
    chain.Add(handlers.EventA());
    chain.Add(handlers.EventC());
    chain.Add(handlers.EventA());
    chain.Fire();
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"A", "C", "A"}));
    chain.Remove(handlers.EventA());
    EXPECT_EQ(chain.Count(), 1);
    handlers.calls.clear();
    chain.Fire();
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"C"}));
}

TEST_F(ChainTest, HandlersAddedWhileFiringAreReached) {
    chain.Add(TNotifyEvent::Of<&Handlers::AddsC>(&handlers));
    chain.Fire();
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"AddsC", "C"}));
}

TEST_F(ChainTest, ARaisingHandlerStopsOrContinuesAsTheExceptionHandlerSays) {
    chain.Add(handlers.EventA());
    chain.Add(handlers.EventB());
    chain.Add(handlers.EventC());
    EXPECT_THROW(chain.Fire(), std::runtime_error);
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"A", "B"}));

    handlers.calls.clear();
    chain.OnException = TSrcExceptionEvent::Of<&Handlers::OnError>(&handlers);
    handlers.continueAfterError = false;
    chain.Fire();
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"A", "B", "error B failed"}));

    handlers.calls.clear();
    handlers.continueAfterError = true;
    chain.Fire();
    EXPECT_EQ(handlers.calls, (std::vector<std::string>{"A", "B", "error B failed", "C"}));

    chain.OnException = TSrcExceptionEvent::Of<&Handlers::OnErrorRaises>(&handlers);
    try {
        chain.Fire();
        FAIL() << "no exception";
    } catch (const ESrcMethodChain& e) {
        EXPECT_EQ(e.Message(),
                  "TSrcNotifyEventChain.DoHandleException : MUST NOT occur any kind of exception in "
                  "ExceptionHandler");
    }
}

TEST_F(ChainTest, NilHandlersAreRefusedWithTheClassName) {
    try {
        chain.Add(TNotifyEvent());
        FAIL() << "no exception";
    } catch (const ESrcMethodChain& e) {
        EXPECT_EQ(e.Message(), "TSrcNotifyEventChain.Entry : the parameter `AEvent' must be specified.");
    }
    try {
        chain.Remove(nullptr);
        FAIL() << "no exception";
    } catch (const ESrcMethodChain& e) {
        EXPECT_EQ(e.Message(), "TSrcNotifyEventChain.Remove: the parameter `AEvent' must be specified.");
    }
}
