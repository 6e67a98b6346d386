#pragma once
// The x value of each column of a document, when its file gave them:
// numbers, or date-times as seconds on their own clock (DateTime.h), with
// the name the file gave them. Never changed once made: an append makes
// another, which may share the values' storage (it has room for more).

#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class XKind { Number, Time };

class CXValues {
public:
    CXValues() = default;
    // One value per column; NaN where a column has none.
    CXValues(XKind kind, std::string name, std::vector<double> values);

    bool IsEmpty() const { return m_nCount == 0; }
    XKind Kind() const { return m_kind; }
    bool IsTime() const { return m_kind == XKind::Time; }
    // Bytes in the document's encoding, as the file wrote them; may be empty.
    const std::string& Name() const { return m_strName; }
    std::size_t Count() const { return m_nCount; }
    double At(std::size_t column) const { return m_pValues[column]; }
    // Count() values.
    const double* Data() const { return m_pValues.get(); }
    std::vector<double> Values() const { return {Data(), Data() + m_nCount}; }

    // The first keep values (at most Count()) and then count more: in this
    // storage when it has room and nothing was kept after keep yet, else in
    // a new one with room to grow. Only the newest values of a storage may
    // be appended to: the values after them are free.
    CXValues Appended(std::size_t keep, const double* values, std::size_t count) const;

    // True when the values, NaN passed over, never fall from a column to the next.
    bool NeverFalls() const { return m_bNeverFalls; }
    // The smallest and largest value of the columns first..last (inside the
    // values), NaN passed over; nothing when they have none.
    std::optional<std::pair<double, double>> Range(int first, int last) const;
    // For values that never fall: the first and last column whose value lies
    // in [low, high]; nothing when none does or the values fall somewhere.
    std::optional<std::pair<int, int>> ColumnsWithin(double low, double high) const;

    // For values that never fall: the columns from the last whose value lies
    // at or below low (else the first column) to the first whose value lies at
    // or above high (else the last): those within [low, high] and one more on
    // either side. Nothing when the values fall somewhere.
    std::optional<std::pair<int, int>> ColumnsAround(double low, double high) const;
    // The column of first..last (inside the values) whose value lies nearest
    // to v; first when none has a value.
    int NearestColumn(double v, int first, int last) const;

private:
    // Takes in values [from, m_nCount): whether they fall or have gaps.
    void Scan(std::size_t from);

    XKind m_kind = XKind::Number;
    std::string m_strName;
    std::shared_ptr<double[]> m_pValues;
    std::size_t m_nCount = 0;
    std::size_t m_nRoom = 0;      // values the storage has room for
    bool m_bNeverFalls = true;
    bool m_bGaps = false;         // some column has no value
    double m_dLast = -INFINITY;   // the last value that is not NaN
};
