#include "gfx/RecordingDC.h"

#include "gfx/TextCodec.h"

#include <cstdio>
#include <ostream>
#include <utility>

namespace {

std::string Hex(COLORREF c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", unsigned(c & 0xFFFFFF));
    return buf;
}

std::string PenText(const CPen& p)
{
    return "pen=" + std::to_string(p.style) + "," + std::to_string(p.width) + "," + Hex(p.color);
}

std::string BrushText(const CBrush& b)
{
    return "brush=" + Hex(b.color);
}

// Quotes and backslashes escaped; line breaks (a title from the command
// line, a label that kept its CR) written as \n and \r, so that every
// operation stays on one line.
std::string Escaped(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    for (char ch : utf8) {
        if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else {
            if (ch == '"' || ch == '\\')
                out += '\\';
            out += ch;
        }
    }
    return out;
}

void WritePoints(std::ostream& out, const std::vector<CPoint>& pts)
{
    out << pts.size();
    for (const CPoint& p : pts)
        out << ' ' << p.x << ' ' << p.y;
}

}  // namespace

CRecordingDC::Op CRecordingDC::NewOp(OpKind kind) const
{
    Op op;
    op.kind = kind;
    op.pen = GetCurrentPen();
    op.brush = GetCurrentBrush();
    op.font = GetCurrentFont();
    return op;
}

void CRecordingDC::Keep(Op op)
{
    if (m_pStream)
        WriteOp(*m_pStream, op);
    else
        m_ops.push_back(std::move(op));
}

void CRecordingDC::OnPageSize(int width, int height)
{
    m_nPageWidth = width;
    m_nPageHeight = height;
    m_bPageSet = true;
    if (m_pStream)
        WritePageLine(*m_pStream);
}

void CRecordingDC::DoLine(CPoint from, CPoint to)
{
    Op op = NewOp(OpKind::Line);
    op.points = {from, to};
    Keep(std::move(op));
}

void CRecordingDC::DoRectangle(int left, int top, int right, int bottom)
{
    Op op = NewOp(OpKind::Rect);
    op.points = {{left, top}, {right, bottom}};
    Keep(std::move(op));
}

void CRecordingDC::DoPolygon(const CPoint* points, int count)
{
    Op op = NewOp(OpKind::Poly);
    op.points.assign(points, points + count);
    Keep(std::move(op));
}

void CRecordingDC::DoPolyline(const CPoint* points, int count)
{
    Op op = NewOp(OpKind::Polyline);
    op.points.assign(points, points + count);
    Keep(std::move(op));
}

void CRecordingDC::DoTextOut(int x, int y, const char* text, int count)
{
    Op op = NewOp(OpKind::Text);
    op.points = {{x, y}};
    op.text.assign(text, std::size_t(count));
    op.encoding = GetTextEncoding();
    Keep(std::move(op));
}

void CRecordingDC::DoClip(int left, int top, int right, int bottom)
{
    Op op = NewOp(OpKind::Clip);
    op.points = {{left, top}, {right, bottom}};
    Keep(std::move(op));
}

void CRecordingDC::DoClipOff()
{
    Keep(NewOp(OpKind::ClipOff));
}

void CRecordingDC::WritePageLine(std::ostream& out) const
{
    out << "page " << m_nPageWidth << ' ' << m_nPageHeight << ' ' << (m_bPrinting ? "print" : "screen") << '\n';
}

void CRecordingDC::WriteOp(std::ostream& out, const Op& op)
{
    const auto& p = op.points;
    switch (op.kind) {
    case OpKind::Rect:
        out << "rect " << p[0].x << ' ' << p[0].y << ' ' << p[1].x << ' ' << p[1].y << ' ' << PenText(op.pen) << ' '
            << BrushText(op.brush) << '\n';
        break;
    case OpKind::Poly:
        out << "poly ";
        WritePoints(out, p);
        out << ' ' << PenText(op.pen) << ' ' << BrushText(op.brush) << '\n';
        break;
    case OpKind::Polyline:
        out << "polyline ";
        WritePoints(out, p);
        out << ' ' << PenText(op.pen) << '\n';
        break;
    case OpKind::Line:
        out << "line " << p[0].x << ' ' << p[0].y << ' ' << p[1].x << ' ' << p[1].y << ' ' << PenText(op.pen) << '\n';
        break;
    case OpKind::Text: {
        const std::string utf8 = DecodeToUtf8(op.text.data(), int(op.text.size()), op.encoding);
        out << "text " << p[0].x << ' ' << p[0].y << " \"" << Escaped(utf8) << "\" font=" << op.font.height << ','
            << op.font.width << ',' << (op.font.underline ? 1 : 0) << '\n';
        break;
    }
    case OpKind::Clip:
        out << "clip " << p[0].x << ' ' << p[0].y << ' ' << p[1].x << ' ' << p[1].y << '\n';
        break;
    case OpKind::ClipOff:
        out << "clip off\n";
        break;
    }
}

void CRecordingDC::WriteOps(std::ostream& out) const
{
    if (m_bPageSet)
        WritePageLine(out);
    for (const Op& op : m_ops)
        WriteOp(out, op);
}
