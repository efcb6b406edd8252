// Scenes of the pixel formats themselves: 1-bpp DIB sections and their colour
// tables ("dibmono"), the top byte of 32-bit pixels under every raster
// operation and drawing call ("topbyte"), and what the calls answer to
// formats and colour forms ("formats"). Scenes that Windows draws and the
// layer refuses are recorded as exceptions, so that the stored file shows
// what Windows does.
#include "Scenes.h"

#include "SceneKit.h"

namespace gdi_reference {

namespace {

// ---- 1-bpp DIB sections ---------------------------------------------------

struct Table {
    const char* name;
    COLORREF zero, one;
};
constexpr COLORREF kRose = RGB(200, 30, 90);
constexpr COLORREF kLeaf = RGB(20, 240, 60);
constexpr Table kTables[] = {{"bw", RGB(0, 0, 0), RGB(255, 255, 255)},
                             {"wb", RGB(255, 255, 255), RGB(0, 0, 0)},
                             {"pair", kRose, kLeaf}};

// Colours against the tables: their entries, greys either side of the
// middle, and colours near neither.
const COLORREF kProbeColours[] = {RGB(0, 0, 0),   RGB(255, 255, 255), kRose,
                                  kLeaf,          RGB(128, 128, 128), RGB(127, 127, 127),
                                  RGB(255, 0, 0), RGB(30, 200, 50),   RGB(212, 208, 200)};
const COLORREF kBackgrounds[] = {RGB(255, 255, 255), RGB(0, 0, 0), kRose, RGB(30, 200, 50)};

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", value);
    return text;
}

// A 1-bpp pattern of bits, the same for every source.
void PaintBits(DibCanvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.Set(x, y, ((x * 3 + y * 5) % 7) < 3 ? 1 : 0);
}

// A colour source of 12 x 9 distinct colours, with pixels midway between
// the entries of the "pair" table and of black and white (ties of the
// nearest-entry rule) in its first row.
void PaintColours(HDC dc, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            SetPixel(dc, x, y,
                     RGB((x * 37 + y * 11) & 0xFF, (x * 13 + y * 71) & 0xF0, ((x ^ y) * 29) & 0xFF));
    const COLORREF ties[] = {RGB(110, 135, 75),  RGB(110, 135, 76), RGB(127, 128, 128), RGB(128, 127, 128),
                             RGB(127, 127, 129), RGB(255, 0, 0),    RGB(0, 0, 255),     RGB(130, 130, 255)};
    for (int x = 0; x < 8 && x < w; ++x)
        SetPixel(dc, x, 0, ties[x]);
}

void TableBlitScenes(Builder& b) {
    // A DIB section's own colours reach a colour destination, whatever its text and background colours.
    for (DWORD rop : {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, DWORD{0x00B8074A}}) {
        b.Add("dibmono", "to-colour-" + Hex(rop), [rop](Recorder& r) {
            DibCanvas source(12, 9, 1, kRose, kLeaf);
            PaintBits(source);
            Canvas c(14, 11, RGB(0x5A, 0xC3, 0x96));
            SetTextColor(c.Dc(), RGB(1, 2, 3));
            SetBkColor(c.Dc(), RGB(4, 5, 6));
            SetTextColor(source.Dc(), RGB(7, 8, 9));
            SetBkColor(source.Dc(), RGB(10, 11, 12));
            Tools t(c.Dc(), 0, CreateSolidBrush(RGB(128, 128, 128)));
            r.Ret("BitBlt", BitBlt(c.Dc(), 1, 1, 12, 9, source.Dc(), 0, 0, rop));
            r.Pixels(c);
        });
    }
    // Stretched: the colours are merged (or interpolated), not the bits; a
    // device-dependent source merges its text and background colours too.
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE}) {
        for (int ddb : {0, 1}) {
            b.Add("dibmono", std::string(ddb ? "ddb" : "table") + "-stretch-mode" + Num(mode),
                  [mode, ddb](Recorder& r) {
                      DibCanvas table(12, 9, 1, kRose, kLeaf);
                      PaintBits(table);
                      Canvas mono(12, 9, RGB(0, 0, 0), true);
                      BitBlt(mono.Dc(), 0, 0, 12, 9, table.Dc(), 0, 0, SRCCOPY);
                      HDC source = ddb ? mono.Dc() : table.Dc();
                      Canvas c(24, 12, RGB(0x5A, 0xC3, 0x96));
                      SetStretchBltMode(c.Dc(), mode);
                      SetTextColor(c.Dc(), kRose);
                      SetBkColor(c.Dc(), kLeaf);
                      r.Ret("grow", StretchBlt(c.Dc(), 0, 0, 17, 11, source, 0, 0, 12, 9, SRCCOPY));
                      r.Ret("shrink", StretchBlt(c.Dc(), 18, 0, 5, 4, source, 0, 0, 12, 9, SRCCOPY));
                      r.Ret("shrink-odd", StretchBlt(c.Dc(), 18, 5, 5, 7, source, 0, 0, 11, 9, SRCCOPY));
                      r.Pixels(c);
                  });
        }
    }
    // Colour onto a DIB section: the nearest entry (ties: entry 0), whatever the source's background colour.
    for (const Table& table : kTables) {
        b.Add("dibmono", std::string("from-colour-") + table.name, [table](Recorder& r) {
            Canvas source(12, 9);
            PaintColours(source.Dc(), 12, 9);
            SetBkColor(source.Dc(), GetPixel(source.Dc(), 3, 3));
            DibCanvas mono(12, 9, 1, table.zero, table.one);
            r.Ret("BitBlt", BitBlt(mono.Dc(), 0, 0, 12, 9, source.Dc(), 0, 0, SRCCOPY));
            r.Pixels(mono.Dc(), 12, 9);
        });
    }
    // Shrinking onto monochrome merges the bits the colours become.
    for (int mode : {BLACKONWHITE, WHITEONBLACK}) {
        for (int ddb : {0, 1}) {
            b.Add("dibmono",
                  std::string("from-colour-shrink-") + (ddb ? "ddb" : "table") + "-mode" + Num(mode),
                  [mode, ddb](Recorder& r) {
                      Canvas source(12, 9);
                      PaintColours(source.Dc(), 12, 9);
                      SetBkColor(source.Dc(), GetPixel(source.Dc(), 2, 1));
                      DibCanvas table(5, 4, 1, RGB(0, 0, 0), RGB(255, 255, 255));
                      Canvas mono(5, 4, RGB(0, 0, 0), true);
                      HDC dest = ddb ? mono.Dc() : table.Dc();
                      SetStretchBltMode(dest, mode);
                      r.Ret("StretchBlt", StretchBlt(dest, 0, 0, 5, 4, source.Dc(), 0, 0, 12, 9, SRCCOPY));
                      r.Pixels(dest, 5, 4);
                  });
        }
    }
    // Between monochrome bitmaps: a device-dependent source shows the
    // destination's text and background colours, which take their nearest
    // entries; a DIB section onto a device-dependent bitmap gives 1 where its
    // bit is the entry nearest to the source's background colour.
    for (const Table& table : kTables) {
        b.Add("dibmono", std::string("ddb-to-") + table.name, [table](Recorder& r) {
            const COLORREF pairs[][2] = {{RGB(0, 0, 0), RGB(255, 255, 255)},
                                         {RGB(255, 255, 255), RGB(0, 0, 0)},
                                         {kRose, kLeaf},
                                         {RGB(30, 200, 50), kRose}};
            Canvas source(12, 9, RGB(0, 0, 0), true);
            DibCanvas bits(12, 9, 1);
            PaintBits(bits);
            BitBlt(source.Dc(), 0, 0, 12, 9, bits.Dc(), 0, 0, SRCCOPY);
            DibCanvas mono(12, 4 * 2, 1, table.zero, table.one);
            for (int i = 0; i < 4; ++i) {
                SetTextColor(mono.Dc(), pairs[i][0]);
                SetBkColor(mono.Dc(), pairs[i][1]);
                BitBlt(mono.Dc(), 0, i * 2, 12, 2, source.Dc(), 0, i, SRCCOPY);
            }
            r.Pixels(mono.Dc(), 12, 8);
        });
        b.Add("dibmono", std::string(table.name) + "-to-ddb", [table](Recorder& r) {
            DibCanvas source(12, 9, 1, table.zero, table.one);
            PaintBits(source);
            Canvas mono(12, 8, RGB(0, 0, 0), true);
            int row = 0;
            for (COLORREF background : kBackgrounds) {
                SetBkColor(source.Dc(), background);
                SetTextColor(source.Dc(), RGB(1, 2, 3));
                BitBlt(mono.Dc(), 0, row, 12, 2, source.Dc(), 0, row, SRCCOPY);
                row += 2;
            }
            r.Pixels(mono);
        });
        for (const Table& other : kTables) {
            b.Add("dibmono", std::string(table.name) + "-to-" + other.name, [table, other](Recorder& r) {
                DibCanvas source(12, 9, 1, table.zero, table.one);
                PaintBits(source);
                DibCanvas mono(12, 9, 1, other.zero, other.one);
                r.Ret("BitBlt", BitBlt(mono.Dc(), 0, 0, 12, 9, source.Dc(), 0, 0, SRCCOPY));
                r.Pixels(mono.Dc(), 12, 9);
            });
        }
    }
}

