// Region algebra: one generic band merge, and a small span callback per
// operation. The merge walks both band lists from the top, cuts the plane
// into horizontal slices in which neither input changes, hands each slice's
// two span lists to the callback and lets BandBuilder keep the result
// canonical. Each slice costs time linear in its spans.
#include "platform/gdi/region/Region.h"
#include "platform/gdi/region/RegionBands.h"

#include <algorithm>
#include <climits>
#include <span>

namespace gdi::detail {

namespace {

using Spans = std::span<const RECT>; // one band's rectangles; only left/right are read
using SpanOperation = void (*)(Spans a, Spans b, std::vector<Span>& out);

// ---- Span callbacks: sorted disjoint spans in, sorted spans out -------------

void UnionSpans(Spans a, Spans b, std::vector<Span>& out) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        const bool takeA = j == b.size() || (i < a.size() && a[i].left <= b[j].left);
        const RECT& next = takeA ? a[i++] : b[j++];
        if (!out.empty() && out.back().right >= next.left) {
            out.back().right = std::max(out.back().right, next.right);
        } else {
            out.push_back(Span{next.left, next.right});
        }
    }
}

void IntersectSpans(Spans a, Spans b, std::vector<Span>& out) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const int left = std::max(a[i].left, b[j].left);
        const int right = std::min(a[i].right, b[j].right);
        if (left < right) {
            out.push_back(Span{left, right});
        }
        // The span that ends first can meet nothing further on.
        if (a[i].right < b[j].right) {
            ++i;
        } else {
            ++j;
        }
    }
}

void SubtractSpans(Spans a, Spans b, std::vector<Span>& out) {
    std::size_t j = 0;
    for (const RECT& minuend : a) {
        int left = minuend.left;
        while (j < b.size() && b[j].right <= left) {
            ++j;
        }
        // Cut every span of b that overlaps this one; the last of them may
        // reach into the next span of a, so j stays on it.
        std::size_t k = j;
        while (k < b.size() && b[k].left < minuend.right) {
            if (b[k].left > left) {
                out.push_back(Span{left, b[k].left});
            }
            left = std::max(left, b[k].right);
            if (b[k].right > minuend.right) {
                break;
            }
            ++k;
        }
        if (left < minuend.right) {
            out.push_back(Span{left, minuend.right});
        }
        j = k;
    }
}

void XorSpans(Spans a, Spans b, std::vector<Span>& out) {
    // Walk the edges of both lists in x order; every edge flips membership
    // in its own operand, and the result is inside where exactly one is.
    std::size_t i = 0;
    std::size_t j = 0;
    bool insideA = false;
    bool insideB = false;
    int openedAt = 0;
    while (i < 2 * a.size() || j < 2 * b.size()) {
        const int edgeA = i < 2 * a.size() ? (i % 2 == 0 ? a[i / 2].left : a[i / 2].right) : INT_MAX;
        const int edgeB = j < 2 * b.size() ? (j % 2 == 0 ? b[j / 2].left : b[j / 2].right) : INT_MAX;
        const int x = std::min(edgeA, edgeB);
        const bool wasInside = insideA != insideB;
        if (edgeA == x) {
            insideA = !insideA;
            ++i;
        }
        if (edgeB == x) {
            insideB = !insideB;
            ++j;
        }
        const bool isInside = insideA != insideB;
        if (isInside && !wasInside) {
            openedAt = x;
        } else if (!isInside && wasInside) {
            out.push_back(Span{openedAt, x});
        }
    }
}

// ---- The generic merge --------------------------------------------------------

struct Band {
    int top;
    int bottom;
    Spans spans;
};

std::vector<Band> SplitIntoBands(const std::vector<RECT>& rects) {
    std::vector<Band> bands;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= rects.size(); ++i) {
        if (i == rects.size() || rects[i].top != rects[start].top) {
            bands.push_back(
                Band{rects[start].top, rects[start].bottom, Spans(rects.data() + start, i - start)});
            start = i;
        }
    }
    return bands;
}

std::vector<RECT> MergeBands(const std::vector<RECT>& a, const std::vector<RECT>& b,
                             SpanOperation operation) {
    const std::vector<Band> bandsA = SplitIntoBands(a);
    const std::vector<Band> bandsB = SplitIntoBands(b);
    BandBuilder builder;
    std::vector<Span> spans;
    std::size_t i = 0;
    std::size_t j = 0;
    int y = INT_MIN; // everything above y has been emitted
    while (i < bandsA.size() || j < bandsB.size()) {
        const int topA = i < bandsA.size() ? std::max(bandsA[i].top, y) : INT_MAX;
        const int topB = j < bandsB.size() ? std::max(bandsB[j].top, y) : INT_MAX;
        const int top = std::min(topA, topB);
        const bool inA = topA == top;
        const bool inB = topB == top;
        // The slice ends where either input next changes: its current band
        // ends, or its next band begins.
        const int bottom = std::min(inA ? bandsA[i].bottom : topA, inB ? bandsB[j].bottom : topB);
        spans.clear();
        operation(inA ? bandsA[i].spans : Spans(), inB ? bandsB[j].spans : Spans(), spans);
        builder.AddBand(top, bottom, spans);
        y = bottom;
        if (inA && bandsA[i].bottom == bottom) {
            ++i;
        }
        if (inB && bandsB[j].bottom == bottom) {
            ++j;
        }
    }
    return builder.Take();
}

SpanOperation OperationFor(int mode) {
    switch (mode) {
    case RGN_AND:
        return IntersectSpans;
    case RGN_OR:
        return UnionSpans;
    case RGN_XOR:
        return XorSpans;
    case RGN_DIFF:
        return SubtractSpans;
    default:
        return nullptr;
    }
}

} // namespace

Region Region::Combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) {
        return a;
    }
    const SpanOperation operation = OperationFor(mode);
    if (operation == nullptr) {
        return Region();
    }
    // Where the result is one operand unchanged, Windows hands back a copy of
    // it with its rectangles as they were (an elliptic region keeps one per
    // row): combining with an empty region, or a region with itself.
    const bool keepsA = b.Empty() ? mode != RGN_AND : (&a == &b && (mode == RGN_OR || mode == RGN_AND));
    if (keepsA && !a.Empty()) {
        return a;
    }
    if (a.Empty() && (mode == RGN_OR || mode == RGN_XOR)) {
        return b;
    }
    return Region(MergeBands(a.rects_, b.rects_, operation));
}

} // namespace gdi::detail
