// Our RedrawButton against Qt's own push button, painted in the same process
// and run: every style on the three main-window button sizes in five states,
// the round, slanted and custom shapes, and a button with a 16 x 16 picture.
// Each case alternates short batches of both painters and keeps the fastest
// batch of each, so that the ratio holds on a busy machine. Every case is
// measured in two passes over the whole list, some seconds apart, and each
// side keeps its fastest batch of both: a stretch of seconds in which the
// shared machine slows one side down is not taken for that side's speed. The
// summary at the end lists ours / Qt per case, the worst and the median
// ratio, and the heap allocations per redraw (counted by the allocation hook
// below; the most of any call).
//
// The host benchmarks time the whole on-screen road of a hover change: the
// control's hover notice, RedrawButton, Refresh and the widget's paint event
// presenting the surface, against a QPushButton repainting its hover look.
#include "bench/BenchButtons.h"
#include "bench/PaintSpeedSupport.h"

#include "control/input/ModZtTimer.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"
#include "control/stage/HeadlessButton.h"
#include "control/stage/TopDownDib.h"
#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/text/TextEngine.h"
#include "platform/qt/QtControlSite.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench_buttons::kButtons;
using bench_buttons::MainWindowButton;
using bench_buttons::MakeKeyedPicture;


enum class Look { Normal, Hover, Pushed, Disabled, DefaultFocus };
constexpr std::array<const char*, 5> kLookNames = {"normal", "hover", "pushed", "disabled", "default+focus"};

struct Case {
    Long style;
    int button; // index into kButtons
    Look look;
    Long shape = ButtonShapeValue::Rectangle;
    bool picture = false;
};

std::string CaseName(const Case& c) {
    const MainWindowButton& b = kButtons[static_cast<std::size_t>(c.button)];
    std::string name = "style" + std::to_string(c.style) + " " + std::to_string(b.width) + "x" +
                       std::to_string(b.height) + " " + kLookNames[static_cast<std::size_t>(c.look)];
    if (c.shape != ButtonShapeValue::Rectangle)
        name += " shape" + std::to_string(c.shape);
    if (c.picture)
        name += " picture16";
    return name;
}

QPixmap QtPictureOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // The same picture: the drawing layer's 0x00BBGGRR as Qt's 0xAARRGGBB.
            const std::uint32_t bgr = bench_buttons::KeyedPixel(x, y, width, height);
            image.setPixel(x, y, 0xFF000000u | (bgr & 0xFFu) << 16 | (bgr & 0xFF00u) | bgr >> 16);
        }
    }
    return QPixmap::fromImage(image);
}

control_stage::StagePlacement PlacementOf(const MainWindowButton& b) {
    control_stage::StagePlacement placement;
    placement.width = b.width;
    placement.height = b.height;
    return placement;
}

container::FontPtr SongNinePoint() {
    return std::make_shared<container::Font>("宋体", 9.0);
}

// Our button of one case, on a headless stage.
class OurButton {
  public:
    explicit OurButton(const Case& c) : stage_(PlacementOf(kButtons[static_cast<std::size_t>(c.button)])) {
        const MainWindowButton& b = kButtons[static_cast<std::size_t>(c.button)];
        ztButtons_H& button = stage_.Button();
        button.DrawingDelayed = True;
        button.SetFont(SongNinePoint());
        button.CaptionText = b.caption;
        button.CaptionAlign = CaptionAlignValue::Center;
        button.BackColor = b.backColor;
        button.HoverBackColor = 0xC0FFC0;
        button.HoverForeColor = SystemColorValue::ButtonText;
        button.GradientColor = 0;
        button.ShowFocusRect = True;
        button.PictureSizePx = 16;
        button.ButtonStyle = c.style;
        UpdateDrawingState(button, "BackColor");
        button.Resize();
        if (c.shape >= ButtonShapeValue::Custom) {
            button.Picture = MakeKeyedPicture(b.width, b.height);
            button.PictureSizePx = 48;
            UpdateDrawingState(button, "Picture");
        } else if (c.picture) {
            button.Picture = MakeKeyedPicture(16, 16);
            UpdateDrawingState(button, "Picture");
        }
        button.ButtonShape = c.shape;
        if (c.look == Look::Disabled)
            stage_.Site().SetEnabled(false);
        button.DrawingDelayed = False;
        UpdateDrawingState(button, "Font");
        CreateButtonRegion(button);
        LayoutCaptionAndImage(button, false);
        const bool hovering = c.look == Look::Hover || c.look == Look::Pushed;
        const bool pushed = c.look == Look::Pushed;
        button.IsHovering = ToBoolean(hovering);
        button.IsPressing = ToBoolean(pushed);
        Integer flags =
            static_cast<Integer>(button.StateFlags & ~(StateFlagBits::Pushed | StateFlagBits::DefaultLook));
        if (hovering)
            flags = static_cast<Integer>(flags | StateFlagBits::PointerInside);
        if (pushed)
            flags = static_cast<Integer>(flags | StateFlagBits::ButtonHeld);
        if (c.look == Look::DefaultFocus)
            flags = static_cast<Integer>(flags | StateFlagBits::DefaultLook);
        button.StateFlags = flags;
        RedrawButton(button); // glyphs rendered, hover colour settled: the steady state
    }

