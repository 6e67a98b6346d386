#include "app/ReadFailureText.h"

#include "doc/ReadFailure.h"

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

}  // namespace

QString ReadFailureText(const ReadFailure& failure)
{
    switch (failure.code) {
    case ReadError::CannotOpen: return CannotOpenText(failure.errorNumber);
    case ReadError::Empty: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙが空です。");
    case ReadError::ShortRead: return QCoreApplication::translate("ReadFailureText", "ﾌｧｲﾙを最後まで読めませんでした。");
    case ReadError::TooFewCells:
        return QCoreApplication::translate("ReadFailureText", "ﾃﾞｰﾀが 3 個以下です。ｸﾞﾗﾌには 4 個以上の数値が必要です。");
    case ReadError::TooLarge: return QCoreApplication::translate("ReadFailureText", "ﾃﾞｰﾀが大きすぎます。");
    case ReadError::NoMemory: return QCoreApplication::translate("ReadFailureText", "ﾒﾓﾘが足りないため読み込めません。");
    case ReadError::NoNumbers: return QCoreApplication::translate("ReadFailureText", "数値のｾﾙがありません。");
    case ReadError::HeaderOnly: return QCoreApplication::translate("ReadFailureText", "見出しの行だけで、ﾃﾞｰﾀの行がありません。");
    case ReadError::Utf16:
        return QCoreApplication::translate("ReadFailureText", "UTF-16 のﾌｧｲﾙは読めません。UTF-8 か Shift-JIS で保存してください。");
    case ReadError::Cancelled: return QCoreApplication::translate("ReadFailureText", "読み込みを中止しました。");
    case ReadError::None: break;
    }
    return QString::fromStdString(failure.text);
}
