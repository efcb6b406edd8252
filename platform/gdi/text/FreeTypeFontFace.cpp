#include "platform/gdi/text/FreeTypeFontFace.h"

#include "platform/gdi/text/Utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <vector>

namespace gdi::detail {

namespace {

constexpr int kDefaultPixelsPerEm = 12; // lfHeight 0: the size of a 9-point dialog font
constexpr int kMaxPixelsPerEm = 400;    // larger requests are clamped, never refused
constexpr int kTabSpaces = 1;

// One FreeType library for the process. Opening and closing faces touches
// the library's shared state, so those calls are serialised.
struct FreeTypeLibrary {
    FT_Library library = nullptr;
    std::mutex mutex;
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
        }
    }
};

// Never destroyed, so faces released during exit still find their library.
FreeTypeLibrary& Library() {
    static FreeTypeLibrary* instance = new FreeTypeLibrary;
    return *instance;
}

int RoundToInt(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

struct VerticalExtent {
    int ascent;  // font units
    int descent; // font units, positive below the baseline
};

// Windows measures cells by the OS/2 table's win metrics; faces without one
// (Type 1) use their global ascender and descender.
VerticalExtent CellExtent(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        return {os2->usWinAscent, os2->usWinDescent};
    }
    return {face->ascender, -face->descender};
}

int PixelsPerEmFor(const LOGFONTA& logfont, FT_Face face) {
    const std::int64_t height = logfont.lfHeight;
    std::int64_t pixels = kDefaultPixelsPerEm;
    if (height < 0) {
        pixels = -height;
    } else if (height > 0) {
        // A positive height is the whole cell: ascent plus descent.
        const VerticalExtent extent = CellExtent(face);
        const int cellUnits = std::max(1, extent.ascent + extent.descent);
        const int unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : cellUnits;
        pixels = RoundToInt(static_cast<double>(height) * unitsPerEm / cellUnits);
    }
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kMaxPixelsPerEm));
}

GlyphBitmap ToGlyphBitmap(const FT_GlyphSlot slot) {
    const FT_Bitmap& source = slot->bitmap;
    GlyphBitmap bitmap;
    bitmap.left = slot->bitmap_left;
    bitmap.top = slot->bitmap_top;
    bitmap.width = static_cast<int>(source.width);
    bitmap.height = static_cast<int>(source.rows);
    bitmap.pixels.assign(static_cast<std::size_t>(bitmap.width * bitmap.height), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        const unsigned char* row = source.buffer + static_cast<std::ptrdiff_t>(y) * source.pitch;
        for (int x = 0; x < bitmap.width; ++x) {
            bool inked = false;
            switch (source.pixel_mode) {
            case FT_PIXEL_MODE_MONO:
                inked = (row[x >> 3] & (0x80 >> (x & 7))) != 0;
                break;
            case FT_PIXEL_MODE_GRAY:
                // A grey embedded strike: no anti-aliasing, so threshold.
                inked = row[x] >= 128;
                break;
            case FT_PIXEL_MODE_BGRA:
                inked = row[x * 4 + 3] >= 128;
                break;
            default:
                inked = false;
            }
            bitmap.pixels[static_cast<std::size_t>(y * bitmap.width + x)] = inked ? 1 : 0;
        }
    }
    return bitmap;
}

} // namespace

std::shared_ptr<FreeTypeFontFace> FreeTypeFontFace::Open(const LOGFONTA& logfont, const ResolvedFont& file,
                                                         bool allowFallback) {
    if (file.path.empty()) {
        return nullptr;
    }
    FreeTypeLibrary& library = Library();
    FT_Face face = nullptr;
    {
        std::lock_guard lock(library.mutex);
        if (library.library == nullptr ||
            FT_New_Face(library.library, file.path.c_str(), file.faceIndex, &face) != 0) {
            return nullptr;
        }
    }
    std::shared_ptr<FreeTypeFontFace> font(new FreeTypeFontFace(logfont, file, face, allowFallback));
    font->ComputeMetrics();
    return font;
}

FreeTypeFontFace::FreeTypeFontFace(const LOGFONTA& logfont, const ResolvedFont& file, FT_FaceRec_* face,
                                   bool allowFallback)
    : logfont_(logfont), file_(file), face_(face), allowFallback_(allowFallback) {
    pixelsPerEm_ = PixelsPerEmFor(logfont, face_);
    // Simulate what the chosen file does not have itself (a family without a
    // bold or italic file, such as the Song face).
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const bool faceIsBold = (face_->style_flags & FT_STYLE_FLAG_BOLD) != 0 ||
                            (os2 != nullptr && os2->version != 0xFFFF && os2->usWeightClass >= 600);
    syntheticBold_ = logfont.lfWeight >= 600 && !faceIsBold;
    syntheticItalic_ = logfont.lfItalic != 0 && (face_->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
    // Selects the embedded strike of this size when the face has one.
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelsPerEm_));
}

