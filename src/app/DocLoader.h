#pragma once
// One read of a document in a worker thread, so that the windows answer
// meanwhile: its progress can be watched and the read cancelled from the
// GUI thread. finished() comes on the GUI thread.

#include "read/ReadProgress.h"
#include "read/ReadRequest.h"
#include "work/WorkerPool.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class CDocData;
class CSorvDoc;

// The file's name of a request, or what standard input is called.
QString DisplayName(const ReadRequest& request);

class CDocLoader : public QObject {
    Q_OBJECT
public:
    CDocLoader(ReadRequest request, QObject* parent);
    // A read still running is cancelled and waited for.
    ~CDocLoader() override;

    // Before Start: the file changed and may only have grown; its new lines
    // are read and appended to old when they can be, else the file is read whole.
    void AppendTo(std::shared_ptr<const CDocData> old, const ReadMark& mark);
    void Start();
    void Cancel() { m_progress.Cancel(); }
    const ReadRequest& Request() const { return m_request; }
    const CReadProgress& Progress() const { return m_progress; }
    // True once finished() was sent.
    bool IsFinished() const { return m_bFinished; }
    // Milliseconds since Start.
    qint64 Elapsed() const { return m_clock.elapsed(); }

    // After finished(): the document read, null when the read failed (the
    // outcome says why, a cancel included).
    std::unique_ptr<CSorvDoc> TakeDocument();
    // After finished() of an append: the data with the lines appended, null
    // when the file was read whole (TakeDocument) or has no new whole line.
    const std::shared_ptr<const CDocData>& AppendedData() const { return m_pAppended; }
    const ReadOutcome& Outcome() const { return m_outcome; }

signals:
    void finished();

private:
    void Read();
    // Sends finished() on the GUI thread.
    void Finish();

    ReadRequest m_request;
    CReadProgress m_progress;
    std::unique_ptr<CSorvDoc> m_pDoc;
    std::shared_ptr<const CDocData> m_pOld;   // appended to, when AppendTo was called
    ReadMark m_oldMark;
    std::shared_ptr<const CDocData> m_pAppended;
    ReadOutcome m_outcome;
    QElapsedTimer m_clock;
    bool m_bFinished = false;
    CTask m_task;
};