void TableDrawingScenes(Builder& b) {
    constexpr int kRows = sizeof kProbeColours / sizeof kProbeColours[0];
    for (const Table& table : kTables) {
        for (COLORREF background : kBackgrounds) {
            // Solid brushes: no dithering, one entry by the rule pens follow.
            b.Add("dibmono", std::string("brushes-") + table.name + "-bk" + Hex(background),
                  [table, background](Recorder& r) {
                      DibCanvas mono(12, kRows, 1, table.zero, table.one);
                      mono.FillRaw(1);
                      SetBkColor(mono.Dc(), background);
                      int row = 0;
                      for (COLORREF color : kProbeColours) {
                          Tools t(mono.Dc(), static_cast<HPEN>(GetStockObject(NULL_PEN)),
                                  CreateSolidBrush(color));
                          HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(mono.Dc(), OBJ_BRUSH));
                          PatBlt(mono.Dc(), 0, row, 3, 1, PATCOPY);
                          RECT rect = {3, row, 6, row + 1};
                          FillRect(mono.Dc(), &rect, brush);
                          HRGN region = CreateRectRgn(6, row, 9, row + 1);
                          FillRgn(mono.Dc(), region, brush);
                          DeleteObject(region);
                          Rectangle(mono.Dc(), 9, row, 13, row + 2);
                          ++row;
                      }
                      r.Pixels(mono.Dc(), 12, kRows);
                  });
            // Pens: one pixel, three pixels (clipped to the row), and dotted
            // in opaque mode, whose gaps are the background by its own rule.
            b.Add("dibmono", std::string("pens-") + table.name + "-bk" + Hex(background),
                  [table, background](Recorder& r) {
                      DibCanvas mono(14, kRows, 1, table.zero, table.one);
                      mono.FillRaw(1);
                      SetBkColor(mono.Dc(), background);
                      SetBkMode(mono.Dc(), OPAQUE);
                      int row = 0;
                      for (COLORREF color : kProbeColours) {
                          {
                              Tools t(mono.Dc(), CreatePen(PS_SOLID, 1, color), 0);
                              MoveToEx(mono.Dc(), 0, row, nullptr);
                              LineTo(mono.Dc(), 3, row);
                          }
                          {
                              Tools t(mono.Dc(), CreatePen(PS_SOLID, 3, color), 0);
                              HRGN clip = CreateRectRgn(3, row, 6, row + 1);
                              SelectClipRgn(mono.Dc(), clip);
                              MoveToEx(mono.Dc(), 3, row, nullptr);
                              LineTo(mono.Dc(), 6, row);
                              SelectClipRgn(mono.Dc(), 0);
                              DeleteObject(clip);
                          }
                          {
                              Tools t(mono.Dc(), CreatePen(PS_DOT, 1, color), 0);
                              MoveToEx(mono.Dc(), 6, row, nullptr);
                              LineTo(mono.Dc(), 14, row);
                          }
                          ++row;
                      }
                      r.Pixels(mono.Dc(), 14, kRows);
                  });
        }
        // Single pixels: the nearest entry, and SetPixel answers with it.
        b.Add("dibmono", std::string("pixels-") + table.name, [table](Recorder& r) {
            DibCanvas mono(kRows, 1, 1, table.zero, table.one);
            int x = 0;
            for (COLORREF color : kProbeColours) {
                const COLORREF set = SetPixel(mono.Dc(), x++, 0, color);
                r.Ret(("SetPixel-" + Hex(color)).c_str(), static_cast<long long>(set));
            }
            r.Pixels(mono.Dc(), kRows, 1);
        });
        // A device-dependent pattern brush shows the text and background
        // colours as their nearest entries.
        b.Add("dibmono", std::string("ddb-pattern-on-") + table.name, [table](Recorder& r) {
            const COLORREF* pairs = kBackgrounds;
            DibCanvas mono(16, 8, 1, table.zero, table.one);
            const WORD rows[8] = {0xAA, 0x55, 0xCC, 0x33, 0xF0, 0x0F, 0x81, 0x7E};
            HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
            Tools t(mono.Dc(), 0, CreatePatternBrush(pattern));
            for (int i = 0; i < 4; ++i) {
                SetTextColor(mono.Dc(), pairs[i]);
                SetBkColor(mono.Dc(), pairs[(i + 1) % 4]);
                r.Ret("PatBlt", PatBlt(mono.Dc(), 0, i * 2, 16, 2, PATCOPY));
            }
            DeleteObject(pattern);
            r.Pixels(mono.Dc(), 16, 8);
        });
        // Inverting flips the bits: the other entry.
        b.Add("dibmono", std::string("invert-") + table.name, [table](Recorder& r) {
            DibCanvas mono(12, 9, 1, table.zero, table.one);
            PaintBits(mono);
            RECT invert = {1, 1, 6, 5};
            r.Ret("InvertRect", InvertRect(mono.Dc(), &invert));
            RECT focus = {4, 3, 11, 9};
            r.Ret("DrawFocusRect", DrawFocusRect(mono.Dc(), &focus));
            r.Ret("PatBlt", PatBlt(mono.Dc(), 7, 0, 4, 2, DSTINVERT));
            r.Pixels(mono.Dc(), 12, 9);
        });
        // Icons: the mask and the image as black and white, as their nearest entries.
        b.Add("dibmono", std::string("icon-on-") + table.name, [table](Recorder& r) {
            Canvas mask(8, 8, RGB(0, 0, 0), true);
            PatBlt(mask.Dc(), 0, 0, 4, 8, WHITENESS);
            Canvas image(8, 8, RGB(0, 0, 0));
            PatBlt(image.Dc(), 0, 0, 8, 2, WHITENESS);
            PatBlt(image.Dc(), 2, 4, 4, 4, WHITENESS);
            ICONINFO info = {TRUE, 0, 0, mask.Bitmap(), image.Bitmap()};
            HICON icon = CreateIconIndirect(&info);
            DibCanvas mono(10, 10, 1, table.zero, table.one);
            PaintBits(mono);
            r.Ret("DrawIconEx", DrawIconEx(mono.Dc(), 1, 1, icon, 8, 8, 0, 0, DI_NORMAL));
            DestroyIcon(icon);
            r.Pixels(mono.Dc(), 10, 10);
        });
    }
}

