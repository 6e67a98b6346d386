#include "app/CursorReadout.h"

#include "app/SorvView.h"
#include "doc/DateTime.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "page/ChartReadout.h"

#include <QLocale>

#include <cmath>

namespace {

TextEncoding EncodingOf(const CDocSnapshot& doc)
{
    return doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

QString Decoded(const CDocSnapshot& doc, std::string_view bytes)
{
    return DecodeText(bytes.data(), int(bytes.size()), EncodingOf(doc));
}

// An x value: a date-time as text, a number with six digits.
QString XText(const CDocSnapshot& doc, double x)
{
    if (!doc->m_x.IsTime())
        return QString::number(x, 'g', 6);
    return QString::fromStdString(FormatDateTime(x, x == std::floor(x) ? 0 : 3));
}

// A column's index, and its label or x value where the file gave them.
QString ColumnText(const CDocSnapshot& doc, int column)
{
    QString text = QString::number(column);
    const CColumnLabels& labels = doc->m_columnLabels;
    if (std::size_t(column) < labels.Count())
        text += QStringLiteral(" (%1)").arg(Decoded(doc, labels.Label(std::size_t(column))));
    else if (std::size_t(column) < doc->m_x.Count())
        text += QStringLiteral(" (%1)").arg(XText(doc, doc->m_x.At(std::size_t(column))));
    return text;
}

// Where the cursor is along H: the column, or the x value.
QString PlaceText(const CDocSnapshot& doc, const CChartReadout& r)
{
    if (!r.x)
        return CCursorReadout::tr("列 %1").arg(ColumnText(doc, r.column));
    const std::string& name = doc->m_x.Name();
    const QString label = name.empty() ? QStringLiteral("x") : Decoded(doc, name);
    return label + QLatin1Char(' ') + XText(doc, *r.x);
}

QString Text2D(const CDocSnapshot& doc, const CChartReadout& r)
{
    QString text = CCursorReadout::tr("%1  値 %2").arg(PlaceText(doc, r), QString::number(r.value, 'g', 6));
    if (r.point) {
        const CChartPoint& p = *r.point;
        text += QStringLiteral("    ") +
                CCursorReadout::tr("系列 %1  列 %2  値 %3")
                    .arg(Decoded(doc, doc->m_pLabels[p.row]), ColumnText(doc, p.column),
                         QString::number(p.value, 'g', QLocale::FloatingPointShortest));
    }
    return text;
}

QString Text3D(const CDocSnapshot& doc, const CPlotSettings& s)
{
    return CCursorReadout::tr("領域 列 %1～%2  行 %3～%4    回転 X %5°  Y %6°  Z %7°")
        .arg(doc.m_nX1)
        .arg(doc.m_nX2)
        .arg(doc.m_nY1)
        .arg(doc.m_nY2)
        .arg(s.m_dRotX)
        .arg(s.m_dRotY)
        .arg(s.m_dRotZ);
}

}  // namespace

QString CCursorReadout::Text(const CSorvView& view, QPoint p)
{
    const CDocSnapshot& doc = view.GetDocument();
    const CPlotSettings& s = view.Settings();
    if (!doc.RegionInMatrix())
        return {};
    if (s.m_nGraphType == 3)
        return Text3D(doc, s);
    const auto readout = ReadChartAt(doc, s, view.Layout(), {p.x(), p.y()}, view.height());
    return readout ? Text2D(doc, *readout) : QString();
}
