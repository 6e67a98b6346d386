#pragma once
// A raster back end that draws a page on several threads. The operations are
// queued in bounded chunks; each chunk is replayed in every horizontal band of
// the image, each band a CPainterDC on the same image memory, clipped to the
// band's rows. A band may run a few chunks ahead of another: the work of one
// chunk often lies mostly in one band, and bands kept in step would wait. The pixels are those one CPainterDC draws on the whole
// image: a clip cuts lines pixel by pixel, where an image of the band's rows
// alone would cut them at its edge and start their steps there.
//
//     CBandedDC dc(image, QThread::idealThreadCount(), dotsPerMm);
//     DrawPage(dc, ...);
//     dc.Finish();
//
// Once the cancel flag is set, nothing more is queued and the bands leave
// the chunk they replay: the image is then unfinished.

#include "gfx/DC.h"

#include <QImage>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class CBandedDC : public CDC {
public:
    // Draws on image (kept by reference until Finish) in up to `bands` bands,
    // one thread each; dotsPerMm as for CPainterDC.
    CBandedDC(QImage& image, int bands, double dotsPerMm);
    // Finishes, if Finish was not called.
    ~CBandedDC() override;
    CBandedDC(const CBandedDC&) = delete;
    CBandedDC& operator=(const CBandedDC&) = delete;

    // Draws what is queued (unless cancelled) and waits for every band. Ends
    // the page: what is drawn after it is left out.
    void Finish();
    // The number of bands (and threads) the image is drawn in.
    int BandCount() const { return int(m_bands.size()); }

protected:
    void OnMappingChanged() override;
    void OnPenChanged() override;
    void OnBrushChanged() override;
    void OnFontChanged() override;
    void DoLine(CPoint from, CPoint to) override;
    void DoRectangle(int left, int top, int right, int bottom) override;
    void DoPolygon(const CPoint* points, int count) override;
    void DoPolyline(const CPoint* points, int count) override;
    void DoTextOut(int x, int y, const char* text, int count) override;
    void DoClip(int left, int top, int right, int bottom) override;
    void DoClipOff() override;

private:
    enum class Kind : unsigned char;
    struct Op;
    struct Chunk;
    struct Band {
        int top = 0;  // first image row
        int rows = 0;
        long long done = 0;  // chunks replayed, under m_mutex
        std::thread thread;
    };
    // Chunks queued at most: the furthest one band may run ahead of another.
    static constexpr int kChunks = 8;

    // Operations are queued until the page ends or is cancelled.
    bool Accepting() const { return !m_bFinished && !IsCancelled(); }
    void Queue(Kind kind, int a = 0, int b = 0, int c = 0, int d = 0);
    void QueuePoints(Kind kind, const CPoint* points, int count);
    void QueueTextState();
    void Submit();
    void WaitForBands();
    // Whether every band has replayed count chunks; under m_mutex.
    bool BandsDone(long long count) const;
    void RunBand(Band& band);
    void Replay(const Chunk& chunk, CDC& dc) const;

    QImage& m_image;
    uchar* m_pBits = nullptr;
    double m_dDotsPerMm;
    std::vector<Band> m_bands;
    // A ring of chunks: the bands replay the older ones while the next fills.
    std::vector<std::unique_ptr<Chunk>> m_chunks;
    Chunk* m_filling = nullptr;
    bool m_bFinished = false;
    bool m_bTextState = false;  // a text state was queued
    COLORREF m_crText = 0;
    COLORREF m_crBk = 0;
    int m_nBkMode = 0;
    TextEncoding m_encoding = TextEncoding::ShiftJis;

    std::mutex m_mutex;
    std::condition_variable m_start;
    std::condition_variable m_done;
    long long m_nGeneration = 0;  // chunks handed to the bands
    bool m_bQuit = false;
};