FreeTypeFontFace::~FreeTypeFontFace() {
    FreeTypeLibrary& library = Library();
    std::lock_guard lock(library.mutex);
    FT_Done_Face(face_);
}

void FreeTypeFontFace::ComputeMetrics() {
    const double unitsPerEm = face_->units_per_EM > 0 ? face_->units_per_EM : 1000.0;
    const double scale = pixelsPerEm_ / unitsPerEm;
    const VerticalExtent extent = CellExtent(face_);

    TEXTMETRICA& m = metrics_;
    m.tmAscent = std::max(1, RoundToInt(extent.ascent * scale));
    m.tmDescent = std::max(0, RoundToInt(extent.descent * scale));
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - pixelsPerEm_);
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    if (hhea != nullptr) {
        const int hheaCell = hhea->Ascender - hhea->Descender;
        const int gap = hhea->Line_Gap - ((extent.ascent + extent.descent) - hheaCell);
        m.tmExternalLeading = std::max(0, RoundToInt(gap * scale));
    }
    {
        std::lock_guard lock(mutex_);
        const int xWidth = GlyphLocked(U'x').advance;
        m.tmAveCharWidth = xWidth > 0 ? xWidth : std::max(1, pixelsPerEm_ / 2);
        int widest = RoundToInt(face_->max_advance_width * scale);
        widest = std::max(widest, GlyphLocked(U'W').advance);
        m.tmMaxCharWidth = widest;
    }
    m.tmWeight = logfont_.lfWeight > 0 ? logfont_.lfWeight : FW_NORMAL;
    m.tmOverhang = 0;
    m.tmDigitizedAspectX = 96;
    m.tmDigitizedAspectY = 96;
    m.tmFirstChar = 0x1E;
    m.tmLastChar = 0xFF;
    m.tmDefaultChar = 0x1F;
    m.tmBreakChar = 0x20;
    m.tmItalic = logfont_.lfItalic != 0 ? 1 : 0;
    m.tmUnderlined = logfont_.lfUnderline != 0 ? 1 : 0;
    m.tmStruckOut = logfont_.lfStrikeOut != 0 ? 1 : 0;
    // Low bit set means variable pitch (the Windows naming is inverted);
    // 0x02 vector, 0x04 TrueType.
    m.tmPitchAndFamily =
        static_cast<BYTE>((FT_IS_FIXED_WIDTH(face_) ? 0 : 0x01) | 0x02 | (FT_IS_SFNT(face_) ? 0x04 : 0));
    const bool hasIdeographs = FT_Get_Char_Index(face_, 0x4E2D) != 0;
    m.tmCharSet = logfont_.lfCharSet == DEFAULT_CHARSET ? (hasIdeographs ? GB2312_CHARSET : ANSI_CHARSET)
                                                        : logfont_.lfCharSet;

    // Underline: the post table's stem centre below the baseline; strike-out
    // from OS/2, else a third of the ascent.
    const int baseline = m.tmAscent;
    const int lastRow = std::max(0, m.tmHeight - 1);
    const int underlineThickness = std::max(1, RoundToInt(face_->underline_thickness * scale));
    int underlineTop = baseline + RoundToInt(-face_->underline_position * scale - underlineThickness / 2.0);
    underlineTop = std::clamp(underlineTop, baseline, lastRow);
    underline_ = {underlineTop, std::min(underlineThickness, m.tmHeight - underlineTop)};

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    int strikeThickness = underlineThickness;
    int strikeHeight = m.tmAscent / 3;
    if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0) {
        strikeThickness = std::max(1, RoundToInt(os2->yStrikeoutSize * scale));
        strikeHeight = RoundToInt(os2->yStrikeoutPosition * scale);
    }
    const int strikeTop = std::clamp(baseline - strikeHeight, 0, lastRow);
    strikeOut_ = {strikeTop, std::min(strikeThickness, m.tmHeight - strikeTop)};
}

GlyphImage FreeTypeFontFace::Render(char32_t codePoint) const {
    GlyphImage glyph;
    if (codePoint == U'\t') {
        glyph.advance = GlyphLocked(U' ').advance * kTabSpaces;
        return glyph;
    }
    if (codePoint < 0x20 || codePoint == 0x7F) {
        return glyph; // control characters take no room and leave no ink
    }
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0) {
        if (const FreeTypeFontFace* fallback = FallbackLocked()) {
            return fallback->GlyphCopy(codePoint);
        }
    }
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO | FT_LOAD_RENDER | FT_LOAD_COLOR) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
        return glyph;
    }
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    GlyphBitmap bitmap = ToGlyphBitmap(slot);
    if (syntheticItalic_) {
        bitmap = Slant(bitmap);
    }
    if (syntheticBold_) {
        bitmap = Embolden(bitmap);
        glyph.advance += 1;
    }
    glyph.ink = InkOf(bitmap);
    glyph.runs = RunsOf(glyph.ink);
    glyph.box = BoxOf(glyph.runs.data(), glyph.runs.size());
    glyph.rows = RowMasksOf(glyph.runs, glyph.box);
    return glyph;
}

