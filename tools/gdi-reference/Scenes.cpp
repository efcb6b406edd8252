#include "Scenes.h"

#include "SceneKit.h"

namespace gdi_reference {

namespace {

struct PenKind {
    const char* name;
    int style;
    int width;
};
constexpr PenKind kPens[] = {{"solid1", PS_SOLID, 1}, {"solid2", PS_SOLID, 2}, {"solid3", PS_SOLID, 3},
                             {"dot", PS_DOT, 1},      {"null", PS_NULL, 1},    {"frame3", PS_INSIDEFRAME, 3}};

// ---- Lines -----------------------------------------------------------------

void LineScenes(Builder& b) {
    // Every direction from a centre, both ways round, and long shallow lines.
    const POINT ends[] = {{17, 10}, {17, 13}, {17, 17}, {13, 17}, {10, 17}, {7, 17}, {3, 17}, {3, 13},
                          {3, 10},  {3, 7},   {3, 3},   {7, 3},   {10, 3},  {13, 3}, {17, 3}, {17, 7},
                          {16, 12}, {12, 16}, {4, 14},  {15, 5},  {11, 18}, {18, 9}, {2, 11}, {9, 2}};
    for (const POINT& e : ends) {
        b.Add("lines", "dir-" + Num(e.x) + "," + Num(e.y), [e](Recorder& r) {
            Canvas c(21, 21);
            Tools t(c.Dc(), CreatePen(PS_SOLID, 1, kInk), 0);
            POINT previous;
            r.Ret("MoveToEx", MoveToEx(c.Dc(), 10, 10, &previous));
            r.Ret("LineTo", LineTo(c.Dc(), e.x, e.y));
            r.Pixels(c);
        });
    }
    const POINT longLines[][2] = {{{0, 0}, {40, 13}}, {{40, 13}, {0, 0}},    {{1, 14}, {38, 2}},
                                  {{38, 2}, {1, 14}}, {{0, 3}, {41, 6}},     {{41, 6}, {0, 3}},
                                  {{2, 0}, {9, 15}},  {{9, 15}, {2, 0}},     {{0, 0}, {42, 14}},
                                  {{42, 14}, {0, 0}}, {{-20, -5}, {60, 20}}, {{5, -30}, {30, 40}}};
    for (const auto& l : longLines) {
        const POINT a = l[0], z = l[1];
        b.Add("lines", "long-" + Quad(a.x, a.y, z.x, z.y), [a, z](Recorder& r) {
            Canvas c(43, 16);
            Tools t(c.Dc(), CreatePen(PS_SOLID, 1, kInk), 0);
            MoveToEx(c.Dc(), a.x, a.y, nullptr);
            r.Ret("LineTo", LineTo(c.Dc(), z.x, z.y));
            r.Pixels(c);
        });
    }
    // Wide and styled pens, both background modes.
    for (const PenKind& pen : kPens) {
        for (int mode : {OPAQUE, TRANSPARENT}) {
            if (mode == TRANSPARENT && pen.style != PS_DOT)
                continue;
            const std::string modeName = mode == OPAQUE ? "opaque" : "transparent";
            b.Add("lines", std::string("polyline-") + pen.name + "-" + modeName, [pen, mode](Recorder& r) {
                Canvas c(30, 22);
                Tools t(c.Dc(), CreatePen(pen.style, pen.width, kInk), 0);
                SetBkMode(c.Dc(), mode);
                SetBkColor(c.Dc(), kFill);
                const POINT points[] = {{2, 2}, {27, 2},  {27, 19}, {2, 19},
                                        {2, 3}, {20, 14}, {8, 17},  {14, 5}};
                r.Ret("Polyline", Polyline(c.Dc(), points, 8));
                r.Pixels(c);
            });
        }
    }
    // The bevel lines of a button face: two-segment polylines along the edges,
    // the lower one running to one pixel past the corner.
    struct Size {
        int w, h;
    };
    for (Size s : {Size{105, 21}, Size{139, 23}, Size{181, 21}, Size{12, 6}}) {
        for (int inset : {0, 1, 2}) {
            b.Add("lines", "bevel-" + Num(s.w) + "x" + Num(s.h) + "-inset" + Num(inset),
                  [s, inset](Recorder& r) {
                      Canvas c(s.w, s.h);
                      const int l = inset, t = inset, rr = s.w - 1 - inset, bb = s.h - 1 - inset;
                      {
                          Tools tools(c.Dc(), CreatePen(PS_SOLID, 1, RGB(255, 255, 255)), 0);
                          const POINT light[] = {{l, bb}, {l, t}, {rr, t}};
                          r.Ret("light", Polyline(c.Dc(), light, 3));
                      }
                      {
                          Tools tools(c.Dc(), CreatePen(PS_SOLID, 1, RGB(0, 0, 0)), 0);
                          const POINT dark[] = {{l, bb}, {rr, bb}, {rr, t - 1}};
                          r.Ret("dark", Polyline(c.Dc(), dark, 3));
                      }
                      r.Pixels(c);
                  });
        }
    }
    // Dotted focus-style lines and the dash phase over several LineTo calls.
    for (int mode : {OPAQUE, TRANSPARENT}) {
        b.Add("lines", std::string("dotted-lineto-") + (mode == OPAQUE ? "opaque" : "transparent"),
              [mode](Recorder& r) {
                  Canvas c(40, 12);
                  Tools t(c.Dc(), CreatePen(PS_DOT, 1, kInk), 0);
                  SetBkMode(c.Dc(), mode);
                  SetBkColor(c.Dc(), kFill);
                  MoveToEx(c.Dc(), 1, 1, nullptr);
                  LineTo(c.Dc(), 38, 1);
                  LineTo(c.Dc(), 38, 10);
                  MoveToEx(c.Dc(), 37, 10, nullptr);
                  LineTo(c.Dc(), 0, 10);
                  MoveToEx(c.Dc(), 3, 4, nullptr);
                  LineTo(c.Dc(), 30, 8);
                  r.Pixels(c);
              });
    }
    // Degenerate lines: no length, one pixel, outside the bitmap.
    const int degenerate[][4] = {{5, 5, 5, 5},   {5, 5, 6, 5},  {5, 5, 5, 6}, {-5, 3, -1, 3},
                                 {-3, -3, 3, 3}, {12, 2, 9, 2}, {15, 1, 4, 1}};
    for (const auto& d : degenerate) {
        for (int width : {1, 3}) {
            b.Add("lines", "degenerate-" + Quad(d[0], d[1], d[2], d[3]) + "-w" + Num(width),
                  [d, width](Recorder& r) {
                      Canvas c(12, 8);
                      Tools t(c.Dc(), CreatePen(PS_SOLID, width, kInk), 0);
                      MoveToEx(c.Dc(), d[0], d[1], nullptr);
                      r.Ret("LineTo", LineTo(c.Dc(), d[2], d[3]));
                      r.Pixels(c);
                  });
        }
    }
    // Wider pens: round tips joined by a band whose sides lie on whole pixels
    // (the 3-4-5 slope puts a five-pixel pen's sides exactly on them).
    struct WideEnd {
        int width;
        POINT end;
    };
    const WideEnd wideEnds[] = {{4, {17, 13}}, {4, {4, 15}},  {5, {13, 6}}, {5, {6, 13}},
                                {5, {18, 12}}, {6, {11, 18}}, {6, {3, 4}}};
    for (const WideEnd& e : wideEnds) {
        b.Add("lines", "wide" + Num(e.width) + "-" + Num(e.end.x) + "," + Num(e.end.y), [e](Recorder& r) {
            Canvas c(21, 21);
            Tools t(c.Dc(), CreatePen(PS_SOLID, e.width, kInk), 0);
            MoveToEx(c.Dc(), 10, 10, nullptr);
            r.Ret("LineTo", LineTo(c.Dc(), e.end.x, e.end.y));
            r.Pixels(c);
        });
    }
    // Round joins of wide polylines, sharp and shallow.
    for (int width : {4, 5}) {
        b.Add("lines", "polyline-joins-w" + Num(width), [width](Recorder& r) {
            Canvas c(30, 22);
            Tools t(c.Dc(), CreatePen(PS_SOLID, width, kInk), 0);
            const POINT points[] = {{3, 18}, {14, 3}, {25, 18}, {26, 10}, {8, 12}};
            r.Ret("Polyline", Polyline(c.Dc(), points, 5));
            r.Pixels(c);
        });
    }
    for (int width : {2, 3}) {
        for (const POINT& e : {POINT{17, 13}, POINT{13, 17}, POINT{3, 7}, POINT{17, 10}, POINT{10, 3}}) {
            b.Add("lines", "wide" + Num(width) + "-" + Num(e.x) + "," + Num(e.y), [e, width](Recorder& r) {
                Canvas c(21, 21);
                Tools t(c.Dc(), CreatePen(PS_SOLID, width, kInk), 0);
                MoveToEx(c.Dc(), 10, 10, nullptr);
                LineTo(c.Dc(), e.x, e.y);
                r.Pixels(c);
            });
        }
    }
}

// ---- Rectangles ---------------------------------------------------------------

void RectangleScenes(Builder& b) {
    const int boxes[][4] = {{3, 3, 3, 3},   {3, 3, 4, 4},   {3, 3, 5, 5},  {3, 3, 6, 6},
                            {3, 3, 4, 8},   {3, 3, 9, 4},   {2, 2, 12, 9}, {12, 9, 2, 2},
                            {-3, -2, 6, 5}, {8, 6, 20, 15}, {3, 3, 7, 10}, {1, 1, 13, 10}};
    for (const auto& box : boxes) {
        for (const PenKind& pen : kPens) {
            b.Add("rectangle", std::string(pen.name) + "-" + Quad(box[0], box[1], box[2], box[3]),
                  [box, pen](Recorder& r) {
                      Canvas c(14, 11);
                      Tools t(c.Dc(), CreatePen(pen.style, pen.width, kInk), CreateSolidBrush(kFill));
                      SetBkColor(c.Dc(), RGB(255, 255, 0));
                      r.Ret("Rectangle", Rectangle(c.Dc(), box[0], box[1], box[2], box[3]));
                      r.Pixels(c);
                  });
        }
    }
    // Five-pixel pens: corners take the pen's rounded tip; an inside-frame pen
    // on a box smaller than itself grows round the box's middle.
    const int wideBoxes[][4] = {{3, 3, 4, 4}, {3, 3, 5, 6}, {2, 2, 12, 9}, {3, 3, 11, 5}};
    for (const auto& box : wideBoxes) {
        for (const PenKind& pen : {PenKind{"solid5", PS_SOLID, 5}, PenKind{"frame5", PS_INSIDEFRAME, 5}}) {
            b.Add("rectangle", std::string(pen.name) + "-" + Quad(box[0], box[1], box[2], box[3]),
                  [box, pen](Recorder& r) {
                      Canvas c(14, 11);
                      Tools t(c.Dc(), CreatePen(pen.style, pen.width, kInk), CreateSolidBrush(kFill));
                      r.Ret("Rectangle", Rectangle(c.Dc(), box[0], box[1], box[2], box[3]));
                      r.Pixels(c);
                  });
        }
    }
    b.Add("rectangle", "hollow-brush", [](Recorder& r) {
        Canvas c(14, 11);
        Tools t(c.Dc(), CreatePen(PS_SOLID, 1, kInk), 0);
        HGDIOBJ old = SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
        r.Ret("Rectangle", Rectangle(c.Dc(), 2, 2, 11, 9));
        SelectObject(c.Dc(), old);
        r.Pixels(c);
    });
    // The control's filled bands: outline and fill in one colour, and a dotted border.
    for (int style : {PS_SOLID, PS_DOT}) {
        b.Add("rectangle", std::string("button-105x21-") + (style == PS_SOLID ? "solid" : "dot"),
              [style](Recorder& r) {
                  Canvas c(105, 21);
                  Tools t(c.Dc(), CreatePen(style, 1, RGB(0, 0, 0)), CreateSolidBrush(RGB(212, 208, 200)));
                  SetBkMode(c.Dc(), TRANSPARENT);
                  r.Ret("Rectangle", Rectangle(c.Dc(), 0, 0, 105, 21));
                  r.Ret("Rectangle", Rectangle(c.Dc(), 4, 4, 101, 17));
                  r.Pixels(c);
              });
    }
}

// ---- Ellipses and arcs ---------------------------------------------------------

void EllipseScenes(Builder& b) {
    struct Box {
        int l, t, r, b;
    };
    // An ellipse of the box, outlined by the pen and filled, on a 15 x 12 canvas.
    const auto addEllipse = [&b](const Box& e, const PenKind& pen) {
        b.Add("ellipse", std::string(pen.name) + "-" + Quad(e.l, e.t, e.r, e.b), [e, pen](Recorder& r) {
            Canvas c(15, 12);
            Tools t(c.Dc(), CreatePen(pen.style, pen.width, kInk), CreateSolidBrush(kFill));
            r.Ret("Ellipse", Ellipse(c.Dc(), e.l, e.t, e.r, e.b));
            r.Pixels(c);
        });
    };
    const Box small[] = {{2, 2, 2, 2}, {2, 2, 3, 3},  {2, 2, 4, 4},   {2, 2, 5, 5},  {2, 2, 6, 6},
                         {2, 2, 7, 7}, {2, 2, 8, 8},  {2, 2, 9, 5},   {2, 2, 12, 8}, {1, 1, 14, 10},
                         {2, 2, 3, 9}, {13, 9, 1, 1}, {-4, -3, 8, 7}, {2, 2, 11, 11}};
    for (const Box& e : small) {
        for (const PenKind& pen : kPens) {
            addEllipse(e, pen);
        }
    }
    // Wider pens, centred and inside the frame, on boxes of both parities.
    const PenKind widePens[] = {{"solid4", PS_SOLID, 4},
                                {"solid5", PS_SOLID, 5},
                                {"frame4", PS_INSIDEFRAME, 4},
                                {"frame5", PS_INSIDEFRAME, 5}};
    for (const Box& e : {Box{2, 2, 12, 8}, Box{1, 1, 14, 10}, Box{-4, -3, 8, 7}, Box{3, 2, 12, 11}}) {
        for (const PenKind& pen : widePens) {
            addEllipse(e, pen);
        }
    }
    struct Size {
        int w, h;
    };
    // Narrow, tall boxes: the outline runs along the vertical axis. Drawn
    // without a brush: on rows the outline leaves empty the reference fills
    // across the whole bitmap at some positions (outside the box, which no
    // Windows shape does).
    for (Size s : {Size{2, 20}, Size{3, 12}, Size{4, 13}, Size{4, 18}}) {
        for (const PenKind& pen : {kPens[0], kPens[1], kPens[5]}) {
            b.Add("ellipse", std::string("narrow-") + pen.name + "-" + Num(s.w) + "x" + Num(s.h),
                  [s, pen](Recorder& r) {
                      Canvas c(12, 24);
                      Tools t(c.Dc(), CreatePen(pen.style, pen.width, kInk), 0);
                      HGDIOBJ old = SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
                      r.Ret("Ellipse", Ellipse(c.Dc(), 4, 2, 4 + s.w, 2 + s.h));
                      SelectObject(c.Dc(), old);
                      r.Pixels(c);
                  });
        }
    }
    for (Size s : {Size{105, 21}, Size{139, 23}, Size{181, 21}}) {
        for (int inset : {0, 1, 2}) {
            for (const char* pen : {"solid1", "null"}) {
                const bool isNull = pen[0] == 'n';
                b.Add("ellipse",
                      std::string("button-") + pen + "-" + Num(s.w) + "x" + Num(s.h) + "-inset" + Num(inset),
                      [s, inset, isNull](Recorder& r) {
                          Canvas c(s.w, s.h);
                          Tools t(c.Dc(), CreatePen(isNull ? PS_NULL : PS_SOLID, 1, kInk),
                                  CreateSolidBrush(kFill));
                          r.Ret("Ellipse", Ellipse(c.Dc(), inset, inset, s.w - inset, s.h - inset));
                          r.Pixels(c);
                      });
            }
        }
    }
    // Arcs: quarter, half, nearly full and whole, counter-clockwise as Windows draws them.
    const int arcs[][4] = {{20, 7, 10, 0},   {10, 0, 20, 7}, {0, 7, 20, 7}, {20, 8, 20, 6},
                           {10, 14, 10, 14}, {3, 1, 17, 13}, {0, 0, 0, 14}, {25, 3, -5, 3}};
    for (const auto& a : arcs) {
        for (const PenKind& pen : {kPens[0], kPens[3], kPens[1], PenKind{"solid4", PS_SOLID, 4}}) {
            const int style = pen.style, width = pen.width;
            b.Add("arc", std::string(pen.name) + "-" + Quad(a[0], a[1], a[2], a[3]),
                  [a, style, width](Recorder& r) {
                      Canvas c(22, 16);
                      Tools t(c.Dc(), CreatePen(style, width, kInk), 0);
                      SetBkColor(c.Dc(), kFill);
                      r.Ret("Arc", Arc(c.Dc(), 1, 1, 21, 15, a[0], a[1], a[2], a[3]));
                      r.Pixels(c);
                  });
        }
    }
    // Thin arcs on a box of odd sides, where the rounded-down centre, the
    // pixels' inner corners and the middle row decide the cut: quarters from
    // the axes, diagonals, two points on one ray of the exact centre, a point
    // on the centre, two rays between the same two pixels, left to right.
    const int thin[][4] = {{30, 8, 11, 0}, {11, 0, 0, 8},   {0, 8, 11, 24}, {11, 24, 30, 8}, {19, 0, 3, 16},
                           {13, 9, 11, 0}, {19, 11, 11, 0}, {11, 8, 0, 8},  {51, 7, 51, 5},  {0, 8, 30, 8}};
    for (const auto& a : thin) {
        for (const PenKind& pen : {kPens[0], kPens[3]}) {
            const int style = pen.style;
            b.Add("arc", std::string("thin-") + pen.name + "-" + Quad(a[0], a[1], a[2], a[3]),
                  [a, style](Recorder& r) {
                      Canvas c(24, 18);
                      Tools t(c.Dc(), CreatePen(style, 1, kInk), 0);
                      SetBkColor(c.Dc(), kFill);
                      r.Ret("Arc", Arc(c.Dc(), 1, 1, 22, 16, a[0], a[1], a[2], a[3]));
                      r.Pixels(c);
                  });
        }
    }
    b.Add("arc", "design-ellipse-105x21", [](Recorder& r) {
        Canvas c(105, 21);
        Tools t(c.Dc(), CreatePen(PS_SOLID, 1, RGB(0, 0, 0)), 0);
        r.Ret("Arc", Arc(c.Dc(), 0, 0, 104, 20, 0, 10, 0, 10));
        r.Pixels(c);
    });
}

// ---- Regions -------------------------------------------------------------------

void RegionScenes(Builder& b) {
    struct Box {
        int l, t, r, b;
    };
    const Box ellipses[] = {{0, 0, 0, 0},   {0, 0, 1, 1}, {0, 0, 2, 2},   {0, 0, 3, 3},   {0, 0, 4, 4},
                            {0, 0, 5, 5},   {0, 0, 6, 6}, {0, 0, 7, 7},   {0, 0, 8, 8},   {0, 0, 9, 9},
                            {0, 0, 2, 7},   {0, 0, 9, 3}, {1, 1, 16, 11}, {16, 11, 1, 1}, {-5, -4, 8, 6},
                            {0, 0, 13, 12}, {0, 0, 1, 9}, {0, 0, 17, 2}};
    for (const Box& e : ellipses) {
        b.Add("region", "ellipse-" + Quad(e.l, e.t, e.r, e.b), [e](Recorder& r) {
            HRGN rgn = CreateEllipticRgn(e.l, e.t, e.r, e.b);
            r.Box("rgn", rgn);
            r.RegionPixels(rgn, 18, 13);
            DeleteObject(rgn);
        });
    }
    struct Size {
        int w, h;
    };
    const Size buttons[] = {{105, 21}, {139, 23}, {181, 21}};
    for (Size s : buttons) {
        for (int inset : {0, 1, 2}) {
            b.Add("region", "ellipse-button-" + Num(s.w) + "x" + Num(s.h) + "-inset" + Num(inset),
                  [s, inset](Recorder& r) {
                      HRGN rgn = CreateEllipticRgn(inset, inset, s.w - inset, s.h - inset);
                      r.Box("rgn", rgn);
                      r.RegionPixels(rgn, s.w + 1, s.h + 1);
                      DeleteObject(rgn);
                  });
        }
    }
    // Rectangular buttons with style-2 corner cuts: triangles removed with RGN_DIFF.
    for (Size s : {Size{105, 21}, Size{139, 23}, Size{181, 21}, Size{10, 6}}) {
        b.Add("region", "corner-cuts-" + Num(s.w) + "x" + Num(s.h), [s](Recorder& r) {
            const int W = s.w, H = s.h;
            HRGN rgn = CreateRectRgn(0, 0, W + 1, H + 1);
            const POINT cuts[4][3] = {{{0, 0}, {2, 0}, {0, 2}},
                                      {{0, H}, {3, H}, {0, H - 3}},
                                      {{W, 0}, {W - 2, 0}, {W, 2}},
                                      {{W, H}, {W - 3, H}, {W, H - 3}}};
            for (const auto& cut : cuts) {
                HRGN piece = CreatePolygonRgn(cut, 3, WINDING);
                r.Box("cut", piece);
                r.Ret("CombineRgn", CombineRgn(rgn, rgn, piece, RGN_DIFF));
                DeleteObject(piece);
            }
            r.Box("rgn", rgn);
            r.RegionPixels(rgn, W + 2, H + 2);
            DeleteObject(rgn);
        });
    }
    // Slanted and parallelogram buttons (WINDING polygons).
    for (Size s : {Size{100, 30}, Size{105, 21}, Size{40, 30}, Size{12, 5}}) {
        for (int shape : {1, 2, 3}) {
            b.Add("region", "slant" + Num(shape) + "-" + Num(s.w) + "x" + Num(s.h), [s, shape](Recorder& r) {
                const int W = s.w, H = s.h, k = H + 1, m = W - k;
                POINT p[4] = {{0, 0}, {0, H + 1}, {W + 1, H + 1}, {W + 1, 0}};
                if (shape != 2)
                    p[1].x = k;
                if (shape != 1)
                    p[3].x = m + 1;
                HRGN rgn = CreatePolygonRgn(p, 4, WINDING);
                r.Box("rgn", rgn);
                r.RegionPixels(rgn, W + 2, H + 2);
                DeleteObject(rgn);
            });
        }
    }
    // Small and degenerate polygons, both fill modes.
    struct Poly {
        const char* name;
        std::vector<POINT> points;
    };
    const Poly polys[] = {
        {"tri-2", {{0, 0}, {2, 0}, {0, 2}}},
        {"tri-3", {{0, 0}, {3, 0}, {0, 3}}},
        {"tri-3-up", {{0, 6}, {3, 6}, {0, 3}}},
        {"tri-3-right", {{9, 6}, {6, 6}, {9, 3}}},
        {"tri-2-right", {{9, 0}, {7, 0}, {9, 2}}},
        {"tri-1", {{4, 4}, {5, 4}, {4, 5}}},
        {"tri-slope", {{1, 1}, {14, 3}, {5, 11}}},
        {"tri-thin", {{0, 0}, {15, 1}, {15, 0}}},
        {"diamond", {{7, 0}, {14, 6}, {7, 12}, {0, 6}}},
        {"star", {{8, 0}, {12, 12}, {1, 4}, {15, 4}, {4, 12}}},
        {"bowtie", {{0, 0}, {15, 11}, {15, 0}, {0, 11}}},
        {"collinear", {{0, 0}, {5, 5}, {10, 10}}},
        {"two-points", {{0, 0}, {10, 10}}},
        {"one-point", {{3, 3}}},
        {"square-reversed", {{10, 8}, {2, 8}, {2, 2}, {10, 2}}},
        {"outside", {{-5, -5}, {8, -5}, {8, 20}}},
        {"double-loop", {{1, 1}, {14, 1}, {14, 11}, {1, 11}, {1, 1}, {14, 1}, {14, 11}, {1, 11}}},
    };
    for (const Poly& p : polys) {
        for (int mode : {ALTERNATE, WINDING}) {
            b.Add("region", std::string("polygon-") + p.name + (mode == WINDING ? "-winding" : "-alternate"),
                  [p, mode](Recorder& r) {
                      HRGN rgn = CreatePolygonRgn(p.points.data(), static_cast<int>(p.points.size()), mode);
                      r.Ret("created", rgn != 0);
                      if (rgn) {
                          r.Box("rgn", rgn);
                          r.RegionPixels(rgn, 16, 13);
                          DeleteObject(rgn);
                      }
                  });
        }
    }
    // Combination in every mode, of a rectangle and an ellipse, and of disjoint parts.
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
        b.Add("region", "combine-" + Num(mode), [mode](Recorder& r) {
            HRGN a = CreateEllipticRgn(1, 1, 15, 12);
            HRGN c = CreateRectRgn(6, 3, 18, 9);
            HRGN dest = CreateRectRgn(0, 0, 0, 0);
            r.Ret("CombineRgn", CombineRgn(dest, a, c, mode));
            r.Box("dest", dest);
            r.RegionPixels(dest, 19, 13);
            HRGN distant = CreateRectRgn(30, 30, 32, 32);
            r.Ret("CombineRgn-far", CombineRgn(dest, c, distant, mode));
            r.Box("far", dest);
            HRGN empty = CreateRectRgn(5, 5, 5, 5);
            r.Ret("CombineRgn-empty", CombineRgn(dest, empty, empty, mode));
            r.Box("empty", dest);
            DeleteObject(a);
            DeleteObject(c);
            DeleteObject(distant);
            DeleteObject(empty);
            DeleteObject(dest);
        });
    }
    // Tall, narrow ellipses: how the outline's trace ends in the middle columns.
    for (const Box& e : {Box{0, 0, 4, 22}, Box{0, 0, 5, 20}, Box{1, 0, 8, 23}}) {
        b.Add("region", "ellipse-tall-" + Quad(e.l, e.t, e.r, e.b), [e](Recorder& r) {
            HRGN rgn = CreateEllipticRgn(e.l, e.t, e.r, e.b);
            r.Box("rgn", rgn);
            r.RegionPixels(rgn, 9, 24);
            DeleteObject(rgn);
        });
    }
    // Elliptic regions keep a rectangle per row: their type, equality and
    // rectangle counts, also through combinations that hand back an operand.
    b.Add("region", "ellipse-rows", [](Recorder& r) {
        const auto count = [](HRGN rgn) {
            std::vector<char> data(GetRegionData(rgn, 0, nullptr));
            if (data.size() < sizeof(RGNDATAHEADER))
                return -1;
            GetRegionData(rgn, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
            return static_cast<int>(reinterpret_cast<const RGNDATA*>(data.data())->rdh.nCount);
        };
        HRGN square = CreateEllipticRgn(0, 0, 3, 3);
        HRGN same = CreateRectRgn(0, 0, 2, 2);
        HRGN empty = CreateRectRgn(0, 0, 0, 0);
        HRGN result = CreateRectRgn(0, 0, 0, 0);
        HRGN wide = CreateEllipticRgn(0, 0, 6, 3);
        r.Box("square", square);
        r.Box("wide", wide);
        r.Ret("EqualRgn", EqualRgn(square, same));
        r.Ret("rects", count(square));
        r.Ret("CombineRgn-or-empty", CombineRgn(result, square, empty, RGN_OR));
        r.Ret("rects-or-empty", count(result));
        r.Ret("CombineRgn-and-rect", CombineRgn(result, square, same, RGN_AND));
        r.Ret("rects-and-rect", count(result));
        r.Ret("CombineRgn-or-self", CombineRgn(result, wide, wide, RGN_OR));
        r.Ret("rects-or-self", count(result));
        for (HRGN rgn : {square, same, empty, result, wide})
            DeleteObject(rgn);
    });
    b.Add("region", "queries", [](Recorder& r) {
        HRGN rgn = CreateRectRgn(2, 3, 9, 7);
        r.Ret("OffsetRgn", OffsetRgn(rgn, 3, -2));
        r.Box("moved", rgn);
        r.Ret("SetRectRgn-empty", SetRectRgn(rgn, 4, 4, 4, 9));
        r.Box("empty", rgn);
        r.Ret("SetRectRgn-reversed", SetRectRgn(rgn, 9, 8, 2, 1));
        r.Box("reversed", rgn);
        HRGN other = CreateRectRgn(2, 1, 9, 8);
        r.Ret("EqualRgn", EqualRgn(rgn, other));
        r.Ret("PtInRegion-in", PtInRegion(rgn, 2, 1));
        r.Ret("PtInRegion-out", PtInRegion(rgn, 9, 8));
        HRGN tiny = CreateEllipticRgn(0, 0, 1, 1);
        r.Box("ellipse-1", tiny);
        HRGN reversed = CreateRectRgn(9, 8, 2, 1);
        r.Box("rect-reversed", reversed);
        DeleteObject(rgn);
        DeleteObject(other);
        DeleteObject(tiny);
        DeleteObject(reversed);
    });
    // Painting regions: FrameRgn and FillRgn, and clipping to regions.
    for (Size s : {Size{105, 21}, Size{20, 12}}) {
        for (int inset : {0, 1}) {
            b.Add("region", "frame-ellipse-" + Num(s.w) + "x" + Num(s.h) + "-inset" + Num(inset),
                  [s, inset](Recorder& r) {
                      Canvas c(s.w, s.h);
                      HRGN rgn = CreateEllipticRgn(inset, inset, s.w - inset, s.h - inset);
                      HBRUSH brush = CreateSolidBrush(RGB(0, 0, 0));
                      r.Ret("FrameRgn", FrameRgn(c.Dc(), rgn, brush, 1, 1));
                      DeleteObject(brush);
                      DeleteObject(rgn);
                      r.Pixels(c);
                  });
        }
    }
    for (int fw : {1, 2, 3}) {
        b.Add("region", "frame-cuts-" + Num(fw), [fw](Recorder& r) {
            Canvas c(22, 14);
            HRGN rgn = CreateRectRgn(1, 1, 21, 13);
            const POINT cut[] = {{1, 1}, {4, 1}, {1, 4}};
            HRGN piece = CreatePolygonRgn(cut, 3, WINDING);
            CombineRgn(rgn, rgn, piece, RGN_DIFF);
            HRGN hole = CreateEllipticRgn(8, 4, 15, 10);
            CombineRgn(rgn, rgn, hole, RGN_DIFF);
            HBRUSH brush = CreateSolidBrush(kInk);
            r.Ret("FrameRgn", FrameRgn(c.Dc(), rgn, brush, fw, 1));
            HBRUSH fill = CreateSolidBrush(kFill);
            r.Ret("FillRgn", FillRgn(c.Dc(), hole, fill));
            DeleteObject(brush);
            DeleteObject(fill);
            DeleteObject(piece);
            DeleteObject(hole);
            DeleteObject(rgn);
            r.Pixels(c);
        });
    }
    const char* clipOps[] = {"patblt", "bitblt", "fillrect", "rectangle", "lineto", "framergn"};
    for (int op = 0; op < 6; ++op) {
        b.Add("region", std::string("clip-") + clipOps[op], [op](Recorder& r) {
            Canvas c(24, 14);
            Canvas source(24, 14, RGB(0, 0, 255));
            HRGN clip = CreateEllipticRgn(1, 1, 23, 13);
            const POINT cut[] = {{0, 0}, {8, 0}, {0, 8}};
            HRGN piece = CreatePolygonRgn(cut, 3, WINDING);
            CombineRgn(clip, clip, piece, RGN_DIFF);
            r.Ret("SelectClipRgn", SelectClipRgn(c.Dc(), clip));
            Tools t(c.Dc(), CreatePen(PS_SOLID, 1, kInk), CreateSolidBrush(kFill));
            RECT all = {-2, -2, 30, 20};
            HBRUSH ink = CreateSolidBrush(kInk);
            HRGN frame = CreateRectRgn(2, 2, 22, 12);
            switch (op) {
            case 0:
                r.Ret("PatBlt", PatBlt(c.Dc(), -2, -2, 30, 20, PATCOPY));
                break;
            case 1:
                r.Ret("BitBlt", BitBlt(c.Dc(), 0, 0, 24, 14, source.Dc(), 0, 0, SRCCOPY));
                break;
            case 2:
                r.Ret("FillRect", FillRect(c.Dc(), &all, ink));
                break;
            case 3:
                r.Ret("Rectangle", Rectangle(c.Dc(), 0, 0, 24, 14));
                break;
            case 4:
                MoveToEx(c.Dc(), 0, 0, nullptr);
                r.Ret("LineTo", LineTo(c.Dc(), 24, 14));
                break;
            default:
                r.Ret("FrameRgn", FrameRgn(c.Dc(), frame, ink, 2, 2));
                break;
            }
            HRGN copy = CreateRectRgn(0, 0, 0, 0);
            r.Ret("GetClipRgn", GetClipRgn(c.Dc(), copy));
            r.Box("clip", copy);
            SelectClipRgn(c.Dc(), 0);
            DeleteObject(copy);
            DeleteObject(frame);
            DeleteObject(ink);
            DeleteObject(piece);
            DeleteObject(clip);
            r.Pixels(c);
        });
    }
}

// ---- Blits ------------------------------------------------------------------

// A colour picture with distinct pixels, and a monochrome one.
void PaintSource(HDC dc, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            SetPixel(dc, x, y,
                     RGB((x * 37 + y * 11) & 0xFF, (x * 13 + y * 71) & 0xF0, ((x ^ y) * 29) & 0xFF));
    }
}
void PaintMonoSource(HDC dc, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            SetPixel(dc, x, y, ((x * 3 + y * 5) % 7) < 3 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
}
HBITMAP PatternBitmap(bool mono) {
    if (mono) {
        const WORD rows[8] = {0xAA, 0x55, 0xCC, 0x33, 0xF0, 0x0F, 0x81, 0x7E};
        return CreateBitmap(8, 8, 1, 1, rows);
    }
    HBITMAP bitmap = CreateCompatibleBitmap(Screen(), 8, 8);
    HDC dc = CreateCompatibleDC(Screen());
    HGDIOBJ old = SelectObject(dc, bitmap);
    PaintSource(dc, 8, 8);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

void BlitScenes(Builder& b) {
    const DWORD patternRops[] = {PATCOPY,    PATINVERT,  DSTINVERT,  BLACKNESS,  WHITENESS,  0x000F0001,
                                 0x00A000C9, 0x00FA0089, 0x000A0329, 0x00AF0229, 0x00500325, 0x005F00E9};
    for (DWORD rop : patternRops) {
        for (int mono : {0, 1}) {
            char name[40];
            std::snprintf(name, sizeof name, "patblt-%06lX-%s", static_cast<unsigned long>(rop),
                          mono ? "mono" : "colour");
            b.Add("blit", name, [rop, mono](Recorder& r) {
                Canvas c(19, 13);
                PaintSource(c.Dc(), 19, 13);
                HBITMAP pattern = PatternBitmap(mono != 0);
                Tools t(c.Dc(), 0, CreatePatternBrush(pattern));
                SetTextColor(c.Dc(), RGB(200, 30, 90));
                SetBkColor(c.Dc(), RGB(20, 240, 60));
                r.Ret("PatBlt", PatBlt(c.Dc(), 1, 2, 16, 10, rop));
                r.Ret("PatBlt-negative", PatBlt(c.Dc(), 18, 12, -3, -2, rop));
                r.Pixels(c);
                DeleteObject(pattern);
            });
        }
    }
    // BitBlt colour to colour through the control's raster operations and a few more.
    const DWORD sourceRops[] = {SRCCOPY,    SRCAND,      SRCPAINT,   SRCINVERT, 0x00220326,
                                0x00B8074A, MERGECOPY,   NOTSRCCOPY, SRCERASE,  MERGEPAINT,
                                0x00E20746, NOTSRCERASE, PATPAINT};
    for (DWORD rop : sourceRops) {
        char name[40];
        std::snprintf(name, sizeof name, "bitblt-%06lX", static_cast<unsigned long>(rop));
        b.Add("blit", name, [rop](Recorder& r) {
            Canvas source(12, 9);
            PaintSource(source.Dc(), 12, 9);
            Canvas c(16, 12, RGB(0x5A, 0xC3, 0x96));
            Tools t(c.Dc(), 0, CreateSolidBrush(RGB(128, 128, 128)));
            r.Ret("BitBlt", BitBlt(c.Dc(), 2, 1, 12, 9, source.Dc(), 0, 0, rop));
            r.Ret("BitBlt-clipped", BitBlt(c.Dc(), -3, 8, 8, 6, source.Dc(), 7, 5, rop));
            r.Pixels(c);
        });
    }
    // Monochrome to colour: 0 bits take the text colour, 1 bits the background colour.
    for (DWORD rop : {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT}) {
        char name[40];
        std::snprintf(name, sizeof name, "mono-to-colour-%06lX", static_cast<unsigned long>(rop));
        b.Add("blit", name, [rop](Recorder& r) {
            Canvas source(12, 9, RGB(0, 0, 0), true);
            PaintMonoSource(source.Dc(), 12, 9);
            Canvas c(14, 11, RGB(0x5A, 0xC3, 0x96));
            SetTextColor(c.Dc(), RGB(200, 30, 90));
            SetBkColor(c.Dc(), RGB(20, 240, 60));
            r.Ret("BitBlt", BitBlt(c.Dc(), 1, 1, 12, 9, source.Dc(), 0, 0, rop));
            r.Pixels(c);
        });
    }
    // Colour to monochrome: pixels of the source's background colour become 1.
    for (COLORREF key : {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 0, 255)}) {
        char name[40];
        std::snprintf(name, sizeof name, "colour-to-mono-%06lX", static_cast<unsigned long>(key));
        b.Add("blit", name, [key](Recorder& r) {
            Canvas source(12, 9, key);
            PaintSource(source.Dc(), 6, 9);
            SetPixel(source.Dc(), 8, 3, RGB(254, 255, 255));
            SetBkColor(source.Dc(), key);
            Canvas mono(12, 9, RGB(0, 0, 0), true);
            r.Ret("BitBlt", BitBlt(mono.Dc(), 0, 0, 12, 9, source.Dc(), 0, 0, SRCCOPY));
            r.Pixels(mono);
        });
    }
    b.Add("blit", "mono-patblt-colours", [](Recorder& r) {
        Canvas mono(12, 6, RGB(0, 0, 0), true);
        const COLORREF colors[] = {RGB(255, 255, 255), RGB(128, 128, 128), RGB(127, 127, 127),
                                   RGB(200, 20, 20),   RGB(0, 0, 0),       RGB(20, 200, 200)};
        for (int row = 0; row < 6; ++row) {
            Tools t(mono.Dc(), 0, CreateSolidBrush(colors[row]));
            PatBlt(mono.Dc(), 0, row, 12, 1, PATCOPY);
        }
        r.Pixels(mono);
    });
    // Pens and single pixels on a monochrome bitmap: pens of other colours than
    // black and white depend on the background colour, pixels take the nearer.
    b.Add("blit", "mono-pens-and-pixels", [](Recorder& r) {
        Canvas mono(12, 9, RGB(0, 0, 0), true);
        const COLORREF pens[] = {RGB(255, 255, 255), RGB(200, 200, 200), RGB(30, 30, 30), RGB(0, 0, 0)};
        const COLORREF backgrounds[] = {RGB(255, 255, 255), RGB(200, 200, 200), RGB(0, 0, 0)};
        int row = 0;
        for (COLORREF background : backgrounds) {
            SetBkColor(mono.Dc(), background);
            int column = 0;
            for (COLORREF color : pens) {
                Tools t(mono.Dc(), CreatePen(PS_SOLID, column == 0 ? 1 : 2, color), 0);
                MoveToEx(mono.Dc(), column * 3, row, nullptr);
                LineTo(mono.Dc(), column * 3 + 2, row);
                ++column;
            }
            row += 2;
        }
        r.Ret("SetPixel-383", static_cast<int>(SetPixel(mono.Dc(), 0, 7, RGB(127, 128, 128)) != CLR_INVALID));
        SetPixel(mono.Dc(), 1, 7, RGB(127, 127, 128));
        SetPixel(mono.Dc(), 2, 7, RGB(167, 154, 62));
        r.Pixels(mono);
    });
    // Dithered brushes on a monochrome bitmap: greys and colours, and a brush
    // through FillRect.
    b.Add("blit", "mono-dither-levels", [](Recorder& r) {
        Canvas mono(16, 12, RGB(0, 0, 0), true);
        const COLORREF colors[] = {RGB(2, 2, 2),       RGB(64, 64, 64),    RGB(96, 96, 96),
                                   RGB(160, 160, 160), RGB(192, 192, 192), RGB(253, 253, 253),
                                   RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(0, 0, 255),
                                   RGB(212, 208, 200), RGB(10, 36, 106)};
        int row = 0;
        for (COLORREF color : colors) {
            Tools t(mono.Dc(), 0, CreateSolidBrush(color));
            PatBlt(mono.Dc(), 0, row++, 16, 1, PATCOPY);
        }
        RECT last{0, row, 16, row + 1};
        HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
        r.Ret("FillRect", FillRect(mono.Dc(), &last, grey));
        DeleteObject(grey);
        r.Pixels(mono);
    });
    // Stretching: every mode, shrinking and growing, fractional ratios, mirrored, with raster operations.
    struct Stretch {
        const char* name;
        int sw, sh, dw, dh;
    };
    const Stretch stretches[] = {{"grow2", 6, 5, 12, 10},          {"grow-frac", 7, 5, 11, 9},
                                 {"shrink-frac", 11, 9, 7, 5},     {"shrink3", 15, 12, 5, 4},
                                 {"shrink-odd", 16, 9, 5, 7},      {"mirror", 8, 6, -8, 6},
                                 {"mirror-shrink", 12, 9, -7, -5}, {"one-pixel", 9, 7, 1, 1}};
    for (const Stretch& s : stretches) {
        for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE}) {
            for (int mono : {0, 1}) {
                b.Add("stretch", std::string(s.name) + "-mode" + Num(mode) + (mono ? "-mono" : "-colour"),
                      [s, mode, mono](Recorder& r) {
                          Canvas source(s.sw, s.sh, RGB(0, 0, 0), mono != 0);
                          if (mono)
                              PaintMonoSource(source.Dc(), s.sw, s.sh);
                          else
                              PaintSource(source.Dc(), s.sw, s.sh);
                          Canvas c(14, 12, RGB(0x5A, 0xC3, 0x96), mono != 0);
                          r.Ret("SetStretchBltMode", SetStretchBltMode(c.Dc(), mode));
                          const int x = s.dw < 0 ? 1 - s.dw : 1, y = s.dh < 0 ? 1 - s.dh : 1;
                          r.Ret("StretchBlt",
                                StretchBlt(c.Dc(), x, y, s.dw, s.dh, source.Dc(), 0, 0, s.sw, s.sh, SRCCOPY));
                          r.Pixels(c);
                      });
            }
        }
    }
    for (DWORD rop : {DWORD{SRCAND}, DWORD{SRCPAINT}, DWORD{SRCINVERT}, DWORD{0x00B8074A}}) {
        char name[48];
        std::snprintf(name, sizeof name, "rop-%06lX", static_cast<unsigned long>(rop));
        b.Add("stretch", name, [rop](Recorder& r) {
            Canvas source(11, 9);
            PaintSource(source.Dc(), 11, 9);
            Canvas c(14, 12);
            PaintSource(c.Dc(), 14, 12);
            Tools t(c.Dc(), 0, CreateSolidBrush(RGB(128, 128, 128)));
            SetStretchBltMode(c.Dc(), COLORONCOLOR);
            r.Ret("StretchBlt", StretchBlt(c.Dc(), 1, 1, 13, 7, source.Dc(), 1, 1, 9, 8, rop));
            r.Pixels(c);
        });
    }
    b.Add("stretch", "mono-to-colour-grow", [](Recorder& r) {
        Canvas source(6, 5, RGB(0, 0, 0), true);
        PaintMonoSource(source.Dc(), 6, 5);
        Canvas c(14, 12);
        SetTextColor(c.Dc(), RGB(200, 30, 90));
        SetBkColor(c.Dc(), RGB(20, 240, 60));
        r.Ret("StretchBlt", StretchBlt(c.Dc(), 0, 0, 13, 11, source.Dc(), 0, 0, 6, 5, SRCCOPY));
        r.Pixels(c);
    });
    b.Add("stretch", "partly-outside-source", [](Recorder& r) {
        Canvas source(8, 6);
        PaintSource(source.Dc(), 8, 6);
        Canvas c(14, 12);
        r.Ret("StretchBlt", StretchBlt(c.Dc(), 1, 1, 12, 10, source.Dc(), -2, -1, 12, 10, SRCCOPY));
        r.Pixels(c);
    });
    // HALFTONE beyond the plain stretch: a source rectangle inside a larger bitmap (and one reaching past it,
    // and one given with a negative extent), a destination partly off the canvas or clipped (the visible part
    // is stretched anew), a raster operation, a monochrome source taken from inside its bitmap.
    struct Halftone {
        const char* name;
        int x, y, w, h, sx, sy, sw, sh;
        DWORD rop;
        bool mono, clip;
    };
    const Halftone halftones[] = {
        {"inner-source", 1, 1, 12, 10, 2, 1, 6, 5, SRCCOPY, false, false},
        {"inner-mono-source", 1, 1, 12, 10, 2, 1, 6, 5, SRCCOPY, true, false},
        {"off-canvas", -3, -2, 15, 13, 1, 1, 7, 6, SRCCOPY, false, false},
        {"off-canvas-reversed-source", 8, 5, 11, 9, 8, 7, -7, -6, SRCCOPY, false, false},
        {"clip-region", 1, 1, 12, 10, 0, 0, 9, 8, SRCCOPY, false, true},
        {"source-past-edge", 1, 1, 12, 10, -2, 3, 9, 8, SRCCOPY, false, false},
        {"srcinvert", 13, 1, -12, 10, 1, 1, 8, 7, SRCINVERT, false, false},
    };
    for (const Halftone& s : halftones) {
        b.Add("stretch", std::string("halftone-") + s.name, [s](Recorder& r) {
            Canvas source(11, 9, RGB(0, 0, 0), s.mono);
            if (s.mono)
                PaintMonoSource(source.Dc(), 11, 9);
            else
                PaintSource(source.Dc(), 11, 9);
            Canvas c(14, 12);
            PaintSource(c.Dc(), 14, 12);
            SetTextColor(c.Dc(), RGB(200, 30, 90));
            SetBkColor(c.Dc(), RGB(20, 240, 60));
            SetStretchBltMode(c.Dc(), HALFTONE);
            if (s.clip) {
                HRGN region = CreateRectRgn(3, 2, 10, 9);
                SelectClipRgn(c.Dc(), region);
                DeleteObject(region);
            }
            r.Ret("StretchBlt",
                  StretchBlt(c.Dc(), s.x, s.y, s.w, s.h, source.Dc(), s.sx, s.sy, s.sw, s.sh, s.rop));
            SelectClipRgn(c.Dc(), 0);
            r.Pixels(c);
        });
    }
}

