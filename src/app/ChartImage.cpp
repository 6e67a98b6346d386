#include "app/ChartImage.h"

#include "app/SorvView.h"
#include "doc/SorvDoc.h"
#include "page/PageImage.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>
#include <new>

namespace {
const char* const kSvgMimeType = "image/svg+xml";
}  // namespace

CChartImage::CChartImage(const CSorvView& view) : m_view(view)
{
    m_page.clientWidth = view.width();
    m_page.clientHeight = view.height();
    m_page.devicePixelRatio = view.devicePixelRatioF();
    m_page.minText = CSorvView::kMinTextPixels;
}

QImage CChartImage::Image() const
{
    return DrawPageImage(m_view.GetDocument(), m_view.Settings(), m_page.clientWidth, m_page.clientHeight,
                         m_page.devicePixelRatio, m_page.minText)
        .image;
}

QByteArray CChartImage::Svg() const
{
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteChart(ExportFormat::Svg, buffer, m_view.GetDocument(), m_view.Settings(), m_page))
        return {};
    return svg;
}

QMimeData* CChartImage::MimeData() const
{
    auto mime = std::make_unique<QMimeData>();
    mime->setImageData(Image());
    mime->setData(kSvgMimeType, Svg());
    return mime.release();
}

bool CChartImage::CopyToClipboard() const
{
    try {
        QGuiApplication::clipboard()->setMimeData(MimeData());
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CChartImage::Save(const QString& path, QSize areaMm, QString& error) const
{
    ExportPage page = m_page;
    page.areaWidthMm = areaMm.width();
    page.areaHeightMm = areaMm.height();
    std::string why;
    if (ExportChart(QFile::encodeName(path).toStdString(), m_view.GetDocument(), m_view.Settings(), page, why))
        return true;
    error = QString::fromStdString(why);
    return false;
}