const GlyphImage& FreeTypeFontFace::GlyphMissedLocked(char32_t codePoint) const {
    auto found = glyphs_.find(codePoint);
    if (found == glyphs_.end()) {
        found = glyphs_.emplace(codePoint, Render(codePoint)).first;
    }
    recent_[codePoint % kRecentGlyphs] = RecentGlyph{codePoint, &found->second};
    return found->second;
}

GlyphImage FreeTypeFontFace::GlyphCopy(char32_t codePoint) const {
    std::lock_guard lock(mutex_);
    return GlyphLocked(codePoint);
}

const FreeTypeFontFace* FreeTypeFontFace::FallbackLocked() const {
    if (!allowFallback_) {
        return nullptr;
    }
    if (!fallbackOpened_) {
        fallbackOpened_ = true;
        // Opened directly, not through the face cache: this may run while the
        // cache is busy creating this very face.
        LOGFONTA song = logfont_;
        song.lfHeight = -pixelsPerEm_;
        song.lfUnderline = 0; // lines are drawn once, by this face
        song.lfStrikeOut = 0;
        std::fill(std::begin(song.lfFaceName), std::end(song.lfFaceName), '\0');
        const char songName[] = "宋体";
        std::copy(std::begin(songName), std::end(songName), song.lfFaceName);
        const ResolvedFont songFile = ResolveFont(song);
        if (songFile.path != file_.path || songFile.faceIndex != file_.faceIndex) {
            fallback_ = Open(song, songFile, false);
        }
    }
    return fallback_.get();
}

int FreeTypeFontFace::Advance(std::string_view utf8) const {
    std::lock_guard lock(mutex_);
    int width = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        width += GlyphLocked(NextCodePoint(utf8, pos)).advance;
    }
    return width;
}

namespace {

// Hands the inked glyphs of a piece of a line to the sink.
void DrawGlyphs(const PlacedGlyph* glyphs, std::size_t count, const TextSink& sink) {
    if (count == 0)
        return;
    if (sink.glyphs && sink.runs) {
        sink.glyphs(glyphs, count, kNoTextClip);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const PlacedGlyph& glyph = glyphs[i];
        if (sink.runs) {
            sink.runs(glyph.x, glyph.y, glyph.image->runs.data(), glyph.image->runs.size(), kNoTextClip);
        } else if (sink.plot) {
            for (const InkPixel& pixel : glyph.image->ink)
                sink.plot(glyph.x + pixel.dx, glyph.y + pixel.dy);
        }
    }
}

} // namespace

void FreeTypeFontFace::DrawRun(std::string_view utf8, int x, int yTop, const TextSink& sink) const {
    // Glyphs are looked up under the lock and drawn outside it, so a sink may
    // use the font again; a line goes through in pieces of a fixed count.
    constexpr std::size_t kPiece = 64;
    PlacedGlyph piece[kPiece];
    const int baseline = yTop + metrics_.tmAscent;
    int pen = x;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t count = 0;
        {
            std::lock_guard lock(mutex_);
            for (std::size_t looked = 0; looked < kPiece && pos < utf8.size(); ++looked) {
                const GlyphImage& glyph = GlyphLocked(NextCodePoint(utf8, pos));
                if (!glyph.runs.empty())
                    piece[count++] = PlacedGlyph{pen, baseline, &glyph};
                pen += glyph.advance;
            }
        }
        DrawGlyphs(piece, count, sink);
    }
    if (logfont_.lfUnderline != 0) {
        DrawLine(underline_, x, pen - x, yTop, sink);
    }
    if (logfont_.lfStrikeOut != 0) {
        DrawLine(strikeOut_, x, pen - x, yTop, sink);
    }
}

void FreeTypeFontFace::DrawLine(LineRows rows, int x, int width, int yTop, const TextSink& sink) const {
    for (int row = 0; row < rows.thickness; ++row) {
        if (sink.runs) {
            RowAsRuns(sink, x, yTop + rows.top + row, width, kNoTextClip);
            continue;
        }
        if (!sink.plot)
            return;
        for (int column = 0; column < width; ++column) {
            sink.plot(x + column, yTop + rows.top + row);
        }
    }
}

} // namespace gdi::detail
