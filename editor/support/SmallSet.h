#pragma once
#include <cstdint>
#include <initializer_list>
#include <type_traits>

// A set of up to 32 enumeration values stored as a bit mask; bit n stands
// for the value n. Sets of the editor (options, flags, font styles) use it.
template <typename E, typename Bits = uint32_t>
class TSmallSet {
    static_assert(std::is_enum_v<E>);

public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<E> values) {
        for (E value : values) {
            bits_ |= Bit(value);
        }
    }
    static constexpr TSmallSet FromBits(Bits bits) {
        TSmallSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr Bits ToBits() const { return bits_; }
    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr TSmallSet& Include(E value) {
        bits_ |= Bit(value);
        return *this;
    }
    constexpr TSmallSet& Exclude(E value) {
        bits_ &= static_cast<Bits>(~Bit(value));
        return *this;
    }

    constexpr TSmallSet operator+(TSmallSet other) const { return FromBits(bits_ | other.bits_); }
    constexpr TSmallSet operator-(TSmallSet other) const {
        return FromBits(static_cast<Bits>(bits_ & ~other.bits_));
    }
    constexpr TSmallSet operator*(TSmallSet other) const { return FromBits(bits_ & other.bits_); }
    constexpr bool operator==(const TSmallSet&) const = default;

private:
    static constexpr Bits Bit(E value) { return static_cast<Bits>(Bits{1} << static_cast<unsigned>(value)); }

    Bits bits_ = 0;
};