// ---- The transparent picture sequence ------------------------------------------

// The key colour becomes a mask, the picture's key pixels turn black, the mask
// clears the background, the picture is ORed into the holes.
void MaskScenes(Builder& b) {
    struct Size {
        int sw, sh, w, h;
        const char* name;
    };
    const Size sizes[] = {{16, 12, 16, 12, "plain"},
                          {16, 12, 11, 8, "shrink"},
                          {10, 7, 21, 15, "grow"},
                          {16, 12, 13, 12, "shrink-wide"}};
    for (const Size& s : sizes) {
        for (int mode : {BLACKONWHITE, COLORONCOLOR}) {
            b.Add("mask", std::string(s.name) + "-mode" + Num(mode), [s, mode](Recorder& r) {
                const COLORREF key = RGB(255, 0, 255);
                Canvas picture(s.sw, s.sh, key);
                PaintSource(picture.Dc(), s.sw - 4, s.sh - 3);
                SetPixel(picture.Dc(), 0, 0, key);
                SetPixel(picture.Dc(), 3, 3, key);
                Canvas dest(24, 18);
                PaintSource(dest.Dc(), 24, 18);
                SetStretchBltMode(dest.Dc(), mode);
                Canvas mask(s.sw, s.sh, RGB(0, 0, 0), true);
                Canvas copy(s.sw, s.sh);
                Canvas work(s.w, s.h);
                SetStretchBltMode(work.Dc(), mode);
                BitBlt(work.Dc(), 0, 0, s.w, s.h, dest.Dc(), 2, 1, SRCCOPY);
                BitBlt(copy.Dc(), 0, 0, s.sw, s.sh, picture.Dc(), 0, 0, SRCCOPY);
                SetBkColor(copy.Dc(), key);
                SetTextColor(copy.Dc(), RGB(255, 255, 255));
                r.Ret("mask", BitBlt(mask.Dc(), 0, 0, s.sw, s.sh, copy.Dc(), 0, 0, SRCCOPY));
                SetTextColor(copy.Dc(), RGB(0, 0, 0));
                SetBkColor(copy.Dc(), RGB(255, 255, 255));
                r.Ret("blacken", BitBlt(copy.Dc(), 0, 0, s.sw, s.sh, mask.Dc(), 0, 0, 0x00220326));
                SetTextColor(work.Dc(), RGB(0, 0, 0));
                SetBkColor(work.Dc(), RGB(255, 255, 255));
                r.Ret("and", StretchBlt(work.Dc(), 0, 0, s.w, s.h, mask.Dc(), 0, 0, s.sw, s.sh, SRCAND));
                r.Ret("paint", StretchBlt(work.Dc(), 0, 0, s.w, s.h, copy.Dc(), 0, 0, s.sw, s.sh, SRCPAINT));
                r.Ret("back", BitBlt(dest.Dc(), 2, 1, s.w, s.h, work.Dc(), 0, 0, SRCCOPY));
                r.Pixels(dest);
            });
        }
    }
    // The disabled look: white stays, black turns to the grey brush.
    b.Add("mask", "disabled-look", [](Recorder& r) {
        Canvas face(16, 12, RGB(212, 208, 200));
        Canvas picture(12, 8, RGB(255, 255, 255));
        PaintSource(picture.Dc(), 6, 4);
        for (int x = 0; x < 12; ++x)
            SetPixel(picture.Dc(), x, 6, RGB(0, 0, 0));
        Tools t(face.Dc(), 0, CreateSolidBrush(RGB(128, 128, 128)));
        SetBkColor(face.Dc(), RGB(255, 255, 255));
        r.Ret("BitBlt", BitBlt(face.Dc(), 2, 2, 12, 8, picture.Dc(), 0, 0, 0x00B8074A));
        r.Pixels(face);
    });
}

