#pragma once
// The rules by which a settings field is read and checked. The dialogs and
// the command-line options both use them, so the two always agree. Messages
// are UTF-8.

#include <climits>
#include <string>
#include <string_view>
#include <vector>

// Why a field was refused: a text with %1 and %2 for its arguments. The text
// is the Japanese message and the key of its translation (context
// "FieldRules"); the dialogs show it translated, the command line as it is.
struct FieldMessage {
    const char* text = "";
    std::vector<std::string> args;

    // The text with the arguments put in.
    std::string Text() const;
};

template <class T>
struct FieldResult {
    bool ok = false;
    T value{};
    FieldMessage message;  // what to show when !ok
};

namespace FieldRules {

// At most this many bytes of a field are read.
constexpr std::size_t kMaxFieldBytes = 31;
// A region index goes up to the largest index a document can have.
constexpr int kMaxRegionIndex = INT_MAX;
// The height of the 3D chart's values, fitted to the box, as a share of its longer side.
constexpr double kMinScaleZFit = 0.01;
constexpr double kMaxScaleZFit = 10.0;

// A signed decimal integer (strtol rules) within min..max; a number beyond
// the range of int is outside it too.
FieldResult<int> ReadInt(std::string_view text, int min, int max);
// An unsigned decimal integer (strtoul rules, no minus sign) within min..max.
FieldResult<unsigned> ReadUnsigned(std::string_view text, unsigned min, unsigned max);
// A finite floating-point number (strtod rules), any value.
FieldResult<double> ReadDouble(std::string_view text);
// A finite floating-point number within min..max.
FieldResult<double> ReadDouble(std::string_view text, double min, double max);
// A date-time as data files write it (on the clock written: a zone is not
// applied) or a finite number of seconds from 1970-01-01 00:00:00.
FieldResult<double> ReadDateTime(std::string_view text);
// A text of at most maxBytes bytes when counted in Shift-JIS.
FieldResult<std::string> ReadText(std::string_view utf8, int maxBytes);

// Length of a UTF-8 text in Shift-JIS bytes (a double-byte character counts two).
int ShiftJisLength(std::string_view utf8);
// A number as the dialogs show it: "%.*g" with 15 digits (-0 as "0").
std::string FormatNumber(double value);
// A date-time as the dialogs show it, "2026-01-01 12:00:00" with the
// milliseconds when it has a fraction; a number where no date is written.
std::string FormatDateTimeField(double seconds);

}  // namespace FieldRules
