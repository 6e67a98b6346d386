#include "dialogs/ReadFailureText.h"

#include "doc/Importer.h"
#include "doc/ReadFailure.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

QString CannotOpenText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return QStringLiteral("ﾌｧｲﾙが見つかりません。");
    case EACCES:
    case EPERM: return QStringLiteral("ﾌｧｲﾙを読む権限がありません。");
    case EISDIR: return QStringLiteral("ﾌｫﾙﾀﾞはﾃﾞｰﾀ ﾌｧｲﾙとして開けません。");
    default: return QStringLiteral("ﾌｧｲﾙを開けません (%1)。").arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
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
    case ReadError::Empty: return QStringLiteral("ﾌｧｲﾙが空です。");
    case ReadError::ShortRead: return QStringLiteral("ﾌｧｲﾙを最後まで読めませんでした。");
    case ReadError::TooFewCells:
        return QStringLiteral("ﾃﾞｰﾀが 3 個以下です。ｸﾞﾗﾌには 4 個以上の数値が必要です。");
    case ReadError::TooLarge:
        return ShapeText(failure, "ﾃﾞｰﾀが大きすぎます。", "ﾃﾞｰﾀが大きすぎます (%1 行 × %2 列)。");
    case ReadError::NoMemory:
        return ShapeText(failure, "ﾒﾓﾘが足りないため読み込めません。",
                         "ﾒﾓﾘが足りないため読み込めません (%1 行 × %2 列)。");
    case ReadError::NoNumbers: return QStringLiteral("数値のｾﾙがありません。");
    case ReadError::HeaderOnly: return QStringLiteral("見出しの行だけで、ﾃﾞｰﾀの行がありません。");
    case ReadError::Utf16: return QStringLiteral("UTF-16 のﾌｧｲﾙは読めません。UTF-8 か Shift-JIS で保存してください。");
    case ReadError::Cancelled: return QStringLiteral("読み込みを中止しました。");
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
