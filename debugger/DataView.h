#pragma once
#include <cstdint>

class TSXComm;

// The data window as the debug session drives it.
class IDataView {
public:
    virtual ~IDataView() = default;
    // The link it reads through (not owned); null detaches.
    virtual void Attach(TSXComm* link) = 0;
    // Rereads the stack and the variables; javaPc is the method-relative pc.
    virtual void RefreshStack(int32_t javaPc) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// No data window.
class NullDataView : public IDataView {
public:
    void Attach(TSXComm*) override {}
    void RefreshStack(int32_t) override {}
    void Show() override {}
    void Hide() override {}
};
