// DrawTextLayout: the line model of DrawText. The text is split at line
// breaks, access-key prefixes are resolved, each line is wrapped to the
// rectangle when asked, and the lines are aligned and drawn one cell
// (tmHeight) below the other.
#include "platform/gdi/text/TextEngine.h"

#include "platform/gdi/text/LineBreaking.h"
#include "platform/gdi/text/Utf8.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace gdi::detail {

namespace {

// One character of a line as displayed (prefixes already resolved).
struct Item {
    std::size_t offset; // into the display text
    std::size_t length;
    char32_t codePoint;
    int width;
};

struct ParsedLine {
    std::string text;
    std::vector<Item> items;
    std::size_t accessKey = std::string::npos; // index into items
};

struct Line {
    std::string_view text;
    int width = 0;
    int accessKeyX = -1; // relative to the line start; -1 when none
    int accessKeyWidth = 0;
};

// CR LF, lone LF and lone CR each end a line. A break at the very end of the
// text does not start another (empty) line, as in DrawText.
void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
    lines.clear();
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c != '\r' && c != '\n') {
            ++pos;
            continue;
        }
        lines.push_back(text.substr(start, pos - start));
        pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        start = pos;
    }
    if (start < text.size() || lines.empty()) {
        lines.push_back(text.substr(start));
    }
}

// "&x" shows x underlined (the last one of a line wins), "&&" shows "&", and a
// lone "&" at the end of a line shows nothing. The line's storage may come
// from an earlier line; it is emptied first.
void ParseLine(std::string_view source, bool prefixes, const FontFace& font, ParsedLine& line) {
    line.text.clear();
    line.items.clear();
    line.accessKey = std::string::npos;
    line.text.reserve(source.size());
    bool markNext = false;
    for (std::size_t pos = 0; pos < source.size();) {
        if (prefixes && source[pos] == '&' && !markNext) {
            ++pos;
            if (pos < source.size() && source[pos] == '&') {
                // "&&": the second one is shown as itself, unmarked.
            } else {
                markNext = true;
                continue;
            }
        }
        const std::size_t begin = pos;
        const char32_t codePoint = NextCodePoint(source, pos);
        const std::string_view bytes = source.substr(begin, pos - begin);
        if (markNext) {
            line.accessKey = line.items.size();
            markNext = false;
        }
        line.items.push_back({line.text.size(), bytes.size(), codePoint, font.Advance(bytes)});
        line.text.append(bytes);
    }
}

Line MakeLine(const ParsedLine& parsed, std::size_t first, std::size_t last) {
    Line line;
    if (first >= last) {
        return line;
    }
    const std::size_t begin = parsed.items[first].offset;
    const std::size_t end = parsed.items[last - 1].offset + parsed.items[last - 1].length;
    line.text = std::string_view(parsed.text).substr(begin, end - begin);
    for (std::size_t i = first; i < last; ++i) {
        if (i == parsed.accessKey) {
            line.accessKeyX = line.width;
            line.accessKeyWidth = parsed.items[i].width;
        }
        line.width += parsed.items[i].width;
    }
    return line;
}

// Greedy wrapping. Blanks may hang past the edge and are dropped at a break;
// a word wider than the line stays whole and overflows, as in DrawText.
void WrapLine(const ParsedLine& parsed, int limit, std::vector<Line>& out) {
    const std::vector<Item>& items = parsed.items;
    const std::size_t count = items.size();
    std::size_t lineStart = 0;
    do {
        int width = 0;
        std::size_t breakEnd = 0;  // the line's content ends here when broken at the last opportunity
        std::size_t breakNext = 0; // and the next line starts here
        bool haveBreak = false;
        bool broke = false;
        std::size_t i = lineStart;
        while (i < count) {
            if (IsBlank(items[i].codePoint)) {
                std::size_t blanksEnd = i;
                while (blanksEnd < count && IsBlank(items[blanksEnd].codePoint)) {
                    width += items[blanksEnd].width;
                    ++blanksEnd;
                }
                if (i > lineStart) {
                    breakEnd = i;
                    breakNext = blanksEnd;
                    haveBreak = true;
                }
                i = blanksEnd;
                continue;
            }
            if (i > lineStart && !IsBlank(items[i - 1].codePoint) &&
                CanBreakBetween(items[i - 1].codePoint, items[i].codePoint)) {
                breakEnd = i;
                breakNext = i;
                haveBreak = true;
            }
            if (i > lineStart && haveBreak && width + items[i].width > limit) {
                out.push_back(MakeLine(parsed, lineStart, breakEnd));
                lineStart = breakNext;
                broke = true;
                break;
            }
            width += items[i].width;
            ++i;
        }
        if (!broke) {
            out.push_back(MakeLine(parsed, lineStart, count));
            lineStart = count;
        }
    } while (lineStart < count);
}

