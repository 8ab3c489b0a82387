#include "editor/support/SrcComponent.h"

#include <algorithm>

TComponent::~TComponent() { Destroying(); }

void TComponent::Destroying() {
    state_.Include(csDestroying);
    std::vector<TComponent*> notified;
    notified.swap(notified_);
    for (TComponent* component : notified) {
        component->RemoveFreeNotification(this);
        component->Notification(this, opRemove);
    }
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) {
        return;
    }
    if (std::find(notified_.begin(), notified_.end(), AComponent) == notified_.end()) {
        notified_.push_back(AComponent);
        AComponent->FreeNotification(this);  // both sides learn of the other's end
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    auto it = std::find(notified_.begin(), notified_.end(), AComponent);
    if (it != notified_.end()) {
        notified_.erase(it);
        AComponent->RemoveFreeNotification(this);
    }
}

void TComponent::Notification(TComponent*, TOperation) {}