    ztButtons_H& Button() { return stage_.Button(); }

  private:
    control_stage::HeadlessButton stage_;
};

// A QPushButton that can show the keyboard focus without being the active window's focus widget.
class QtButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;
    bool showFocus = false;

  protected:
    void initStyleOption(QStyleOptionButton* option) const override {
        QPushButton::initStyleOption(option);
        if (showFocus)
            option->state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    }
};

// Qt's font for the face our surface selected: the same file at the same pixel size.
QFont QtFontLike(gdi::HDC surface) {
    QFont font;
    const auto* object = gdi::detail::FindFont(gdi::GetCurrentObject(surface, gdi::OBJ_FONT));
    if (object == nullptr)
        return font;
    static std::map<std::string, QString> families;
    const std::string file = object->Face().FontFile();
    auto found = families.find(file);
    if (found == families.end()) {
        const int id = QFontDatabase::addApplicationFont(QString::fromStdString(file));
        const QStringList names = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList{};
        found = families.emplace(file, names.isEmpty() ? QString() : names.front()).first;
    }
    if (!found->second.isEmpty())
        font.setFamily(found->second);
    font.setPixelSize(std::abs(static_cast<int>(object->logfont.lfHeight)));
    return font;
}

QStyle* FusionStyle() {
    static QStyle* style = QStyleFactory::create("Fusion");
    return style;
}

std::unique_ptr<QtButton> MakeQtButton(const Case& c, const QFont& font) {
    const MainWindowButton& b = kButtons[static_cast<std::size_t>(c.button)];
    auto button = std::make_unique<QtButton>(QString::fromUtf8(b.caption));
    button->setStyle(FusionStyle());
    button->setFont(font);
    button->setAttribute(Qt::WA_DontShowOnScreen);
    button->resize(b.width, b.height);
    if (c.picture) {
        button->setIcon(QIcon(QtPictureOf(16, 16)));
        button->setIconSize(QSize(16, 16));
    }
    switch (c.look) {
    case Look::Hover:
        button->setAttribute(Qt::WA_Hover);
        button->setAttribute(Qt::WA_UnderMouse);
        break;
    case Look::Pushed:
        button->setAttribute(Qt::WA_UnderMouse);
        button->setDown(true);
        break;
    case Look::Disabled:
        button->setEnabled(false);
        break;
    case Look::DefaultFocus:
        button->setDefault(true);
        button->showFocus = true;
        break;
    case Look::Normal:
        break;
    }
    return button;
}

using Clock = std::chrono::steady_clock;

template <typename Paint> double BatchMicroseconds(int count, Paint&& paint) {
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i)
        paint();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

struct CaseFigures {
    std::string name;
    double ours = 0;
    double qt = 0;
    double allocationsPerRedraw = 0;
};
std::vector<CaseFigures>& Figures() {
    static std::vector<CaseFigures> figures;
    return figures;
}

constexpr int kBatch = 16;

