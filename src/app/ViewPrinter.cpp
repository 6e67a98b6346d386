#include "app/ViewPrinter.h"

#include "app/PrintPreview.h"
#include "app/SorvView.h"
#include "dialogs/PageSetupDlg.h"
#include "doc/SorvDoc.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <new>

namespace {

QSize PrintableArea(const QPrinter& printer)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    return {int(area.width()), int(area.height())};
}

// Draws the chart window's page on a printer, on the paper, in the
// orientation and within the margins of its page set-up.
// Returns what went wrong, in words; nothing when the page was drawn.
QString PrintPage(QPrinter& printer, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return CViewPrinter::tr("印刷できませんでした。");
    bool drawn = true;
    try {
        // The painter's origin is the printable area's top-left corner.
        DrawPrintedPage(painter, PrintGeometry(printer), doc, s, clientWidth, clientHeight);
    } catch (const std::bad_alloc&) {
        drawn = false;
    }
    // Ended here, once what the drawing held is freed, not while an exception
    // unwinds; a printer that can drop the job drops it.
    if (!drawn)
        printer.abort();
    painter.end();
    if (!drawn)
        return CViewPrinter::tr("ﾒﾓﾘが足りないため印刷できません。");
    return printer.printerState() == QPrinter::Error ? CViewPrinter::tr("印刷できませんでした。") : QString();
}

// The papers of the printer, or those a PDF file can have.
QList<QPageSize> PaperSizes(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QList<QPageSize> sizes = QPrinterInfo(printer).supportedPageSizes();
        if (!sizes.isEmpty())
            return sizes;
    }
    return CPageSetupDlg::StandardSizes();
}

}  // namespace

CPrintGeometry PrintGeometry(const QPrinter& printer)
{
    const QSize area = PrintableArea(printer);
    return {printer.resolution() / 25.4, printer.width(), printer.height(), area.width(), area.height()};
}

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
void CViewPrinter::PrintNow(const CSorvView& view, QPrinter& printer, QWidget* parent)
{
    const QString failure = PrintPage(printer, view.GetDocument(), view.Settings(), view.width(), view.height());
    if (failure.isEmpty())
        return;
    // Not a modal loop of its own: this may run inside the preview's print.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Sorv"), failure, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CViewPrinter::Print(CSorvView* view, bool withDialog)
{
    PrepareOutput(view);
    if (!withDialog) {
        PrintNow(*view, m_printer, m_pParent);
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
    // The preview may outlive this object (it lives as long as its parent).
    const QPointer<QWidget> parent(m_pParent);
    new CPrintPreview(*preview, *view,
                      [parent](const CSorvView& target, QPrinter& printer) { PrintNow(target, printer, parent); });
    if (m_pParent)
        preview->resize(m_pParent->size() * 0.9);
    preview->open();
}

QSize CViewPrinter::PrintableAreaMm() const
{
    return PrintableArea(m_printer);
}

// The printer keeps the set-up for the program's run: every later print and
// preview use it. Qt's own page set-up dialog refuses the PDF printer.
void CViewPrinter::PageSetup()
{
    auto* dialog = new CPageSetupDlg(m_printer.pageLayout(), PaperSizes(m_printer), m_pParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { m_printer.setPageLayout(dialog->PageLayout()); });
    dialog->open();
}
