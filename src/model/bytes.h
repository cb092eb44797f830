// Value types of the fixed-layout records: length-prefixed texts, little-endian
// integers, reserved bytes and arrays indexed by the numbers the data model uses.
//
// Every type here has alignment 1 and no hidden padding, so a record built from
// them is exactly its on-disk image and can be copied as raw bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace zev {

// sN: a length byte followed by N single-byte (Windows-1252) characters.
// Bytes after the length are carried unchanged; assignment writes only the
// length and the characters it keeps, as the stored images expect.
template <std::size_t N> struct SText {
    static_assert(N >= 1 && N <= 255);
    static constexpr std::size_t Kapazitaet = N;

    std::uint8_t len{};
    char ch[N]{};

    // Number of characters; a corrupt length byte above N counts as N.
    std::size_t size() const { return std::min<std::size_t>(len, N); }
    bool empty() const { return len == 0; }
    std::string_view view() const { return {ch, size()}; }
    std::string str() const { return std::string(view()); }

    SText& operator=(std::string_view s) {
        const std::size_t n = std::min(s.size(), N);
        if (n > 0) std::memcpy(ch, s.data(), n);
        len = static_cast<std::uint8_t>(n);
        return *this;
    }
    SText& operator=(const char* s) { return *this = std::string_view(s); }
    SText& operator=(const std::string& s) { return *this = std::string_view(s); }

    // Texts compare by their characters only (length and content).
    bool operator==(std::string_view s) const { return view() == s; }
    template <std::size_t M> bool operator==(const SText<M>& o) const { return view() == o.view(); }

    // Byte-exact comparison of the length byte and the N character bytes.
    bool SameImage(const SText& o) const { return std::memcmp(this, &o, sizeof(SText)) == 0; }
};

// Little-endian integer stored as bytes, so the layout does not depend on the host.
template <class T> struct LE {
    static_assert(std::is_integral_v<T>);
    std::uint8_t b[sizeof(T)]{};

    T get() const {
        using U = std::make_unsigned_t<T>;
        U v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) v = static_cast<U>(v | (static_cast<U>(b[i]) << (8 * i)));
        return static_cast<T>(v);
    }
    void set(T value) {
        using U = std::make_unsigned_t<T>;
        const U v = static_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    operator T() const { return get(); }
    LE& operator=(T value) {
        set(value);
        return *this;
    }
};

using U16 = LE<std::uint16_t>;
using I32 = LE<std::int32_t>;

// Bytes without meaning, carried through unchanged.
template <std::size_t N> struct Pad {
    std::uint8_t b[N]{};
};

// Array whose elements are addressed by the data model's own numbers First..Last:
// ordinary arrays count from 1; the school's school types and lesson units start
// at an element 0 that is never used. An index outside the range throws, so a
// wrong convention fails loudly instead of touching a neighbouring field.
template <class T, int First, int Last> struct Reihe {
    static_assert(First <= Last);
    using Element = T;
    static constexpr int Erster = First;
    static constexpr int Letzter = Last;
    static constexpr int Anzahl = Last - First + 1;

    T e[Anzahl]{};

    T& operator[](int k) { return e[Pos(k)]; }
    const T& operator[](int k) const { return e[Pos(k)]; }

private:
    static std::size_t Pos(int k) {
        if (k < First || k > Last)
            throw std::out_of_range("Element " + std::to_string(k) + " liegt nicht zwischen " + std::to_string(First) +
                                    " und " + std::to_string(Last));
        return static_cast<std::size_t>(k - First);
    }
};

// Raw access to a record image.
template <class R> const std::uint8_t* ImageOf(const R& r) {
    static_assert(std::is_trivially_copyable_v<R> && alignof(R) == 1);
    return reinterpret_cast<const std::uint8_t*>(&r);
}
template <class R> std::uint8_t* ImageOf(R& r) {
    static_assert(std::is_trivially_copyable_v<R> && alignof(R) == 1);
    return reinterpret_cast<std::uint8_t*>(&r);
}

} // namespace zev