void TableObjectScenes(Builder& b) {
    // A DIB section's colours as GetPixel shows them, and a compatible bitmap
    // of its DC: a DIB section of the same format and colours.
    b.Add("dibmono", "compatible-bitmap", [](Recorder& r) {
        DibCanvas model(4, 2, 1, kRose, kLeaf);
        HBITMAP bitmap = CreateCompatibleBitmap(model.Dc(), 6, 2);
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        r.Ret("bmBitsPixel", info.bmBitsPixel);
        r.Ret("bmBits", info.bmBits != nullptr);
        HDC dc = CreateCompatibleDC(model.Dc());
        HGDIOBJ previous = SelectObject(dc, bitmap);
        r.Ret("SetPixel", static_cast<long long>(SetPixel(dc, 1, 0, RGB(0, 255, 0))));
        Canvas c(6, 2);
        SetTextColor(c.Dc(), RGB(1, 2, 3));
        BitBlt(c.Dc(), 0, 0, 6, 2, dc, 0, 0, SRCCOPY);
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
        r.Pixels(c);
    });
    // A table of one entry: the second colour is black. A longer (version 5)
    // header has the table after it.
    b.Add("dibmono", "one-entry-table", [](Recorder& r) {
        DibCanvas mono(12, 9, 1, kRose, kLeaf, sizeof(BITMAPINFOHEADER), 1);
        PaintBits(mono);
        r.Pixels(mono.Dc(), 12, 9);
    });
    b.Add("dibmono", "v5-header-table", [](Recorder& r) {
        DibCanvas mono(12, 9, 1, kRose, kLeaf, 124);
        r.Ret("made", mono.Made());
        PaintBits(mono);
        r.Pixels(mono.Dc(), 12, 9);
    });
    // Copies: a DIB section copy keeps format and table; a device-dependent
    // copy is a colour bitmap in the table's colours, merged in colour when shrunk.
    for (int width : {12, 5, 17}) {
        for (UINT flags : {0u, UINT{LR_CREATEDIBSECTION}}) {
            b.Add("dibmono", "copyimage-" + Num(width) + (flags ? "-dib" : "-ddb"),
                  [width, flags](Recorder& r) {
                      DibCanvas source(12, 9, 1, kRose, kLeaf);
                      PaintBits(source);
                      HBITMAP copy =
                          static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, width, 9, flags));
                      BITMAP info = {};
                      GetObjectA(copy, sizeof info, &info);
                      r.Ret("bmBitsPixel", info.bmBitsPixel);
                      r.Ret("bmBits", info.bmBits != nullptr);
                      HDC dc = CreateCompatibleDC(Screen());
                      HGDIOBJ previous = SelectObject(dc, copy);
                      Canvas c(17, 9);
                      SetTextColor(c.Dc(), RGB(1, 2, 3));
                      SetBkColor(c.Dc(), RGB(4, 5, 6));
                      BitBlt(c.Dc(), 0, 0, width, 9, dc, 0, 0, SRCCOPY);
                      SelectObject(dc, previous);
                      DeleteDC(dc);
                      DeleteObject(copy);
                      r.Pixels(c);
                  });
        }
    }
    // A pattern brush from a DIB section shows its table's colours.
    b.Add("dibmono", "table-pattern-on-colour", [](Recorder& r) {
        DibCanvas tile(8, 8, 1, kRose, kLeaf);
        PaintBits(tile);
        Canvas c(12, 9);
        SetTextColor(c.Dc(), RGB(1, 2, 3));
        SetBkColor(c.Dc(), RGB(4, 5, 6));
        Tools t(c.Dc(), 0, CreatePatternBrush(tile.Bitmap()));
        r.Ret("PatBlt", PatBlt(c.Dc(), 1, 1, 10, 7, PATCOPY));
        r.Pixels(c);
    });
    // What the layer refuses: Windows dithers a pattern of its own colours
    // onto monochrome surfaces, and interpolates onto a 1-bpp DIB section by
    // a rule of its own.
    for (int ddb : {0, 1}) {
        for (int colourTile : {0, 1}) {
            b.Add("dibmono",
                  std::string(colourTile ? "colour" : "table") + "-pattern-on-" + (ddb ? "ddb" : "bw"),
                  [ddb, colourTile](Recorder& r) {
                      r.Exception("a pattern of its own colours on a monochrome surface: Windows dithers it, "
                                  "the layer refuses the call");
                      DibCanvas tableTile(8, 8, 1, kRose, kLeaf);
                      PaintBits(tableTile);
                      Canvas colourTileCanvas(8, 8);
                      PaintColours(colourTileCanvas.Dc(), 8, 8);
                      HBITMAP tile = colourTile ? colourTileCanvas.Bitmap() : tableTile.Bitmap();
                      DibCanvas table(12, 9, 1);
                      Canvas mono(12, 9, RGB(0, 0, 0), true);
                      HDC dest = ddb ? mono.Dc() : table.Dc();
                      Tools t(dest, 0, CreatePatternBrush(tile));
                      r.Ret("PatBlt", PatBlt(dest, 0, 0, 12, 9, PATCOPY));
                      r.Pixels(dest, 12, 9);
                  });
        }
    }
    b.Add("dibmono", "halftone-onto-table", [](Recorder& r) {
        r.Exception("HALFTONE onto a 1-bpp DIB section: Windows interpolates, the layer refuses the call");
        Canvas source(6, 4);
        PaintColours(source.Dc(), 6, 4);
        DibCanvas mono(12, 8, 1);
        SetStretchBltMode(mono.Dc(), HALFTONE);
        r.Ret("StretchBlt", StretchBlt(mono.Dc(), 0, 0, 12, 8, source.Dc(), 0, 0, 6, 4, SRCCOPY));
        r.Pixels(mono.Dc(), 12, 8);
    });
}

