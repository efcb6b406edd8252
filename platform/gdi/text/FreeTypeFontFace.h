// A FontFace rendered by FreeType: one FT_Face per LOGFONT, sized in pixels,
// glyphs loaded monochrome (embedded bitmaps where the face has a strike of
// that size) and cached for the life of the face.
#pragma once

#include "platform/gdi/text/FontResolver.h"
#include "platform/gdi/text/GlyphImage.h"
#include "platform/gdi/text/TextEngine.h"

#include <array>
#include <cstddef>
#include <memory>
#include <mutex>
#include <unordered_map>

struct FT_FaceRec_;

namespace gdi::detail {

class FreeTypeFontFace final : public FontFace {
  public:
    // Null when the file cannot be opened as a font. Characters the face
    // lacks come from the Song face of the same size (as Windows links fonts),
    // unless allowFallback is false.
    static std::shared_ptr<FreeTypeFontFace> Open(const LOGFONTA& logfont, const ResolvedFont& file,
                                                  bool allowFallback = true);
    ~FreeTypeFontFace() override;
    FreeTypeFontFace(const FreeTypeFontFace&) = delete;
    FreeTypeFontFace& operator=(const FreeTypeFontFace&) = delete;

    const LOGFONTA& Logfont() const override { return logfont_; }
    TEXTMETRICA Metrics() const override { return metrics_; }
    int Advance(std::string_view utf8) const override;
    void DrawRun(std::string_view utf8, int x, int yTop, const TextSink& sink) const override;
    LineRows UnderlineRows() const override { return underline_; }
    std::string FontFile() const override { return file_.path; }

  private:
    FreeTypeFontFace(const LOGFONTA& logfont, const ResolvedFont& file, FT_FaceRec_* face,
                     bool allowFallback);
    void ComputeMetrics();
    // Call with mutex_ held; the reference stays valid (glyphs are never evicted).
    const GlyphImage& GlyphLocked(char32_t codePoint) const {
        const RecentGlyph& recent = recent_[codePoint % kRecentGlyphs];
        return recent.glyph && recent.codePoint == codePoint ? *recent.glyph : GlyphMissedLocked(codePoint);
    }
    // GlyphLocked for a glyph not among the recent ones.
    const GlyphImage& GlyphMissedLocked(char32_t codePoint) const;
    GlyphImage Render(char32_t codePoint) const;
    // A copy of this face's glyph, for a face that falls back on this one.
    GlyphImage GlyphCopy(char32_t codePoint) const;
    // Call with mutex_ held; opened on first need, null when there is none.
    const FreeTypeFontFace* FallbackLocked() const;
    void DrawLine(LineRows rows, int x, int width, int yTop, const TextSink& sink) const;

    LOGFONTA logfont_;
    ResolvedFont file_;
    FT_FaceRec_* face_;
    int pixelsPerEm_ = 0;
    bool syntheticBold_ = false;
    bool syntheticItalic_ = false;
    bool allowFallback_ = true;
    mutable bool fallbackOpened_ = false;
    mutable std::shared_ptr<FreeTypeFontFace> fallback_;
    TEXTMETRICA metrics_{};
    LineRows underline_{};
    LineRows strikeOut_{};
    mutable std::mutex mutex_;
    mutable std::unordered_map<char32_t, GlyphImage> glyphs_;
    // The glyphs looked up last, one per code point modulo the table's size,
    // ahead of the hash map (whose entries never move).
    struct RecentGlyph {
        char32_t codePoint = 0;
        const GlyphImage* glyph = nullptr;
    };
    static constexpr std::size_t kRecentGlyphs = 256;
    mutable std::array<RecentGlyph, kRecentGlyphs> recent_{};
};

} // namespace gdi::detail