// Lays out the first count parsed lines into lines.
void LayOut(const std::vector<ParsedLine>& parsed, std::size_t count, UINT format, int limit,
            std::vector<Line>& lines) {
    lines.clear();
    const bool wrap = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
    for (std::size_t i = 0; i < count; ++i) {
        const ParsedLine& line = parsed[i];
        if (wrap) {
            WrapLine(line, limit, lines);
        } else {
            lines.push_back(MakeLine(line, 0, line.items.size()));
        }
    }
}

// The working lists of a layout, kept per thread from call to call so that a
// caption laid out again reuses their storage. A layout started from inside
// another one's sink gets lists of its own.
struct LayoutScratch {
    std::vector<std::string_view> sources;
    std::vector<ParsedLine> parsed; // entries are reused: their text and items keep their storage
    std::vector<Line> lines;
    bool busy = false;
    // What lines were laid out from. A caption is laid out alike on every
    // repaint (and twice in some looks): the same text in the same face,
    // options and width gives the same lines, so they are taken as they are.
    struct Inputs {
        std::uint64_t face = 0; // FontFace::Id(); 0: nothing laid out yet
        std::string text;
        UINT options = 0;
        int limit = 0;
    } laidOut;
};

// The format bits that decide how a text is split into lines.
constexpr UINT kLineOptions = DT_SINGLELINE | DT_NOPREFIX | DT_WORDBREAK;

// Splits, parses and wraps text into scratch.lines (the general path that a
// repeated layout short-cuts).
void LayOutText(const FontFace& font, std::string_view text, UINT format, int limit, LayoutScratch& scratch) {
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool prefixes = (format & DT_NOPREFIX) == 0;
    std::vector<ParsedLine>& parsed = scratch.parsed;
    std::size_t parsedCount = 0;
    const auto parse = [&](std::string_view source) {
        if (parsedCount == parsed.size()) {
            parsed.emplace_back();
        }
        ParseLine(source, prefixes, font, parsed[parsedCount++]);
    };
    if (!text.empty()) {
        if (singleLine) {
            parse(text);
        } else {
            SplitLines(text, scratch.sources);
            for (std::string_view source : scratch.sources) {
                parse(source);
            }
        }
    }
    LayOut(parsed, parsedCount, format, limit, scratch.lines);
}

class ScratchLease {
  public:
    ScratchLease() : scratch_(shared_.busy ? own_ : shared_) { scratch_.busy = true; }
    ~ScratchLease() { scratch_.busy = false; }
    ScratchLease(const ScratchLease&) = delete;
    ScratchLease& operator=(const ScratchLease&) = delete;
    LayoutScratch& Get() { return scratch_; }

  private:
    static thread_local LayoutScratch shared_;
    LayoutScratch own_;
    LayoutScratch& scratch_;
};
thread_local LayoutScratch ScratchLease::shared_;

// Without DT_NOCLIP, DrawText keeps its output inside the rectangle.
// Windows' wrapping 32-bit addition, done on unsigned values.
LONG Wrapped(LONG value, int delta) {
    return static_cast<LONG>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(delta));
}

// A drawing position pulled into +-2^29: text there is off every surface.
int Placed(long long position) {
    constexpr long long kLimit = 1LL << 29;
    return static_cast<int>(std::clamp(position, -kLimit, kLimit));
}

TextSink ClippedTo(const RECT& clip, const TextSink& sink) {
    TextSink clipped;
    if (sink.plot) {
        clipped.plot = [&clip, &sink](int x, int y) {
            if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) {
                sink.plot(x, y);
            }
        };
    }
    if (sink.runs) {
        clipped.runs = [&clip, &sink](int x, int y, const InkRun* runs, std::size_t count,
                                      const RECT& limit) {
            const RECT both{std::max(limit.left, clip.left), std::max(limit.top, clip.top),
                            std::min(limit.right, clip.right), std::min(limit.bottom, clip.bottom)};
            if (both.left < both.right && both.top < both.bottom) {
                sink.runs(x, y, runs, count, both);
            }
        };
    }
    if (sink.glyphs) {
        clipped.glyphs = [&clip, &sink](const PlacedGlyph* glyphs, std::size_t count, const RECT& limit) {
            const RECT both{std::max(limit.left, clip.left), std::max(limit.top, clip.top),
                            std::min(limit.right, clip.right), std::min(limit.bottom, clip.bottom)};
            if (both.left < both.right && both.top < both.bottom) {
                sink.glyphs(glyphs, count, both);
            }
        };
    }
    if (sink.fillBackground) {
        clipped.fillBackground = [&clip, &sink](const RECT& rect) {
            const RECT part{std::max(rect.left, clip.left), std::max(rect.top, clip.top),
                            std::min(rect.right, clip.right), std::min(rect.bottom, clip.bottom)};
            if (part.left < part.right && part.top < part.bottom) {
                sink.fillBackground(part);
            }
        };
    }
    return clipped;
}

