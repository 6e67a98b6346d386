#include "dialogs/ReadFailureText.h"

#include "read/Importer.h"
#include "read/ReadFailure.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

QString CannotOpenText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙが見つかりません。");
    case EACCES:
    case EPERM: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙを読む権限がありません。");
    case EISDIR: return QCoreApplication::translate("ReadFailureText", "ﾌｫﾙﾀﾞはﾃﾞｰﾀ ﾌｧｲﾙとして開けません。");
    default:
        return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙを開けません (%1)。")
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

// plain, or withShape with the shape of the matrix the read refused when it is known.
QString ShapeText(const ReadFailure& failure, const char* plain, const char* withShape)
{
    if (failure.rows == 0 && failure.cols == 0)
        return QCoreApplication::translate("ReadFailureText", plain);
    return QCoreApplication::translate("ReadFailureText", withShape).arg(failure.rows).arg(failure.cols);
}

}  // namespace

QString ReadFailureText(const ReadFailure& failure)
{
    switch (failure.code) {
    case ReadError::CannotOpen: return CannotOpenText(failure.errorNumber);
    case ReadError::Empty: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙが空です。");
    case ReadError::ShortRead: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙを最後まで読めませんでした。");
    case ReadError::TooFewCells:
        return QCoreApplication::translate("ReadFailureText",
                                           "ﾃﾞｰﾀが 3 個以下です。ｸﾞﾗﾌには 4 個以上の数値が必要です。");
    case ReadError::TooLarge:
        return ShapeText(failure, QT_TRANSLATE_NOOP("ReadFailureText", "ﾃﾞｰﾀが大きすぎます。"),
                         QT_TRANSLATE_NOOP("ReadFailureText", "ﾃﾞｰﾀが大きすぎます (%1 行 × %2 列)。"));
    case ReadError::NoMemory:
        return ShapeText(failure, QT_TRANSLATE_NOOP("ReadFailureText", "ﾒﾓﾘが足りないため読み込めません。"),
                         QT_TRANSLATE_NOOP("ReadFailureText", "ﾒﾓﾘが足りないため読み込めません (%1 行 × %2 列)。"));
    case ReadError::NoNumbers: return QCoreApplication::translate("ReadFailureText", "数値のｾﾙがありません。");
    case ReadError::HeaderOnly: return QCoreApplication::translate("ReadFailureText", "見出しの行だけで、ﾃﾞｰﾀの行がありません。");
    case ReadError::Utf16:
        return QCoreApplication::translate("ReadFailureText", "UTF-16 のﾌｧｲﾙは読めません。UTF-8 か Shift-JIS で保存してください。");
    case ReadError::Cancelled: return QCoreApplication::translate("ReadFailureText", "読み込みを中止しました。");
    case ReadError::NoSuchColumn:
        return QCoreApplication::translate("ReadFailureText", "列 %1 はﾌｧｲﾙにありません。")
            .arg(QString::fromStdString(failure.subject));
    case ReadError::NoXValues:
        return QCoreApplication::translate("ReadFailureText", "%1 列目には x にする数値も日時もありません。")
            .arg(QString::fromStdString(failure.subject));
    case ReadError::NoSuchRow:
        return QCoreApplication::translate("ReadFailureText", "x にする %1 行目がないか、数値がありません。")
            .arg(QString::fromStdString(failure.subject));
    case ReadError::None: break;
    }
    return QString::fromStdString(failure.text);
}

QString ImportWarningText(const ImportWarning& w)
{
    switch (w.kind) {
    case ImportWarning::Kind::RaggedLines:
        return QCoreApplication::translate("ReadFailureText",
                                           "%1 行がほかの行より短く、欠けた値で補いました (最初は %2 行目)。")
            .arg(w.count)
            .arg(w.line);
    case ImportWarning::Kind::UnterminatedQuote:
        return QCoreApplication::translate("ReadFailureText",
                                           "%1 行目の引用符が閉じていません。ﾌｧｲﾙの最後まで読みました。")
            .arg(w.line);
    case ImportWarning::Kind::UnnamedSeries:
        return QCoreApplication::translate("ReadFailureText", "見出しに名前のない系列が %1 個あります。").arg(w.count);
    }
    return QString::fromStdString(w.text);
}
