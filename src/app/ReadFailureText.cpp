#include "app/ReadFailureText.h"

#include "doc/ReadFailure.h"

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

}  // namespace

QString ReadFailureText(const ReadFailure& failure)
{
    switch (failure.code) {
    case ReadError::CannotOpen: return CannotOpenText(failure.errorNumber);
    case ReadError::Empty: return QStringLiteral("ﾌｧｲﾙが空です。");
    case ReadError::ShortRead: return QStringLiteral("ﾌｧｲﾙを最後まで読めませんでした。");
    case ReadError::TooFewCells:
        return QStringLiteral("ﾃﾞｰﾀが 3 個以下です。ｸﾞﾗﾌには 4 個以上の数値が必要です。");
    case ReadError::TooLarge: return QStringLiteral("ﾃﾞｰﾀが大きすぎます。");
    case ReadError::NoMemory: return QStringLiteral("ﾒﾓﾘが足りないため読み込めません。");
    case ReadError::NoNumbers: return QStringLiteral("数値のｾﾙがありません。");
    case ReadError::HeaderOnly: return QStringLiteral("見出しの行だけで、ﾃﾞｰﾀの行がありません。");
    case ReadError::Utf16: return QStringLiteral("UTF-16 のﾌｧｲﾙは読めません。UTF-8 か Shift-JIS で保存してください。");
    case ReadError::Cancelled: return QStringLiteral("読み込みを中止しました。");
    case ReadError::None: break;
    }
    return QString::fromStdString(failure.text);
}