// ---- The top byte of 32-bit pixels ------------------------------------------

struct NamedRop {
    const char* name;
    DWORD rop;
};
constexpr NamedRop kNamedRops[] = {
    {"SRCCOPY", SRCCOPY},         {"SRCPAINT", SRCPAINT},   {"SRCAND", SRCAND},
    {"SRCINVERT", SRCINVERT},     {"SRCERASE", SRCERASE},   {"NOTSRCCOPY", NOTSRCCOPY},
    {"NOTSRCERASE", NOTSRCERASE}, {"MERGECOPY", MERGECOPY}, {"MERGEPAINT", MERGEPAINT},
    {"PATCOPY", PATCOPY},         {"PATPAINT", PATPAINT},   {"PATINVERT", PATINVERT},
    {"DSTINVERT", DSTINVERT},     {"BLACKNESS", BLACKNESS}, {"WHITENESS", WHITENESS},
    {"B8074A", 0x00B8074A}};

// Destination and source pixels with top bytes of every kind.
constexpr std::uint32_t kDestPixels[] = {0xCC5AC396, 0x005AC396, 0xFF102030, 0x80FFFFFF};
constexpr std::uint32_t kSourcePixels[] = {0xAB102030, 0x00405060, 0xFFFFFFFF, 0x01000000, 0x7F808080};

