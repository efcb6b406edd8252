#include "platform/gdi/internal/Rop.h"

#include <array>
#include <utility>

namespace gdi::detail {

namespace {

// The operation as the OR of the minterms its truth table selects; the
// compiler folds the constant table, leaving a few bitwise operations.
template <unsigned Index>
void RopSpan(Pixel* dest, const Pixel* source, const Pixel* pattern, int count, Pixel mask) {
    constexpr BYTE index = static_cast<BYTE>(Index);
    for (int i = 0; i < count; ++i) {
        const Pixel p = RopUsesPattern(index) ? pattern[i] : 0;
        const Pixel s = RopUsesSource(index) ? source[i] : 0;
        const Pixel d = dest[i];
        Pixel r = 0;
        if constexpr ((Index & 0x01) != 0)
            r |= ~p & ~s & ~d;
        if constexpr ((Index & 0x02) != 0)
            r |= ~p & ~s & d;
        if constexpr ((Index & 0x04) != 0)
            r |= ~p & s & ~d;
        if constexpr ((Index & 0x08) != 0)
            r |= ~p & s & d;
        if constexpr ((Index & 0x10) != 0)
            r |= p & ~s & ~d;
        if constexpr ((Index & 0x20) != 0)
            r |= p & ~s & d;
        if constexpr ((Index & 0x40) != 0)
            r |= p & s & ~d;
        if constexpr ((Index & 0x80) != 0)
            r |= p & s & d;
        dest[i] = r & mask;
    }
}

template <std::size_t... Indexes>
constexpr std::array<RopSpanFunction, 256> MakeTable(std::index_sequence<Indexes...>) {
    return {&RopSpan<Indexes>...};
}

constexpr auto kRopTable = MakeTable(std::make_index_sequence<256>{});

} // namespace

RopSpanFunction RopSpanFor(BYTE index) {
    return kRopTable[index];
}

Pixel ApplyRop(BYTE index, Pixel pattern, Pixel source, Pixel dest, Pixel mask) {
    kRopTable[index](&dest, &source, &pattern, 1, mask);
    return dest;
}

} // namespace gdi::detail
