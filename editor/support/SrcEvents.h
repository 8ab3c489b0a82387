#pragma once
#include <cstddef>

class TObject;

// A method pointer as the component library knows it: a code pointer and the
// object it runs on. Two methods are equal when both pointers are.
struct TMethod {
    using Code = void (*)();
    Code code = nullptr;
    void* data = nullptr;

    bool operator==(const TMethod&) const = default;
};

// A typed event handler over TMethod. Make one with Of<&Class::Member>(obj)
// or Of<&FreeFunction>() (then the data pointer is nil).
template <typename... Args>
class TEvent {
public:
    using Thunk = void (*)(void*, Args...);

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    explicit TEvent(TMethod method) : method_(method) {}

    template <auto Member, typename C>
    static TEvent Of(C* object) {
        return TEvent(&CallMember<Member, C>, object);
    }
    template <auto Function>
    static TEvent Of() {
        return TEvent(&CallFunction<Function>, nullptr);
    }

    explicit operator bool() const { return method_.code != nullptr; }
    void operator()(Args... args) const {
        reinterpret_cast<Thunk>(method_.code)(method_.data, args...);
    }
    bool operator==(const TEvent&) const = default;

    const TMethod& Method() const { return method_; }

private:
    TEvent(Thunk thunk, void* data) : method_{reinterpret_cast<TMethod::Code>(thunk), data} {}

    template <auto Member, typename C>
    static void CallMember(void* data, Args... args) {
        (static_cast<C*>(data)->*Member)(args...);
    }
    template <auto Function>
    static void CallFunction(void*, Args... args) {
        Function(args...);
    }

    TMethod method_;
};

// Handler(Sender).
using TNotifyEvent = TEvent<TObject*>;
// Handler(Sender, Index, Count) for changes of a run of lines.
using TStringListChangeEvent = TEvent<TObject*, int, int>;