void FillDest(DibCanvas& c) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            c.Set(x, y, kDestPixels[(x + y) % 4]);
}
void FillSource(DibCanvas& c) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            c.Set(x, y, kSourcePixels[(x + 2 * y) % 5]);
}

void TopByteRopScenes(Builder& b) {
    for (const NamedRop& named : kNamedRops) {
        const DWORD rop = named.rop;
        // Sources: a DIB section and a device-dependent copy of it (which
        // keeps the top bytes), a monochrome bitmap (its colours have 0 there).
        for (int kind = 0; kind < 3; ++kind) {
            static const char* const kKinds[] = {"dib", "ddb", "mono"};
            b.Add("topbyte", std::string("bitblt-") + named.name + "-" + kKinds[kind],
                  [rop, kind](Recorder& r) {
                      DibCanvas source(8, 4, 32);
                      FillSource(source);
                      Canvas ddb(8, 4);
                      BitBlt(ddb.Dc(), 0, 0, 8, 4, source.Dc(), 0, 0, SRCCOPY);
                      Canvas mono(8, 4, RGB(0, 0, 0), true);
                      PatBlt(mono.Dc(), 0, 0, 3, 4, WHITENESS);
                      HDC from = kind == 0 ? source.Dc() : kind == 1 ? ddb.Dc() : mono.Dc();
                      DibCanvas c(8, 4, 32);
                      FillDest(c);
                      SetTextColor(c.Dc(), RGB(1, 2, 3));
                      SetBkColor(c.Dc(), RGB(4, 5, 6));
                      Tools t(c.Dc(), 0, CreateSolidBrush(RGB(0x80, 0x40, 0x20)));
                      r.Ret("BitBlt", BitBlt(c.Dc(), 0, 0, 8, 4, from, 0, 0, rop));
                      r.RawPixels(c);
                  });
        }
        // Through a pattern brush of a 32-bit DIB section: its top bytes take part.
        b.Add("topbyte", std::string("pattern-") + named.name, [rop](Recorder& r) {
            DibCanvas tile(8, 8, 32);
            for (int i = 0; i < 64; ++i)
                tile.Set(i % 8, i / 8, 0x77123456u + static_cast<std::uint32_t>(i) * 0x01010101u);
            DibCanvas source(8, 4, 32);
            FillSource(source);
            DibCanvas c(8, 4, 32);
            FillDest(c);
            Tools t(c.Dc(), 0, CreatePatternBrush(tile.Bitmap()));
            r.Ret("BitBlt", BitBlt(c.Dc(), 0, 0, 8, 4, source.Dc(), 0, 0, rop));
            r.RawPixels(c);
        });
        b.Add("topbyte", std::string("stretchdibits-") + named.name, [rop](Recorder& r) {
            std::uint32_t rows[4 * 4];
            for (int i = 0; i < 16; ++i)
                rows[i] = kSourcePixels[i % 5];
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = 4;
            info.bmiHeader.biHeight = -4;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            DibCanvas c(8, 4, 32);
            FillDest(c);
            Tools t(c.Dc(), 0, CreateSolidBrush(RGB(0x80, 0x40, 0x20)));
            // Success only: Wine 8 answers the header's signed height for
            // every operation but SRCCOPY, where our layer gives the rows copied.
            r.Ret("StretchDIBits",
                  StretchDIBits(c.Dc(), 0, 0, 4, 4, 0, 0, 4, 4, rows, &info, DIB_RGB_COLORS, rop) != 0);
            r.Ret("StretchDIBits-grown",
                  StretchDIBits(c.Dc(), 4, 0, 4, 4, 1, 1, 2, 2, rows, &info, DIB_RGB_COLORS, rop) != 0);
            r.RawPixels(c);
        });
    }
    // PatBlt: the operations without a source.
    for (DWORD rop :
         {PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS, DWORD{0x000F0001}, DWORD{0x00AF0229}}) {
        b.Add("topbyte", "patblt-" + Hex(rop), [rop](Recorder& r) {
            DibCanvas c(8, 4, 32);
            FillDest(c);
            Tools t(c.Dc(), 0, CreateSolidBrush(RGB(0x80, 0x40, 0x20)));
            r.Ret("PatBlt", PatBlt(c.Dc(), 0, 0, 8, 4, rop));
            r.RawPixels(c);
        });
    }
    // Stretching merges all 32 bits; HALFTONE interpolates the colour alone.
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE}) {
        for (DWORD rop : {SRCCOPY, SRCINVERT}) {
            b.Add("topbyte", "stretch-mode" + Num(mode) + "-" + Hex(rop), [mode, rop](Recorder& r) {
                DibCanvas source(10, 5, 32);
                FillSource(source);
                DibCanvas c(24, 8, 32);
                FillDest(c);
                SetStretchBltMode(c.Dc(), mode);
                r.Ret("shrink", StretchBlt(c.Dc(), 0, 0, 4, 3, source.Dc(), 0, 0, 10, 5, rop));
                r.Ret("grow", StretchBlt(c.Dc(), 4, 0, 13, 8, source.Dc(), 1, 1, 5, 3, rop));
                r.Ret("mirror", StretchBlt(c.Dc(), 23, 0, -6, 5, source.Dc(), 0, 0, 6, 5, rop));
                r.RawPixels(c);
            });
        }
    }
}

