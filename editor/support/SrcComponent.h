#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/support/SmallSet.h"
#include "editor/support/SrcObject.h"

enum TComponentStateFlag : uint8_t { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSmallSet<TComponentStateFlag, uint8_t>;

enum TOperation : uint8_t { opInsert, opRemove };

// A named object with an owner (not owning it here) and free
// notifications: components that asked for one are told, through
// Notification (this, opRemove), when this one goes.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner = nullptr) : owner_(AOwner) {}
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& NewName) { name_ = NewName; }
    TComponentState ComponentState() const { return state_; }

    // Marks the component as streamed in; Loaded ends that state.
    void BeginLoading() { state_.Include(csLoading); }
    virtual void Loaded();

    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Marks the component as going and tells the components that asked;
    // a derived destructor calls it first so that they still find it whole.
    void Destroying();

private:
    TComponent* owner_;
    std::string name_;
    TComponentState state_;
    std::vector<TComponent*> notified_;
};