// ---- Rectangle helpers, focus rectangles, pixels, icons -----------------------------

void MiscScenes(Builder& b) {
    const int rects[][4] = {{2, 2, 12, 9},  {12, 9, 2, 2}, {3, 3, 3, 8},
                            {-2, -2, 5, 4}, {4, 4, 5, 5},  {4, 4, 6, 6}};
    for (const auto& q : rects) {
        b.Add("misc", "fill-frame-invert-" + Quad(q[0], q[1], q[2], q[3]), [q](Recorder& r) {
            Canvas c(14, 11);
            RECT rect = {q[0], q[1], q[2], q[3]};
            HBRUSH fill = CreateSolidBrush(kFill);
            HBRUSH ink = CreateSolidBrush(kInk);
            r.Ret("FillRect", FillRect(c.Dc(), &rect, fill));
            OffsetRect(&rect, 1, 1);
            r.Ret("FrameRect", FrameRect(c.Dc(), &rect, ink));
            InflateRect(&rect, -2, -2);
            r.Ret("InvertRect", InvertRect(c.Dc(), &rect));
            DeleteObject(fill);
            DeleteObject(ink);
            r.Pixels(c);
        });
    }
    const int focus[][4] = {{0, 0, 14, 11}, {1, 1, 13, 10}, {2, 2, 11, 8}, {3, 3, 4, 4},   {3, 3, 5, 5},
                            {3, 3, 6, 6},   {3, 3, 3, 8},   {11, 8, 2, 2}, {-3, -3, 9, 7}, {4, 4, 104, 17}};
    for (const auto& q : focus) {
        b.Add("focus", Quad(q[0], q[1], q[2], q[3]), [q](Recorder& r) {
            Canvas c(q[2] > 14 ? 105 : 14, q[2] > 14 ? 21 : 11);
            PaintSource(c.Dc(), 6, 6);
            SetTextColor(c.Dc(), RGB(200, 30, 90));
            SetBkColor(c.Dc(), RGB(20, 240, 60));
            RECT rect = {q[0], q[1], q[2], q[3]};
            r.Ret("DrawFocusRect", DrawFocusRect(c.Dc(), &rect));
            r.Pixels(c);
        });
    }
    b.Add("focus", "twice-restores", [](Recorder& r) {
        Canvas c(14, 11);
        PaintSource(c.Dc(), 14, 11);
        RECT rect = {1, 1, 12, 9};
        DrawFocusRect(c.Dc(), &rect);
        DrawFocusRect(c.Dc(), &rect);
        r.Pixels(c);
    });
    b.Add("misc", "pixels", [](Recorder& r) {
        Canvas c(6, 4);
        r.Ret("SetPixel", SetPixel(c.Dc(), 1, 1, RGB(1, 2, 3)));
        r.Ret("SetPixel-outside", SetPixel(c.Dc(), 6, 1, RGB(1, 2, 3)));
        r.Ret("GetPixel-outside", GetPixel(c.Dc(), -1, 0));
        r.Ret("GetPixel-bottom", GetPixel(c.Dc(), 0, 4));
        Canvas mono(6, 4, RGB(0, 0, 0), true);
        r.Ret("SetPixel-mono-light", SetPixel(mono.Dc(), 1, 1, RGB(200, 200, 200)));
        r.Ret("SetPixel-mono-dark", SetPixel(mono.Dc(), 2, 1, RGB(100, 100, 100)));
        r.Ret("SetPixel-mono-red", SetPixel(mono.Dc(), 3, 1, RGB(255, 0, 0)));
        r.Pixels(c);
    });
    b.Add("misc", "dc-state-returns", [](Recorder& r) {
        Canvas c(2, 2);
        r.Ret("SetBkMode-transparent", SetBkMode(c.Dc(), TRANSPARENT));
        r.Ret("SetBkMode-opaque", SetBkMode(c.Dc(), OPAQUE));
        r.Ret("GetBkMode", GetBkMode(c.Dc()));
        r.Ret("SetBkColor", SetBkColor(c.Dc(), RGB(1, 2, 3)));
        r.Ret("SetBkColor-again", SetBkColor(c.Dc(), RGB(4, 5, 6)));
        r.Ret("SetTextColor", SetTextColor(c.Dc(), RGB(7, 8, 9)));
        r.Ret("SetStretchBltMode", SetStretchBltMode(c.Dc(), HALFTONE));
        r.Ret("GetStretchBltMode", GetStretchBltMode(c.Dc()));
        r.Ret("SetMapMode", SetMapMode(c.Dc(), MM_TEXT));
    });
    // Our layer takes background mode 3 as transparent; Windows' refuses it.
    b.Add("misc", "bk-mode-3-dotted", [](Recorder& r) {
        r.Exception("background mode 3 is transparent in our layer, as the control asks; the reference "
                    "refuses mode 3");
        Canvas c(20, 3);
        Tools t(c.Dc(), CreatePen(PS_DOT, 1, kInk), 0);
        SetBkColor(c.Dc(), kFill);
        r.Ret("SetBkMode", SetBkMode(c.Dc(), 3));
        r.Ret("GetBkMode", GetBkMode(c.Dc()));
        MoveToEx(c.Dc(), 0, 1, nullptr);
        LineTo(c.Dc(), 20, 1);
        r.Pixels(c);
    });
    // Dotted pens and text/background colours: gaps take the background colour only when opaque.
    for (int mode : {OPAQUE, TRANSPARENT}) {
        b.Add("misc", std::string("dotted-rectangle-") + (mode == OPAQUE ? "opaque" : "transparent"),
              [mode](Recorder& r) {
                  Canvas c(14, 11);
                  Tools t(c.Dc(), CreatePen(PS_DOT, 1, kInk), CreateSolidBrush(kFill));
                  SetBkMode(c.Dc(), mode);
                  SetBkColor(c.Dc(), RGB(255, 255, 0));
                  SetTextColor(c.Dc(), RGB(0, 0, 255));
                  r.Ret("Rectangle", Rectangle(c.Dc(), 1, 1, 13, 10));
                  r.Pixels(c);
              });
    }
    // Icons: colour and monochrome, drawn at their size and stretched.
    for (int mono : {0, 1}) {
        for (int size : {8, 13, 5}) {
            b.Add("icon", std::string(mono ? "mono" : "colour") + "-" + Num(size), [mono, size](Recorder& r) {
                const WORD maskRows[16] = {0x0F, 0x0F, 0x3C, 0x3C, 0x00, 0x00, 0xF0, 0xC3,
                                           0x00, 0xFF, 0x18, 0x18, 0xE7, 0x42, 0x81, 0x00};
                ICONINFO info = {};
                info.fIcon = TRUE;
                HBITMAP color = 0;
                if (mono) {
                    info.hbmMask = CreateBitmap(8, 16, 1, 1, maskRows);
                } else {
                    info.hbmMask = CreateBitmap(8, 8, 1, 1, maskRows);
                    color = CreateCompatibleBitmap(Screen(), 8, 8);
                    HDC dc = CreateCompatibleDC(Screen());
                    HGDIOBJ old = SelectObject(dc, color);
                    PaintSource(dc, 8, 8);
                    SelectObject(dc, old);
                    DeleteDC(dc);
                    info.hbmColor = color;
                }
                HICON icon = CreateIconIndirect(&info);
                Canvas c(16, 16);
                PaintSource(c.Dc(), 16, 16);
                r.Ret("DrawIconEx", DrawIconEx(c.Dc(), 1, 2, icon, size, size, 0, 0, DI_NORMAL));
                r.Pixels(c);
                DestroyIcon(icon);
                DeleteObject(info.hbmMask);
                if (color)
                    DeleteObject(color);
            });
        }
    }
    // Monochrome bitmaps are resized with the BLACKONWHITE stretch.
    b.Add("misc", "copyimage-mono", [](Recorder& r) {
        Canvas source(9, 7, RGB(0, 0, 0), true);
        PaintMonoSource(source.Dc(), 9, 7);
        HBITMAP copy = static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, 5, 11, 0));
        Canvas c(16, 12);
        HDC dc = CreateCompatibleDC(Screen());
        HGDIOBJ old = SelectObject(dc, copy);
        BitBlt(c.Dc(), 0, 0, 5, 11, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(copy);
        r.Pixels(c);
    });
    for (int w : {5, 12, 16}) {
        b.Add("misc", "copyimage-" + Num(w), [w](Recorder& r) {
            Canvas source(8, 6);
            PaintSource(source.Dc(), 8, 6);
            SelectObject(source.Dc(), GetStockObject(BLACK_BRUSH));
            HBITMAP bitmap = CreateCompatibleBitmap(Screen(), 8, 6);
            HDC dc = CreateCompatibleDC(Screen());
            HGDIOBJ old = SelectObject(dc, bitmap);
            BitBlt(dc, 0, 0, 8, 6, source.Dc(), 0, 0, SRCCOPY);
            SelectObject(dc, old);
            HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, w, 9, 0));
            Canvas c(16, 9);
            old = SelectObject(dc, copy);
            BitBlt(c.Dc(), 0, 0, 16, 9, dc, 0, 0, SRCCOPY);
            SelectObject(dc, old);
            DeleteDC(dc);
            DeleteObject(copy);
            DeleteObject(bitmap);
            r.Pixels(c);
        });
    }
}

} // namespace

std::vector<SceneResult> RunAllScenes() {
    std::vector<SceneResult> results;
    Builder b{&results};
    LineScenes(b);
    RectangleScenes(b);
    EllipseScenes(b);
    RegionScenes(b);
    BlitScenes(b);
    MaskScenes(b);
    MiscScenes(b);
    PixelFormatScenes(b);
    return results;
}

} // namespace gdi_reference
