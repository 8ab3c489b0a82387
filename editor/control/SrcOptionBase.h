#pragma once
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

// Base of the editor's option objects: a setter stores a new value and
// fires OnChange only when the value differs.
class TSrcOptionBase : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) {
            OnChange(this);
        }
    }
    template <typename T>
    void Set(T& field, const T& value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }
};
