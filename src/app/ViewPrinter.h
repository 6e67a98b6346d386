#pragma once
// Printing of chart windows on the application's one printer: print with or
// without the dialog, print preview, and the page set-up.

#include "page/PrintedPage.h"

#include <QObject>
#include <QSize>
#include <QString>

class CSorvView;
class QPrinter;
class QWidget;

// The geometry of the printer's page: its resolution, its page in dots and
// the printable area.
CPrintGeometry PrintGeometry(const QPrinter& printer);

class CViewPrinter : public QObject {
    Q_OBJECT
public:
    CViewPrinter(QPrinter& printer, QWidget* parent);

    // Without a printer on the machine the printer writes PDF files.
    static void UsePdfWithoutPrinters(QPrinter& printer);

    // One page of the view; asks first when withDialog.
    void Print(CSorvView* view, bool withDialog);
    void Preview(CSorvView* view);
    void PageSetup();
    // The printer's printable area in whole millimetres, on which a page is fitted.
    QSize PrintableAreaMm() const;

private:
    void PrepareOutput(const CSorvView* view);
    // Prints one page; tells the user (over parent) when it could not.
    static void PrintNow(const CSorvView& view, QPrinter& printer, QWidget* parent);

    QPrinter& m_printer;
    QWidget* m_pParent;
    QString m_strOwnFileName;  // the PDF file name last chosen here, not by the user
};
