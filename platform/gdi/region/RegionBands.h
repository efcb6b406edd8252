// Building blocks shared by the region constructors: a horizontal span and a
// builder that appends bands top to bottom and keeps the result canonical.
//
// Canonical means: bands sorted top to bottom and never overlapping; inside a
// band the spans are sorted, non-empty, and neither overlap nor touch; no band
// is empty; and two bands that touch vertically never carry the same spans
// (they would have been merged into one). Every pixel set then has exactly
// one representation, so comparing regions is comparing rectangle lists.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace gdi::detail {

struct Span {
    int left;
    int right; // excluded
    bool operator==(const Span&) const = default;
};

class BandBuilder {
  public:
    // Appends the band [top, bottom) with the given spans. Bands must come in
    // order (top not above the previous band's bottom). Spans must be sorted
    // and must not overlap; touching or empty spans are tidied here.
    void AddBand(int top, int bottom, const std::vector<Span>& spans);

    std::vector<RECT> Take() { return std::move(rects_); }

  private:
    // Whether the last band ends at top and holds exactly these spans.
    bool LastBandContinuesWith(int top, const std::vector<Span>& spans) const;

    std::vector<RECT> rects_;
    std::size_t lastBandStart_ = 0;
    std::vector<Span> tidy_; // reused scratch for the cleaned-up spans
};

} // namespace gdi::detail
