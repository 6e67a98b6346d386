#include "app/ViewPrinter.h"

#include "app/SorvView.h"
#include "doc/SorvDoc.h"
#include "page/PrintedPage.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

QSize PrintableArea(const QPrinter& printer)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    return {int(area.width()), int(area.height())};
}

// Draws the chart window's page on a printer (or the preview's printer).
void PrintPage(QPrinter& printer, const CSorvDoc& doc, const CPlotSettings& s, int clientWidth, int clientHeight)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // The painter's origin is the printable area's top-left corner.
    const QSize area = PrintableArea(printer);
    DrawPrintedPage(painter, printer.resolution() / 25.4, area.width(), area.height(), doc, s, clientWidth,
                    clientHeight);
    painter.end();
}

}  // namespace

CViewPrinter::CViewPrinter(QPrinter& printer, QWidget* parent) : QObject(parent), m_printer(printer), m_pParent(parent) {}

void CViewPrinter::UsePdfWithoutPrinters(QPrinter& printer)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
}

// A PDF printer writes "<document>.pdf" in the user's documents unless the
// user chose a file; a name chosen here follows the document printed next.
void CViewPrinter::PrepareOutput(const CSorvView* view)
{
    m_printer.setDocName(QString::fromStdString(view->GetDocument().GetTitle()));
    const QString current = m_printer.outputFileName();
    if (m_printer.outputFormat() != QPrinter::PdfFormat || (!current.isEmpty() && current != m_strOwnFileName))
        return;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::homePath();
    m_strOwnFileName = dir + '/' + QFileInfo(m_printer.docName()).completeBaseName() + ".pdf";
    m_printer.setOutputFileName(m_strOwnFileName);
}

// The printed page has a layout of its own; the window keeps the one of its
// last screen paint, which the mouse relies on.
bool CViewPrinter::PrintNow(const CSorvView* view, QPrinter& printer)
{
    PrintPage(printer, view->GetDocument(), view->Settings(), view->width(), view->height());
    return printer.printerState() != QPrinter::Error;
}

void CViewPrinter::Print(CSorvView* view, bool withDialog)
{
    PrepareOutput(view);
    if (!withDialog) {
        if (!PrintNow(view, m_printer))
            QMessageBox::warning(m_pParent, QStringLiteral("Sorv"), tr("印刷できませんでした。"));
        return;
    }
    auto* dialog = new QPrintDialog(&m_printer, m_pParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<CSorvView> target(view);
    connect(dialog, &QDialog::accepted, this, [this, target] {
        if (target)
            Print(target, false);
    });
    dialog->open();
}

void CViewPrinter::Preview(CSorvView* view)
{
    PrepareOutput(view);
    auto* preview = new QPrintPreviewDialog(&m_printer, m_pParent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(tr("印刷ﾌﾟﾚﾋﾞｭｰ"));
    QPointer<CSorvView> target(view);
    connect(preview, &QPrintPreviewDialog::paintRequested, this, [this, target](QPrinter* printer) {
        if (target)
            PrintNow(target, *printer);
    });
    if (m_pParent)
        preview->resize(m_pParent->size() * 0.9);
    preview->open();
}

QSize CViewPrinter::PrintableAreaMm() const
{
    return PrintableArea(m_printer);
}

void CViewPrinter::PageSetup()
{
    auto* dialog = new QPageSetupDialog(&m_printer, m_pParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
