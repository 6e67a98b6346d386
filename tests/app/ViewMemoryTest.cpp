// A chart window whose page cannot be drawn for want of memory says so in the
// status text and goes on; a later page is drawn again. So do printing and
// reading in the worker thread. Run in child processes, each with the large
// allocations of its worker threads made to fail.

#include "app/DocLoader.h"
#include "app/SorvView.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"
#include "support/MemoryLimit.h"
#include "support/TestDoc.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>

// Allocations through operator new of this size or more fail while set, in
// every thread that is not spared.
namespace {
std::atomic<std::size_t> g_failFrom{SIZE_MAX};
thread_local bool t_spared = false;
}  // namespace

void* operator new(std::size_t size)
{
    if (!t_spared && size >= g_failFrom)
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// Exit statuses of the child, one for each step that can fail.
enum Step { Drawn = 0, NoMessage = 10, NotDrawnAgain };

// Runs body with an application of its own and a chart window of 200 x 150 onto doc.
int WithChartWindow(CSorvDoc& doc, const std::function<int(CSorvView&)>& body)
{
    int argc = 1;
    char name[] = "view_memory_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    CSorvView view(doc);
    view.resize(200, 150);
    return body(view);
}

// The page is drawn in the window's worker thread, whose allocations from its
// own arena an address-space limit does not reach: here the drawing's own
// allocations (operator new) of 1 MB or more fail in every thread but this one.
int PaintShortOfMemory(CSorvView& view)
{
    QString message;
    QObject::connect(&view, &CSorvView::drawFailed, [&message](const QString& text) { message = text; });
    view.WaitForPage();

    t_spared = true;
    g_failFrom = std::size_t(1) << 20;  // the stacked chart keeps running totals of 4 MB here
    view.Settings().m_nGraphType = 2;
    view.Invalidate();
    view.WaitForPage();
    g_failFrom = SIZE_MAX;
    if (message != QStringLiteral("ﾒﾓﾘが足りないため、ｸﾞﾗﾌを描けませんでした。"))
        return NoMessage;

    const int drawn = view.ExactDrawCount();
    view.Settings().m_nGraphType = 1;
    view.Invalidate();
    view.WaitForPage();
    return view.ExactDrawCount() == drawn + 1 && view.Layout().m_nPageWidth == 200 ? Drawn : NotDrawnAgain;
}

// Printing short of memory: a message instead of a page, and the next print
// works. The printer needs more to end its job than the drawing ever takes, so
// here only the drawing's own allocations (operator new) fail, not Qt's.
int PrintShortOfMemory(CSorvView& view, const QString& pdf)
{
    view.Settings().m_nGraphType = 2;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    CViewPrinter printing(printer, nullptr);

    g_failFrom = std::size_t(1) << 20;  // the running totals take 8 MB
    printing.Print(&view, false);
    g_failFrom = SIZE_MAX;
    bool told = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            told = told || box->text() == QStringLiteral("ﾒﾓﾘが足りないため印刷できません。");
    }
    if (!told)
        return NoMessage;
    QFile::remove(pdf);
    view.GetDocument().SetRegion(0, 0, 1, 1);
    printing.Print(&view, false);
    return QFileInfo(pdf).size() > 100 ? Drawn : NotDrawnAgain;
}

TEST(ViewMemory, PrintingShortOfMemoryIsReportedAndPrintingGoesOn)
{
    QTemporaryDir dir;
    const auto doc = MakeTestDoc(1000, 1000, [](int r, int c) { return double((r * 7 + c) % 97); });
    const auto print = [&](CSorvView& view) { return PrintShortOfMemory(view, dir.filePath("page.pdf")); };
    EXPECT_EQ(RunInChild([&] { return WithChartWindow(*doc, print); }), Drawn);
}

// The read of the worker thread runs out of memory: the read fails with the
// reason, the program goes on, and the next read works.
int LoadShortOfMemory(const std::string& path)
{
    int argc = 1;
    char name[] = "view_memory_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const auto load = [&path] {
        CDocLoader loader({path, {}}, nullptr);
        QEventLoop wait;
        QObject::connect(&loader, &CDocLoader::finished, &wait, &QEventLoop::quit);
        loader.Start();
        wait.exec();
        return std::make_pair(loader.TakeDocument() != nullptr, loader.Outcome().failure.code);
    };
    t_spared = true;  // only the worker's document fails
    g_failFrom = sizeof(CDocData);
    const auto [short_, failure] = load();
    g_failFrom = SIZE_MAX;
    if (short_ || failure != ReadError::NoMemory)
        return NoMessage;
    return load().first ? Drawn : NotDrawnAgain;
}

TEST(ViewMemory, ReadingShortOfMemoryFailsAndReadingGoesOn)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("data.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,1,2,3\nb,4,5,6\n");
    file.close();
    const std::string path = QFile::encodeName(file.fileName()).toStdString();
    EXPECT_EQ(RunInChild([&] { return LoadShortOfMemory(path); }), Drawn);
}

TEST(ViewMemory, PageThatCannotBeDrawnIsReportedAndTheWindowGoesOn)
{
    const auto doc = MakeTestDoc(500, 1000, [](int r, int c) { return double((r * 7 + c) % 97); });
    EXPECT_EQ(RunInChild([&] { return WithChartWindow(*doc, PaintShortOfMemory); }), Drawn);
}

}  // namespace
