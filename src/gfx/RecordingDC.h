#pragma once
// A drawing surface that keeps every operation with its arguments and the
// pen, brush and font in force. Tests compare it with exact coordinates; the
// .ops export has each operation written as text as it is drawn, so that a
// recording of any size takes little memory.

#include "gfx/DC.h"

#include <iosfwd>
#include <string>
#include <vector>

class CRecordingDC : public CDC {
public:
    enum class OpKind { Rect, Poly, Polyline, Line, Text, Clip, ClipOff };

    struct Op {
        OpKind kind;
        std::vector<CPoint> points;  // Rect: (L, T), (R, B); Line: from, to; Text: top-left; Clip: (L, T), (R, B)
        CPen pen;
        CBrush brush;
        CFont font;
        std::string text;  // Text: the bytes drawn
        TextEncoding encoding = TextEncoding::ShiftJis;  // Text: how the bytes decode
    };

    // Keeps the operations; with a stream, writes each to it in the .ops
    // format as it is drawn instead (the page line first) and keeps none.
    explicit CRecordingDC(std::ostream* stream = nullptr) : m_pStream(stream) {}

    const std::vector<Op>& Ops() const { return m_ops; }

    // Writes the recording in the .ops format, texts decoded as the surface decodes them.
    void WriteOps(std::ostream& out) const;

protected:
    void OnPageSize(int width, int height) override;
    void DoLine(CPoint from, CPoint to) override;
    void DoRectangle(int left, int top, int right, int bottom) override;
    void DoPolygon(const CPoint* points, int count) override;
    void DoPolyline(const CPoint* points, int count) override;
    void DoTextOut(int x, int y, const char* text, int count) override;
    void DoClip(int left, int top, int right, int bottom) override;
    void DoClipOff() override;

private:
    Op NewOp(OpKind kind) const;
    void Keep(Op op);
    void WritePageLine(std::ostream& out) const;
    static void WriteOp(std::ostream& out, const Op& op);

    std::ostream* m_pStream;
    std::vector<Op> m_ops;
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    bool m_bPageSet = false;
};
