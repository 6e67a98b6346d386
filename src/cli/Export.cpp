#include "cli/Export.h"

#include "gfx/PainterDC.h"
#include "gfx/RecordingDC.h"
#include "page/PageDraw.h"
#include "page/PageImage.h"
#include "page/PrintedPage.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <ostream>
#include <streambuf>
#include <sys/stat.h>

namespace {

constexpr int kPdfResolution = 600;

bool WritePng(QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page)
{
    const QImage image =
        DrawPageImage(doc, s, page.clientWidth, page.clientHeight, page.devicePixelRatio, page.minText)
            .image;
    return image.save(&out, "PNG");
}

bool WriteSvg(QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(page.clientWidth, page.clientHeight));
    svg.setViewBox(QRect(0, 0, page.clientWidth, page.clientHeight));
    svg.setTitle(QStringLiteral("Sorv chart"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    CPainterDC dc(painter, svg.logicalDpiX() / 25.4);
    DrawPage(dc, doc, s, page.clientWidth, page.clientHeight, page.minText);
    return painter.end();
}

bool WritePdf(QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page)
{
    QPdfWriter pdf(&out);
    pdf.setCreator(QStringLiteral("Sorv"));
    pdf.setResolution(kPdfResolution);
    pdf.setPageSize(QPageSize(QSizeF(page.areaWidthMm, page.areaHeightMm), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    DrawPrintedPage(painter, {kPdfResolution / 25.4, pdf.width(), pdf.height(), page.areaWidthMm, page.areaHeightMm},
                    doc, s, page.clientWidth, page.clientHeight);
    return painter.end();
}

// A standard output stream onto a Qt device, written in blocks.
class CDeviceStreamBuf : public std::streambuf {
public:
    explicit CDeviceStreamBuf(QIODevice& out) : m_out(out) { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const qint64 n = pptr() - pbase();
        if (n > 0 && m_out.write(pbase(), n) != n)
            return -1;
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return 0;
    }

private:
    QIODevice& m_out;
    std::array<char, 1 << 16> m_buffer;
};

// Each operation is written as it is drawn: the recording is never held whole.
bool WriteOps(QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page)
{
    CDeviceStreamBuf buffer(out);
    std::ostream text(&buffer);
    CRecordingDC dc(&text);
    if (page.printArea) {
        dc.m_bPrinting = true;
        dc.SetPrintableSize(page.areaWidthMm, page.areaHeightMm);
    }
    DrawPage(dc, doc, s, page.clientWidth, page.clientHeight, page.minText);
    return bool(text.flush());
}

}  // namespace

bool WriteChart(ExportFormat format, QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page)
{
    switch (format) {
    case ExportFormat::Png:
        return WritePng(out, doc, s, page);
    case ExportFormat::Svg:
        return WriteSvg(out, doc, s, page);
    case ExportFormat::Pdf:
        return WritePdf(out, doc, s, page);
    case ExportFormat::Ops:
        return WriteOps(out, doc, s, page);
    case ExportFormat::Unknown:
        break;
    }
    return false;
}

namespace {

// The process's umask, read without setting it (setting it, even back, would
// race with threads that create files meanwhile); 022 where it cannot be read.
mode_t ProcessUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            bool ok = false;
            const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
            if (ok)
                return mode_t(mask & 0777);
        }
    }
    return 022;
}

// A temporary file is made 0600; the output gets the usual mode.
void SetUsualMode(const QString& path)
{
    chmod(QFile::encodeName(path).constData(), 0666 & ~ProcessUmask());
}

}  // namespace

ExportFormat ExportFormatOf(const std::string& path)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ExportFormat::Png;
    if (suffix == QLatin1String("svg"))
        return ExportFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix == QLatin1String("ops"))
        return ExportFormat::Ops;
    return ExportFormat::Unknown;
}

bool ExportChart(const std::string& path, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page,
                 std::string& error)
{
    const ExportFormat format = ExportFormatOf(path);
    if (format == ExportFormat::Unknown) {
        error = "unknown output format (use .png, .svg, .pdf or .ops): " + path;
        return false;
    }
    const QString target = QFile::decodeName(path.c_str());
    const QFileInfo info(target);
    QTemporaryFile tmp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!tmp.open()) {
        error = "cannot write " + path + ": " + tmp.errorString().toStdString();
        return false;
    }
    // The temporary file goes with the memory that ran out: nothing is left behind.
    bool written = false;
    try {
        written = WriteChart(format, tmp, doc, s, page);
    } catch (const std::bad_alloc&) {
        error = path + ": not enough memory to draw the chart";
        return false;
    }
    if (!written || !tmp.flush() || tmp.error() != QFileDevice::NoError) {
        error = "cannot write " + path + (tmp.error() != QFileDevice::NoError ? ": " + tmp.errorString().toStdString() : "");
        return false;
    }
    tmp.close();
    SetUsualMode(tmp.fileName());
    if (std::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    tmp.setAutoRemove(false);
    return true;
}