void TopByteDrawingScenes(Builder& b) {
    struct Drawing {
        const char* name;
        void (*draw)(HDC dc, Recorder& r);
    };
    static const Drawing kDrawings[] = {
        {"fillrect-solid",
         [](HDC dc, Recorder& r) {
             RECT rect = {1, 1, 7, 4};
             HBRUSH brush = CreateSolidBrush(RGB(0x80, 0x40, 0x20));
             r.Ret("FillRect", FillRect(dc, &rect, brush));
             DeleteObject(brush);
         }},
        {"fillrect-pattern",
         [](HDC dc, Recorder& r) {
             DibCanvas tile(8, 8, 32);
             for (int i = 0; i < 64; ++i)
                 tile.Set(i % 8, i / 8, 0x77123456u + static_cast<std::uint32_t>(i));
             HBRUSH brush = CreatePatternBrush(tile.Bitmap());
             RECT rect = {1, 1, 7, 4};
             r.Ret("FillRect", FillRect(dc, &rect, brush));
             DeleteObject(brush);
         }},
        {"framerect",
         [](HDC dc, Recorder& r) {
             RECT rect = {1, 0, 7, 4};
             HBRUSH brush = CreateSolidBrush(RGB(0x80, 0x40, 0x20));
             r.Ret("FrameRect", FrameRect(dc, &rect, brush));
             DeleteObject(brush);
         }},
        {"invertrect",
         [](HDC dc, Recorder& r) {
             RECT rect = {1, 1, 6, 3};
             r.Ret("InvertRect", InvertRect(dc, &rect));
         }},
        {"focusrect",
         [](HDC dc, Recorder& r) {
             RECT rect = {0, 0, 8, 4};
             r.Ret("DrawFocusRect", DrawFocusRect(dc, &rect));
         }},
        {"rectangle-ellipse",
         [](HDC dc, Recorder& r) {
             Tools t(dc, CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), CreateSolidBrush(RGB(0x80, 0x40, 0x20)));
             r.Ret("Rectangle", Rectangle(dc, 0, 0, 4, 4));
             r.Ret("Ellipse", Ellipse(dc, 4, 0, 8, 4));
         }},
        {"lines",
         [](HDC dc, Recorder& r) {
             {
                 Tools t(dc, CreatePen(PS_DOT, 1, RGB(1, 2, 3)), 0);
                 SetBkColor(dc, RGB(9, 9, 9));
                 MoveToEx(dc, 0, 0, nullptr);
                 r.Ret("dotted", LineTo(dc, 8, 0));
             }
             {
                 Tools t(dc, CreatePen(PS_SOLID, 2, RGB(1, 2, 3)), 0);
                 MoveToEx(dc, 0, 2, nullptr);
                 r.Ret("wide", LineTo(dc, 7, 2));
             }
             r.Ret("Arc", Arc(dc, 0, 1, 8, 5, 8, 1, 0, 1));
         }},
        {"pixels",
         [](HDC dc, Recorder& r) {
             r.Ret("SetPixel", static_cast<long long>(SetPixel(dc, 1, 1, RGB(1, 2, 3))));
             r.Ret("GetPixel", static_cast<long long>(GetPixel(dc, 0, 0)));
             r.Ret("GetPixel-top", static_cast<long long>(GetPixel(dc, 3, 0)));
         }},
        {"regions",
         [](HDC dc, Recorder& r) {
             HRGN region = CreateRectRgn(0, 0, 3, 2);
             HBRUSH brush = CreateSolidBrush(RGB(0x80, 0x40, 0x20));
             r.Ret("FillRgn", FillRgn(dc, region, brush));
             OffsetRgn(region, 0, 2);
             Tools t(dc, 0, CreateSolidBrush(RGB(1, 2, 3)));
             r.Ret("PaintRgn", PaintRgn(dc, region));
             SetRectRgn(region, 4, 0, 8, 4);
             r.Ret("FrameRgn", FrameRgn(dc, region, brush, 1, 1));
             DeleteObject(brush);
             DeleteObject(region);
         }},
        {"icon",
         [](HDC dc, Recorder& r) {
             // An image without alpha (top bytes 0): the mask applies.
             Canvas mask(8, 4, RGB(0, 0, 0), true);
             PatBlt(mask.Dc(), 0, 0, 4, 4, WHITENESS);
             DibCanvas image(8, 4, 32);
             for (int x = 0; x < 8; ++x)
                 for (int y = 0; y < 4; ++y)
                     image.Set(x, y, (x + y) % 3 ? 0x00FFFFFFu : 0x00204080u);
             ICONINFO info = {TRUE, 0, 0, mask.Bitmap(), image.Bitmap()};
             HICON icon = CreateIconIndirect(&info);
             r.Ret("DrawIconEx", DrawIconEx(dc, 0, 0, icon, 8, 4, 0, 0, DI_NORMAL));
             DestroyIcon(icon);
         }},
    };
    for (const Drawing& drawing : kDrawings) {
        b.Add("topbyte", drawing.name, [&drawing](Recorder& r) {
            DibCanvas c(8, 4, 32);
            FillDest(c);
            drawing.draw(c.Dc(), r);
            r.RawPixels(c);
        });
    }
    b.Add("topbyte", "icon-alpha", [](Recorder& r) {
        r.Exception("an icon image with alpha: Windows blends it, the layer refuses to draw its image");
        Canvas mask(4, 2, RGB(0, 0, 0), true);
        DibCanvas image(4, 2, 32);
        FillSource(image);
        ICONINFO info = {TRUE, 0, 0, mask.Bitmap(), image.Bitmap()};
        HICON icon = CreateIconIndirect(&info);
        DibCanvas c(4, 2, 32);
        FillDest(c);
        r.Ret("DrawIconEx", DrawIconEx(c.Dc(), 0, 0, icon, 4, 2, 0, 0, DI_NORMAL));
        DestroyIcon(icon);
        r.RawPixels(c);
    });
    // A device-dependent bitmap keeps the top bytes written to it.
    b.Add("topbyte", "ddb-keeps-top-bytes", [](Recorder& r) {
        DibCanvas source(8, 4, 32);
        FillSource(source);
        Canvas ddb(8, 4);
        BitBlt(ddb.Dc(), 0, 0, 8, 4, source.Dc(), 0, 0, SRCCOPY);
        PatBlt(ddb.Dc(), 0, 3, 8, 1, WHITENESS);
        DibCanvas c(8, 4, 32);
        r.Ret("BitBlt", BitBlt(c.Dc(), 0, 0, 8, 4, ddb.Dc(), 0, 0, SRCCOPY));
        r.RawPixels(c);
    });
    // Copies of the same size keep the top bytes; resized ones are interpolated.
    for (int width : {8, 5, 11}) {
        b.Add("topbyte", "copyimage-" + Num(width), [width](Recorder& r) {
            DibCanvas source(8, 4, 32);
            FillSource(source);
            HBITMAP copy = static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, width, 4, 0));
            HDC dc = CreateCompatibleDC(Screen());
            HGDIOBJ previous = SelectObject(dc, copy);
            DibCanvas c(11, 4, 32);
            FillDest(c);
            r.Ret("BitBlt", BitBlt(c.Dc(), 0, 0, width, 4, dc, 0, 0, SRCCOPY));
            SelectObject(dc, previous);
            DeleteDC(dc);
            DeleteObject(copy);
            r.RawPixels(c);
        });
    }
    // Colour onto monochrome compares all 32 bits with the background colour.
    b.Add("topbyte", "to-mono", [](Recorder& r) {
        DibCanvas source(8, 4, 32);
        FillSource(source);
        source.Set(0, 0, 0x00102030);
        source.Set(2, 1, 0x00102030);
        SetBkColor(source.Dc(), RGB(0x10, 0x20, 0x30));
        Canvas mono(8, 4, RGB(0, 0, 0), true);
        DibCanvas table(8, 4, 1);
        r.Ret("to-ddb", BitBlt(mono.Dc(), 0, 0, 8, 2, source.Dc(), 0, 0, SRCCOPY));
        r.Ret("to-dib", BitBlt(table.Dc(), 0, 2, 8, 2, source.Dc(), 0, 2, SRCCOPY));
        BitBlt(mono.Dc(), 0, 2, 8, 2, table.Dc(), 0, 2, SRCCOPY);
        r.Pixels(mono);
    });
}

