#include "read/ImportBody.h"

#include <algorithm>
#include <cstring>

namespace {

// Where the first line ends: the first CR or LF outside double quotes in the
// detection window (a quoted cell may hold line breaks of another kind),
// else the first at all. Quotes count only in a line whose cells are read.
std::size_t FirstLineEnd(std::string_view text, bool cellsRead)
{
    const std::string_view window = text.substr(0, cellsRead ? kDetectionWindow : 0);
    bool quoted = false;
    for (std::size_t i = 0; i < window.size(); ++i) {
        const char c = window[i];
        if (c == '"')
            quoted = !quoted;
        else if ((c == '\r' || c == '\n') && !quoted)
            return i;
    }
    // A CR counts only before the first LF: no search of the whole text for one.
    const std::size_t lineFeed = text.find('\n');
    return std::min(text.substr(0, lineFeed).find('\r'), lineFeed);
}

} // namespace

ImportBody ImportBody::Of(std::string_view text, int skip, char comment, bool fileStart)
{
    if (fileStart && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    ImportBody body;
    body.text = text.data();
    body.end = text.data() + text.size();
    const bool commentFirst = comment != '\0' && !text.empty() && text[0] == comment;
    const std::size_t first = FirstLineEnd(text, skip == 0 && !commentFirst);
    if (first != std::string_view::npos && text[first] == '\r') {
        const bool crlf = first + 1 < text.size() && text[first + 1] == '\n';
        body.lineEnd = crlf ? LineEnd::CrLf : LineEnd::Cr;
        body.eol = crlf ? '\n' : '\r';
    }
    const char* p = body.text;
    for (int i = 0; i < skip && p != body.end; ++i) {
        const void* eol = std::memchr(p, body.eol, std::size_t(body.end - p));
        p = eol ? static_cast<const char*>(eol) + 1 : body.end;
    }
    body.begin = p;
    return body;
}

long long ImportBody::LineOf(const char* p) const
{
    return 1 + std::count(text, p, eol);
}