void BM_OursAgainstQt(benchmark::State& state, Case c) {
    OurButton ours(c);
    ztButtons_H& button = ours.Button();
    const std::unique_ptr<QtButton> qt = MakeQtButton(c, QtFontLike(button.SurfaceDC));
    const MainWindowButton& b = kButtons[static_cast<std::size_t>(c.button)];
    QImage target(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
    qt->render(&target); // polish and lay out before timing
    if (std::getenv("PAINT_SPEED_TRACE_ALLOCATIONS") != nullptr) {
        // One steady-state redraw with the stack of each allocation it makes.
        paint_speed::TraceAllocations(true);
        RedrawButton(button);
        paint_speed::TraceAllocations(false);
    }

    double bestOurs = 1e300;
    double bestQt = 1e300;
    std::uint64_t allocations = 0;
    std::uint64_t redraws = 0;
    for (auto _ : state) {
        const std::uint64_t before = paint_speed::AllocationCount();
        bestOurs = std::min(bestOurs, BatchMicroseconds(kBatch, [&] { RedrawButton(button); }));
        allocations += paint_speed::AllocationCount() - before;
        redraws += kBatch;
        bestQt = std::min(bestQt, BatchMicroseconds(kBatch, [&] { qt->render(&target); }));
    }
    state.counters["ours_us"] = bestOurs;
    state.counters["qt_us"] = bestQt;
    state.counters["ratio"] = bestOurs / bestQt;
    const double perRedraw = redraws ? static_cast<double>(allocations) / static_cast<double>(redraws) : 0;
    state.counters["allocs_per_redraw"] = perRedraw;
    // The library calls a case again with more iterations until it runs long
    // enough, and the second pass calls it again: each side keeps its fastest
    // batch of all calls.
    const std::string name = CaseName(c);
    std::vector<CaseFigures>& figures = Figures();
    const auto same =
        std::find_if(figures.begin(), figures.end(), [&](const CaseFigures& f) { return f.name == name; });
    if (same == figures.end()) {
        figures.push_back(CaseFigures{name, bestOurs, bestQt, perRedraw});
        return;
    }
    same->ours = std::min(same->ours, bestOurs);
    same->qt = std::min(same->qt, bestQt);
    same->allocationsPerRedraw = std::max(same->allocationsPerRedraw, perRedraw);
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (Long style = 0; style <= 7; ++style) {
        for (int button = 0; button < 3; ++button) {
            for (Look look : {Look::Normal, Look::Hover, Look::Pushed, Look::Disabled, Look::DefaultFocus})
                cases.push_back(Case{style, button, look});
        }
    }
    // Shapes and the picture on cmdHomePage's size, in the plain and the shaded style.
    for (Long style : {0, 2}) {
        for (Long shape : {1, 2, 3, 4, 6, 7, 8}) {
            for (Look look : {Look::Normal, Look::Hover, Look::Pushed})
                cases.push_back(Case{style, 1, look, shape});
        }
        for (Look look : {Look::Normal, Look::Hover, Look::Pushed})
            cases.push_back(Case{style, 1, look, ButtonShapeValue::Rectangle, true});
    }
    return cases;
}

// ---- The on-screen road in the Qt host ----

struct QtHost {
    qtplatform::QtWindowSystem system;
    user::ScopedBackend backend{&system};
    QWidget form;
    qtplatform::QtControlSite* site = nullptr;
    std::unique_ptr<ztButtons_H> control;

    explicit QtHost(const MainWindowButton& b, Long style) {
        form.setGeometry(100, 80, 300, 200);
        form.show();
        system.Register(&form);
        site = new qtplatform::QtControlSite(qtplatform::QtForm::Of(system, &form), "cmdBench");
        site->setGeometry(10, 10, b.width, b.height);
        site->show();
        control = std::make_unique<ztButtons_H>(site);
        site->Attach(control.get());
        container::PropertyBag bag;
        bag.WriteProperty("Caption", std::string(b.caption));
        bag.WriteProperty("CapAlign", std::int32_t{2});
        bag.WriteProperty("BackStyle", style);
        bag.WriteProperty("cBack", container::Color{b.backColor});
        bag.WriteProperty("cBHover", container::Color{0xC0FFC0});
        bag.WriteProperty("Font", SongNinePoint());
        site->ReadProperties(bag);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    ~QtHost() {
        site->Terminate();
        control.reset();
    }
};

// Args: main-window button 0-2, style.
void BM_HostHoverRepaint_Ours(benchmark::State& state) {
    const MainWindowButton& b = kButtons[static_cast<std::size_t>(state.range(0))];
    QtHost host(b, static_cast<Long>(state.range(1)));
    ztButtons_H& button = *host.control;
    for (auto _ : state) {
        // The hover notice and its repaint, then back to the normal look.
        StartHoverTracking(button, 0);
        host.site->repaint();
        button.StateFlags = static_cast<Integer>(button.StateFlags & ~StateFlagBits::PointerInside);
        button.IsHovering = False;
        RedrawButton(button);
        host.site->repaint();
    }
    StopHoverTimer(host.site->HWnd(), &button);
    state.SetLabel(std::to_string(b.width) + "x" + std::to_string(b.height) + " style " +
                   std::to_string(state.range(1)) + ", two repaints per iteration");
}
BENCHMARK(BM_HostHoverRepaint_Ours)->Args({0, 2})->Args({1, 6})->Args({2, 0})->Unit(benchmark::kMicrosecond);

void BM_HostHoverRepaint_Qt(benchmark::State& state) {
    const MainWindowButton& b = kButtons[static_cast<std::size_t>(state.range(0))];
    QWidget form;
    form.setGeometry(100, 80, 300, 200);
    auto* button = new QPushButton(QString::fromUtf8(b.caption), &form);
    button->setStyle(FusionStyle());
    button->setGeometry(10, 10, b.width, b.height);
    button->setAttribute(Qt::WA_Hover);
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QEvent enter(QEvent::HoverEnter);
        button->setAttribute(Qt::WA_UnderMouse, true);
        QCoreApplication::sendEvent(button, &enter);
        button->repaint();
        QEvent leave(QEvent::HoverLeave);
        button->setAttribute(Qt::WA_UnderMouse, false);
        QCoreApplication::sendEvent(button, &leave);
        button->repaint();
    }
    state.SetLabel(std::to_string(b.width) + "x" + std::to_string(b.height) + ", two repaints per iteration");
}
BENCHMARK(BM_HostHoverRepaint_Qt)->Args({0, 2})->Args({1, 6})->Args({2, 0})->Unit(benchmark::kMicrosecond);

// Reports nothing: the second pass only adds to the cases' figures.
class SilentReporter final : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>&) override {}
};