// ---- Formats and colour forms -------------------------------------------------

// What a DIB section call answers; refused or not, nothing leaks.
long long TryDibSection(int headerSize, int bitCount, DWORD compression, UINT usage, int width, int height,
                        int planes = 1) {
    alignas(4) BYTE buffer[128 + 256 * sizeof(RGBQUAD)] = {};
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(buffer);
    header->biSize = static_cast<DWORD>(headerSize);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = static_cast<WORD>(planes);
    header->biBitCount = static_cast<WORD>(bitCount);
    header->biCompression = compression;
    if (compression == BI_BITFIELDS) {
        auto* masks = reinterpret_cast<DWORD*>(buffer + 40);
        masks[0] = 0xFF0000;
        masks[1] = 0xFF00;
        masks[2] = 0xFF;
    }
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(0, reinterpret_cast<BITMAPINFO*>(buffer), usage, &bits, 0, 0);
    const long long made = bitmap != 0 && bits != nullptr;
    DeleteObject(bitmap);
    return made;
}

long long TryBitmap(int planes, int bitCount) {
    HBITMAP bitmap = CreateBitmap(4, 4, static_cast<UINT>(planes), static_cast<UINT>(bitCount), nullptr);
    DeleteObject(bitmap);
    return bitmap != 0;
}

