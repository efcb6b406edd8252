// Figures of the time-synchronisation program: start-up to the first painted
// window, one whole synchronisation against a loopback server that answers
// at once (its floor is two 55 ms wait steps, one per query), and how soon a
// close in the middle of a synchronisation ends the program.
#include "app/qt/QtMainWindow.h"
#include "app/tests/AppTestSupport.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

// Notes the first paint of a widget.
class PaintWatcher final : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void BM_StartupToFirstPaint(benchmark::State& state) {
    app::testing::FakeWallClock clock;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        app::AppEnvironment environment;
        environment.clock = &clock;
        app::qt::QtMainWindow window(std::move(environment));
        PaintWatcher watcher;
        window.lstResult->viewport()->installEventFilter(&watcher);
        window.Form().Form_Load();
        while (!watcher.painted)
            QCoreApplication::processEvents();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        window.close();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The daytime server runs on a thread of its own, as a remote server would:
// its answer does not wait for the program's event processing.
class DaytimeServerThread {
  public:
    DaytimeServerThread() {
        thread_.start();
        context_.moveToThread(&thread_);
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                server_ = std::make_unique<net::testing::LoopbackDaytimeServer>();
                // Without NIST's mark: a NIST reply adds the 4 s pause NIST asks for
                // between the two queries, which would swamp the figure.
                server_->AlwaysReply(net::testing::PlainDaytimeReply(2024, 12, 7, 19, 58, 1));
            },
            Qt::BlockingQueuedConnection);
    }
    ~DaytimeServerThread() {
        QMetaObject::invokeMethod(
            &context_, [this] { server_.reset(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    std::uint16_t Port() const { return server_->Port(); }
    int Connections() const {
        int count = 0;
        QMetaObject::invokeMethod(
            const_cast<QObject*>(&context_), [&] { count = server_->Connections(); },
            Qt::BlockingQueuedConnection);
        return count;
    }

  private:
    QThread thread_;
    QObject context_;
    std::unique_ptr<net::testing::LoopbackDaytimeServer> server_;
};

void BM_SynchroniseAgainstLoopback(benchmark::State& state) {
    app::testing::PrivateIniFile ini;
    DaytimeServerThread daytime;
    ini.Write("[INTERNET]\nTIME=127.0.0.1\n");
    app::testing::FakeWallClock clock;
    app::AppEnvironment environment; // the real 101 x 55 ms wait
    environment.clock = &clock;
    environment.daytimePort = daytime.Port();
    app::qt::QtMainWindow window(std::move(environment));
    window.show();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.Form().cmdDateTime_Click();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["connections"] = daytime.Connections();
}
BENCHMARK(BM_SynchroniseAgainstLoopback)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// From closing the window in the middle of a synchronisation to the end of the
// application's event loop, as the program ends: during a query's wait on a
// silent server (range 0) and during a server-list download that never
// answers (range 1). Both should end within one wait step, far below 100 ms.
void BM_CloseDuringSynchronisationToEnd(benchmark::State& state) {
    const bool duringDownload = state.range(0) == 1;
    app::testing::PrivateIniFile ini;
    net::testing::LoopbackDaytimeServer daytime;
    daytime.Script({}, {net::testing::DaytimeBehaviour::Silent, {}});
    net::testing::LoopbackHttpServer http;
    http.NeverAnswer();
    ini.Write("[INTERNET]\nTIME=" + std::string(duringDownload ? "bad host" : "127.0.0.1") +
              "\nSERVLIEBIAO=" + http.Url() + "\n");
    app::testing::FakeWallClock clock;
    for (auto _ : state) {
        app::AppEnvironment environment; // the real 55 ms wait steps
        environment.clock = &clock;
        environment.daytimePort = daytime.Port();
        app::qt::QtMainWindow window(std::move(environment));
        window.show();
        std::chrono::steady_clock::time_point closedAt;
        QTimer::singleShot(300, &window, [&] {
            closedAt = std::chrono::steady_clock::now();
            window.close();
        });
        QTimer::singleShot(0, &window, [&] {
            window.Form().cmdDateTime_Click();
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - closedAt).count());
    }
}
BENCHMARK(BM_CloseDuringSynchronisationToEnd)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
