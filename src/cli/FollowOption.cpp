#include "cli/FollowOption.h"

#include "settings/FieldRules.h"

#include <climits>

bool IsFollowOption(std::string_view arg)
{
    return arg == "--follow";
}

bool ReadFollowColumns(const std::string& value, int& columns, std::string& error)
{
    const FieldResult<int> n = FieldRules::ReadInt(value, 0, INT_MAX);
    if (!n.ok) {
        error = "--follow " + value + ": " + n.message.Text();
        return false;
    }
    columns = n.value;
    return true;
}

bool TakeFollowOption(QStringList& args, std::optional<int>& columns, std::string& error)
{
    for (qsizetype i = 0; i < args.size() && args.at(i) != QStringLiteral("--");) {
        if (!IsFollowOption(args.at(i).toStdString())) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "--follow: a value is missing";
            return false;
        }
        int n = 0;
        if (!ReadFollowColumns(args.at(i + 1).toStdString(), n, error))
            return false;
        columns = n;
        args.remove(i, 2);
    }
    return true;
}
