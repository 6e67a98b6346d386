#pragma once
// Draws a chart window's pages into images on a worker thread, so that the
// window answers while a large chart is drawn. A request carries a copy of the
// settings and a snapshot of the document, which may meanwhile take new data
// or another region. A newer request supersedes the page in flight, which
// stops at the chart's next check; a draft in flight is let finish, so that
// held keys show new frames instead of none. A request whose exact page will
// take long gets a draft first, shown at once. 3D pages are drawn in bands,
// one thread each. The drawing runs as a task of the worker pool while there
// are requests.

#include "doc/DocSnapshot.h"
#include "page/PrintedPage.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "work/CancelToken.h"
#include "work/WorkerPool.h"

#include <QImage>
#include <QPicture>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

struct CPageRequest {
    CDocSnapshot doc;
    CPlotSettings settings;
    int clientWidth = 0;
    int clientHeight = 0;
    double ratio = 1.0;  // device pixels per client pixel
    bool draft = false;  // a draft only (while the 3D chart is turned)
    bool draftFirst = false;  // a draft, then the exact page
    double minText = 0.0;  // the least height of the text in client pixels
    // The printed page of a device of this geometry instead of the screen
    // page: recorded for the device, or drawn into an image at
    // printedImageDotsPerMm when the recording would take long to play.
    std::optional<CPrintGeometry> printed = std::nullopt;
    double printedImageDotsPerMm = 0.0;
};

struct CRenderedPage {
    long long serial = 0;  // the request it answers
    bool draft = false;
    QImage image;      // null when the draw failed or the page was recorded
    QPicture picture;  // the printed page when recorded
    CPageLayout layout;
    bool noMemory = false;  // the draw failed for want of memory
    std::string error;      // why the draw failed; empty when it did not
};

// The page of request drawn into a new image (a draft when draft), or the
// printed page when asked for: in bands for the 3D chart, stopping early when
// cancel is cancelled, its progress in thousandths in progress. Failures come
// back in the page.
CRenderedPage RenderPage(const CPageRequest& request, bool draft, std::optional<CCancelToken> cancel = {},
                         std::atomic<int>* progress = nullptr);

class CPageRenderer {
public:
    // onFinished runs on a worker thread each time a page is ready to Take.
    explicit CPageRenderer(std::function<void()> onFinished);
    // Stops the drawing and waits for the pool's task.
    ~CPageRenderer();
    CPageRenderer(const CPageRenderer&) = delete;
    CPageRenderer& operator=(const CPageRenderer&) = delete;

    // Queues the page to draw next, replacing a request not yet started;
    // returns the serial its page will carry.
    long long Request(CPageRequest request);
    // Drops the queued request, stops the page in flight and waits for it.
    void Stop();
    // The newest finished page not taken yet.
    std::optional<CRenderedPage> Take();
    // How far the exact page in flight has come, in thousandths.
    int Progress() const { return m_nProgress.load(std::memory_order_relaxed); }
    // Milliseconds the last exact page took to draw; -1 before the first.
    long long LastExactMs() const { return m_nLastExactMs.load(std::memory_order_relaxed); }

private:
    // The pool's task: draws the requests as they come until none waits.
    void Drain();
    // Draws request's page (a draft when draft) and hands it over unless it
    // was cancelled or superseded meanwhile; false when it was.
    bool Render(const CPageRequest& request, long long serial, bool draft);

    std::function<void()> m_fnFinished;
    std::mutex m_mutex;
    std::condition_variable m_idle;
    std::optional<CPageRequest> m_pending;
    long long m_nSerial = 0;  // of the last request
    bool m_bBusy = false;     // a task of the pool is drawing
    bool m_bDraftInFlight = false;
    CCancelToken m_cancel;    // of the page in flight
    std::atomic<int> m_nProgress{0};
    std::atomic<long long> m_nLastExactMs{-1};
    std::optional<CRenderedPage> m_finished;
    CTask m_task;
};