void PrintSummary() {
    std::vector<CaseFigures> figures = Figures();
    if (figures.empty())
        return;
    std::vector<double> ratios;
    double worst = 0;
    std::string worstName;
    double mostAllocations = 0;
    std::printf("\n%-44s %10s %10s %8s %8s\n", "case", "ours us", "Qt us", "ratio", "allocs");
    for (const CaseFigures& f : figures) {
        const double ratio = f.ours / f.qt;
        std::printf("%-44s %10.2f %10.2f %8.3f %8.2f\n", f.name.c_str(), f.ours, f.qt, ratio,
                    f.allocationsPerRedraw);
        ratios.push_back(ratio);
        if (ratio > worst) {
            worst = ratio;
            worstName = f.name;
        }
        mostAllocations = std::max(mostAllocations, f.allocationsPerRedraw);
    }
    std::sort(ratios.begin(), ratios.end());
    const std::size_t n = ratios.size();
    const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
    std::printf("\ncases %zu  worst ratio %.3f (%s)  median ratio %.3f  most allocations per redraw %.2f\n",
                n, worst, worstName.c_str(), median, mostAllocations);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    for (const Case& c : AllCases())
        benchmark::RegisterBenchmark(("BM_OursAgainstQt/" + CaseName(c)).c_str(), BM_OursAgainstQt, c)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.05);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    // The second pass over the cases (or over what the filter chose), reported only in the summary.
    const std::string filter = benchmark::GetBenchmarkFilter();
    const bool everything = filter.empty() || filter == "." || filter == "all";
    SilentReporter silent;
    benchmark::RunSpecifiedBenchmarks(&silent, everything ? "BM_OursAgainstQt/" : filter);
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