void FormatScenes(Builder& b) {
    // Bad input: refused by Windows and by the layer alike.
    b.Add("formats", "refused-bitmaps", [](Recorder& r) {
        r.Ret("CreateBitmap-planes2", TryBitmap(2, 32));
        r.Ret("CreateBitmap-33", TryBitmap(1, 33));
        r.Ret("CreateBitmap-64", TryBitmap(1, 64));
        for (int size : {0, 16, 39})
            r.Ret(("CreateDIBSection-size" + Num(size)).c_str(),
                  TryDibSection(size, 32, BI_RGB, DIB_RGB_COLORS, 4, 4));
        for (int bits : {0, 2, 33})
            r.Ret(("CreateDIBSection-bits" + Num(bits)).c_str(),
                  TryDibSection(40, bits, BI_RGB, DIB_RGB_COLORS, 4, 4));
        const DWORD compressions[] = {BI_RLE8, BI_RLE4, 4, 5};
        for (DWORD compression : compressions)
            r.Ret(("CreateDIBSection-compression" + Num(static_cast<int>(compression))).c_str(),
                  TryDibSection(40, 32, compression, DIB_RGB_COLORS, 4, 4));
        r.Ret("CreateDIBSection-planes0", TryDibSection(40, 32, BI_RGB, DIB_RGB_COLORS, 4, 4, 0));
        r.Ret("CreateDIBSection-planes2", TryDibSection(40, 32, BI_RGB, DIB_RGB_COLORS, 4, 4, 2));
        r.Ret("CreateDIBSection-usage2", TryDibSection(40, 32, BI_RGB, 2, 4, 4));
        r.Ret("CreateDIBSection-pal-1bpp", TryDibSection(40, 1, BI_RGB, DIB_PAL_COLORS, 4, 4));
        r.Ret("CreateDIBSection-width0", TryDibSection(40, 32, BI_RGB, DIB_RGB_COLORS, 0, 4));
        r.Ret("CreateDIBSection-width-4", TryDibSection(40, 32, BI_RGB, DIB_RGB_COLORS, -4, 4));
        r.Ret("CreateDIBSection-height0", TryDibSection(40, 32, BI_RGB, DIB_RGB_COLORS, 4, 0));
        r.Ret("CreateDIBSection-v4", TryDibSection(108, 32, BI_RGB, DIB_RGB_COLORS, 4, 4));
        r.Ret("CreateDIBSection-v5", TryDibSection(124, 32, BI_RGB, DIB_RGB_COLORS, 4, 4));
    });
    // Formats Windows makes and the layer does not implement: refused.
    b.Add("formats", "not-implemented-bitmaps", [](Recorder& r) {
        r.Exception("formats the layer does not implement: Windows makes them, the layer returns 0");
        for (int bits : {4, 8, 16, 24})
            r.Ret(("CreateBitmap-" + Num(bits)).c_str(), TryBitmap(1, bits));
        for (int bits : {4, 8, 16, 24})
            r.Ret(("CreateDIBSection-bits" + Num(bits)).c_str(),
                  TryDibSection(40, bits, BI_RGB, DIB_RGB_COLORS, 4, 4));
        r.Ret("CreateDIBSection-bitfields", TryDibSection(40, 32, BI_BITFIELDS, DIB_RGB_COLORS, 4, 4));
        r.Ret("CreateDIBSection-pal-32bpp", TryDibSection(40, 32, BI_RGB, DIB_PAL_COLORS, 4, 4));
        DibCanvas source(4, 2, 32);
        HBITMAP copy = static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, 4, 2, LR_MONOCHROME));
        r.Ret("CopyImage-monochrome", copy != 0);
        DeleteObject(copy);
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } info = {};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = 4;
        info.header.biHeight = 2;
        info.header.biPlanes = 1;
        info.header.biBitCount = 32;
        const std::uint32_t rows[8] = {};
        DibCanvas c(4, 2, 32);
        r.Ret("StretchDIBits-bottom-up",
              StretchDIBits(c.Dc(), 0, 0, 4, 2, 0, 0, 4, 2, rows, reinterpret_cast<BITMAPINFO*>(&info),
                            DIB_RGB_COLORS, SRCCOPY));
        info.header.biHeight = -2;
        info.header.biBitCount = 1;
        r.Ret("StretchDIBits-1bpp",
              StretchDIBits(c.Dc(), 0, 0, 4, 2, 0, 0, 4, 2, rows, reinterpret_cast<BITMAPINFO*>(&info),
                            DIB_RGB_COLORS, SRCCOPY));
    });
    // Colour forms that stand for their RGB value, as on Windows.
    b.Add("formats", "rgb-colour-forms", [](Recorder& r) {
        DibCanvas c(8, 1, 32);
        c.FillRaw(0xCC5AC396);
        const COLORREF forms[] = {PALETTERGB(0x56, 0x34, 0x12), 0x04123456, 0x80123456, 0xFE123456};
        int x = 0;
        for (COLORREF color : forms) {
            HBRUSH brush = CreateSolidBrush(color);
            RECT rect = {x, 0, x + 1, 1};
            r.Ret("FillRect", FillRect(c.Dc(), &rect, brush));
            DeleteObject(brush);
            r.Ret("SetPixel", static_cast<long long>(SetPixel(c.Dc(), x + 1, 0, color)));
            x += 2;
        }
        r.Ret("SetTextColor", SetTextColor(c.Dc(), PALETTERGB(1, 2, 3)) != CLR_INVALID);
        r.Ret("GetTextColor", static_cast<long long>(GetTextColor(c.Dc())));
        r.RawPixels(c);
    });
    // Palette and colour-table indexes: Windows draws the palette's colour,
    // the layer (without palettes) refuses them.
    b.Add("formats", "index-colour-forms", [](Recorder& r) {
        r.Exception("palette and colour-table indexes: Windows draws them, the layer refuses them");
        DibCanvas c(4, 1, 32);
        c.FillRaw(0xCC5AC396);
        const COLORREF forms[] = {PALETTEINDEX(5), DIBINDEX(1), 0x03123456, 0xFF123456};
        int x = 0;
        for (COLORREF color : forms) {
            HBRUSH brush = CreateSolidBrush(color);
            HPEN pen = CreatePen(PS_SOLID, 1, color);
            r.Ret("CreateSolidBrush", brush != 0);
            r.Ret("CreatePen", pen != 0);
            RECT rect = {x, 0, x + 1, 1};
            if (brush)
                FillRect(c.Dc(), &rect, brush);
            DeleteObject(brush);
            DeleteObject(pen);
            r.Ret("SetPixel", static_cast<long long>(SetPixel(c.Dc(), 3, 0, color)));
            r.Ret("SetTextColor", SetTextColor(c.Dc(), color) != CLR_INVALID);
            r.Ret("SetBkColor", SetBkColor(c.Dc(), color) != CLR_INVALID);
            ++x;
        }
        r.RawPixels(c);
    });
}

} // namespace

void PixelFormatScenes(Builder& b) {
    TableBlitScenes(b);
    TableDrawingScenes(b);
    TableObjectScenes(b);
    TopByteRopScenes(b);
    TopByteDrawingScenes(b);
    FormatScenes(b);
}

} // namespace gdi_reference