// The access key's underline is one pixel thick on cell row tmAscent + 1
// (the second row under the baseline), whatever the font's own underline, and
// runs from the key's pen position to one pixel short of the next
// character's (measured with gdi32: Song 12 to 40 px and DejaVu Sans 12 to
// 48 px, regular and bold, alike).
void DrawAccessKey(const FontFace& font, const Line& line, int x, int y, const TextSink& sink) {
    const int width = line.accessKeyWidth - 1;
    if (line.accessKeyX < 0 || width <= 0 || (!sink.plot && !sink.runs)) {
        return;
    }
    const int row = y + font.Metrics().tmAscent + 1;
    if (sink.runs) {
        RowAsRuns(sink, x + line.accessKeyX, row, width, kNoTextClip);
        return;
    }
    for (int column = 0; column < width; ++column) {
        sink.plot(x + line.accessKeyX + column, row);
    }
}

} // namespace

void RowAsRuns(const TextSink& sink, int x, int y, int width, const RECT& clip) {
    constexpr int kLongestRun = 0x7FFF;
    for (int done = 0; done < width; done += kLongestRun) {
        const InkRun run{0, 0, static_cast<std::int16_t>(std::min(kLongestRun, width - done))};
        sink.runs(x + done, y, &run, 1, clip);
    }
}

int DrawTextLayout(const FontFace& font, std::string_view text, RECT* rect, UINT format,
                   const TextSink& sink) {
    if (rect == nullptr) {
        return 0;
    }
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const bool prefixes = (format & DT_NOPREFIX) == 0;
    const int lineHeight = font.Metrics().tmHeight;

    ScratchLease lease;
    LayoutScratch& scratch = lease.Get();
    const long long available = static_cast<long long>(rect->right) - rect->left;
    const int limit = static_cast<int>(std::clamp<long long>(available, 0, 1 << 30));
    LayoutScratch::Inputs& laidOut = scratch.laidOut;
    if (laidOut.face != font.Id() || laidOut.options != (format & kLineOptions) || laidOut.limit != limit ||
        laidOut.text != text) {
        laidOut.face = 0; // until the new lines are complete
        LayOutText(font, text, format, limit, scratch);
        laidOut.text.assign(text); // keeps its storage from the last text
        laidOut.options = format & kLineOptions;
        laidOut.limit = limit;
        laidOut.face = font.Id();
    }
    const std::vector<Line>& lines = scratch.lines;

    // An empty text still occupies one line when it is a single line.
    const int lineCount = static_cast<int>(lines.size()) + ((lines.empty() && singleLine) ? 1 : 0);
    const int textHeight = lineCount * lineHeight;

    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const Line& line : lines) {
            widest = std::max(widest, line.width);
        }
        // As in Windows, the measured rectangle wraps round at the 32-bit limits.
        rect->right = Wrapped(rect->left, widest);
        rect->bottom = Wrapped(rect->top, textHeight);
        return textHeight;
    }

    // Positions in 64 bits; a line is drawn at its position pulled into the
    // range where adding its extent cannot overflow (nothing visible moves).
    long long y = rect->top;
    if (singleLine && (format & DT_VCENTER) != 0) {
        y = (static_cast<long long>(rect->top) + rect->bottom - lineHeight) / 2;
    } else if (singleLine && (format & DT_BOTTOM) != 0) {
        y = static_cast<long long>(rect->bottom) - lineHeight;
    }
    const long long firstLineTop = y;

    const RECT clip = *rect;
    const TextSink clipped = ClippedTo(clip, sink);
    const TextSink& target = (format & DT_NOCLIP) != 0 ? sink : clipped;
    for (const Line& line : lines) {
        long long left = rect->left;
        if ((format & DT_CENTER) != 0) {
            left = (static_cast<long long>(rect->left) + rect->right - line.width) / 2;
        } else if ((format & DT_RIGHT) != 0) {
            left = static_cast<long long>(rect->right) - line.width;
        }
        const int x = Placed(left), top = Placed(y);
        if (target.fillBackground) {
            target.fillBackground(RECT{x, top, x + line.width, top + lineHeight});
        }
        font.DrawRun(line.text, x, top, target);
        if (prefixes) {
            DrawAccessKey(font, line, x, top, target);
        }
        y += lineHeight;
    }
    // Like DrawText, the height counts from the rectangle's top, so a
    // vertically placed single line includes its offset.
    const long long height = singleLine ? (firstLineTop - rect->top) + textHeight : textHeight;
    return static_cast<int>(std::clamp<long long>(height, INT_MIN, INT_MAX));
}

} // namespace gdi::detail
