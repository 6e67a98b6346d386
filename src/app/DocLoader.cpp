#include "app/DocLoader.h"

#include "cli/ReadArguments.h"
#include "doc/SorvDoc.h"
#include "read/DocAppend.h"
#include "work/WorkerPool.h"

#include <QFile>
#include <QFileInfo>

#include <new>

QString DisplayName(const ReadRequest& request)
{
    return request.path == "-" ? StandardInputName() : QFileInfo(QFile::decodeName(request.path.c_str())).fileName();
}

CDocLoader::CDocLoader(ReadRequest request, QObject* parent) : QObject(parent), m_request(std::move(request)) {}

CDocLoader::~CDocLoader()
{
    Cancel();
    m_task.Wait();
}

void CDocLoader::AppendTo(std::shared_ptr<const CDocData> old, const ReadMark& mark)
{
    m_pOld = std::move(old);
    m_oldMark = mark;
}

void CDocLoader::Start()
{
    m_clock.start();
    m_task = CWorkerPool::Instance().Post([this] { Read(); });
}

// A task of the worker pool; the result goes back to the GUI thread (a
// loader destroyed before then never hears of it).
void CDocLoader::Read()
{
    // Memory that runs out ends the read with a failure; nothing leaves the thread.
    try {
        if (m_pOld) {
            AppendOutcome appended = AppendToData(m_request.path, *m_pOld, m_oldMark, {.progress = &m_progress});
            m_pOld.reset();
            m_outcome.mark = appended.result == AppendOutcome::Result::Appended ? appended.mark : m_oldMark;
            m_pAppended = std::move(appended.data);
            if (appended.result != AppendOutcome::Result::ReadWhole)
                return Finish();
        }
        auto doc = std::make_unique<CSorvDoc>();
        if (ReadRequestedDocument(m_request, *doc, {.progress = &m_progress, .markEnd = true}, m_outcome))
            m_pDoc = std::move(doc);
    } catch (const std::bad_alloc&) {
        m_pDoc.reset();
        m_outcome.failure = {ReadError::NoMemory, "not enough memory to read the file", 0};
    }
    Finish();
}

void CDocLoader::Finish()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_task.Wait();
            m_bFinished = true;
            emit finished();
        },
        Qt::QueuedConnection);
}

std::unique_ptr<CSorvDoc> CDocLoader::TakeDocument()
{
    return std::move(m_pDoc);
}
