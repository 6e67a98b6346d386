// A chart window while its worker draws a large chart: how long a key or a
// menu command keeps the window's thread (what the user waits for before the
// window answers), how long a reload keeps it while a page is drawn,
// how often frames come while the 3D chart is turned with a held key, how
// long a single change takes to its first picture, and how long the exact
// page takes to arrive, and the print preview's page. Charts: a 2000 x 2000 surface in
// 3D (model 3) and a scatter chart of 1,130 rows x 6,000 values, at 800 x 600.

#include "app/SorvView.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"
#include "gfx/FontSubstitutions.h"
#include "settings/CommandIds.h"
#include "support/TestDoc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

CSorvDoc& Surface()
{
    static const std::unique_ptr<CSorvDoc> doc = MakeTestDoc(2000, 2000, [](int r, int c) {
        return 40.0 * std::sin(c * 0.0065) * std::cos(r * 0.0105) + 0.01 * ((c * 7 + r * 3) % 100);
    });
    return *doc;
}

CSorvDoc& Scatter()
{
    static const std::unique_ptr<CSorvDoc> doc =
        MakeTestDoc(1130, 6000, [](int r, int c) { return std::sin(c * 0.001 * (r % 17 + 1)) * 100.0 + r * 0.1; });
    return *doc;
}

// A shown window of the chart, its first page drawn.
std::unique_ptr<CSorvView> Window(bool threeD)
{
    auto view = std::make_unique<CSorvView>(threeD ? Surface() : Scatter());
    view->Settings().m_nGraphType = threeD ? 3 : 0;
    view->Settings().m_nModel = 3;
    view->resize(800, 600);
    view->show();
    view->WaitForPage(600000);
    return view;
}

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// Sends the key 'x' (turn about x) to the window as the window system would,
// held down or not.
void KeyX(CSorvView& view, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent event(type, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), autoRepeat);
    QApplication::sendEvent(&view, &event);
}

// One change: 'x' turns the 3D chart; the scatter chart gets a chart-type command.
void Change(CSorvView& view, bool threeD)
{
    if (threeD)
        KeyX(view, QEvent::KeyPress, false);
    else
        view.OnCommand(view.Settings().m_nGraphType == 0 ? CommandId::GraphLine : CommandId::GraphScatter);
    view.repaint();
}

// The command and the paint it asks for, with a page always in flight: the
// window's thread is busy only for this long, whatever the worker does.
void BM_CommandWhileDrawing(benchmark::State& state)
{
    const bool threeD = state.range(0) == 3;
    auto view = Window(threeD);
    for (auto _ : state) {
        const auto start = Clock::now();
        Change(*view, threeD);
        QApplication::processEvents();
        state.SetIterationTime(Seconds(start));
    }
    state.counters["pages_shown"] = view->DrawCount();
}

// What the window's thread spends on a reload while the worker is well into
// a page: the document publishes the data read (here, the same data again),
// the window's axes follow it and the new page is requested; the page in
// flight goes on with the data it began with.
void BM_ReloadWhileDrawing(benchmark::State& state)
{
    const bool threeD = state.range(0) == 3;
    auto view = Window(threeD);
    CSorvDoc& doc = view->GetDocument();
    for (auto _ : state) {
        view->Invalidate();
        view->repaint();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto start = Clock::now();
        const CAxesFollow follow = AxesFollowing(view->Settings(), doc);
        doc.Publish(doc.SharedData());
        view->OnReload(follow);
        view->repaint();
        state.SetIterationTime(Seconds(start));
    }
    view->WaitForPage(600000);
}

// Frames while 'x' is held down: each iteration is one auto-repeated key and
// the draft page it brings.
void BM_TurnWithHeldKey(benchmark::State& state)
{
    auto view = Window(true);
    KeyX(*view, QEvent::KeyPress, false);
    for (auto _ : state) {
        const int shown = view->DrawCount();
        const auto start = Clock::now();
        KeyX(*view, QEvent::KeyPress, true);
        view->repaint();
        while (view->DrawCount() == shown)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(Seconds(start));
    }
    KeyX(*view, QEvent::KeyRelease, false);
    view->WaitForPage(600000);
}

// The exact page from the change to the screen: what the window took to
// answer when it drew in its own thread.
void BM_ExactPage(benchmark::State& state)
{
    auto view = Window(state.range(0) == 3);
    for (auto _ : state) {
        const auto start = Clock::now();
        view->Invalidate();
        view->WaitForPage(600000);
        state.SetIterationTime(Seconds(start));
    }
}

// A single change: 'x' turns the 3D chart, the scatter chart switches to the
// line chart and back. The time to the first new picture (a draft when the
// exact page takes long) and, as a counter, to the exact page.
void BM_FirstPicture(benchmark::State& state)
{
    const bool threeD = state.range(0) == 3;
    auto view = Window(threeD);
    double exact = 0;
    for (auto _ : state) {
        const int shown = view->DrawCount();
        const auto start = Clock::now();
        Change(*view, threeD);
        while (view->DrawCount() == shown)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(Seconds(start));
        view->WaitForPage(600000);
        exact += Seconds(start);
    }
    state.counters["exact_ms"] = 1000 * exact / double(state.iterations());
}

// Print preview of the chart for a 1200 dpi printer, from the command to the
// page shown (the time the window's thread spent on it when it drew the page
// itself); counters: how long opening the preview kept the window's thread,
// and the longest it kept it meanwhile.
void BM_PreviewPage(benchmark::State& state)
{
    auto view = Window(state.range(0) == 3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    CViewPrinter printing(printer, nullptr);
    double open = 0;
    double longest = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        printing.Preview(view.get());
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        open += Seconds(start);
        const auto* status = preview->findChild<QStatusBar*>();
        while (!status->currentMessage().isEmpty()) {
            const auto call = Clock::now();
            QApplication::processEvents();
            longest = std::max(longest, Seconds(call));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        state.SetIterationTime(Seconds(start));
        delete preview;
    }
    state.counters["open_ms"] = 1000 * open / double(state.iterations());
    state.counters["longest_wait_ms"] = 1000 * longest;
}

}  // namespace

BENCHMARK(BM_PreviewPage)->Arg(3)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FirstPicture)->Arg(3)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CommandWhileDrawing)->Arg(3)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_ReloadWhileDrawing)->Arg(3)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_TurnWithHeldKey)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_ExactPage)->Arg(3)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
