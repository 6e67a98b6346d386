#pragma once
// The zoom history of one chart window: the document's region and the
// window's axis settings after each change by the mouse or the Region and
// Axis dialogs, to step back and forward through.

#include <cstddef>
#include <optional>
#include <vector>

class CDocSnapshot;
class CSorvDoc;
struct CPlotSettings;

// What one step restores: the region and every axis setting.
struct CZoomState {
    int m_nX1 = 0, m_nY1 = 0, m_nX2 = 0, m_nY2 = 0;
    double m_dVMin = 0.0, m_dVMax = 0.0, m_dVStep = 0.0;
    double m_dHMin = 0.0, m_dHMax = 0.0, m_dHStep = 0.0;
    bool m_bVLog = false, m_bHLog = false, m_bRoundTicks = false;
    int m_nVLimit = 0, m_nHLimit = 0;
    // The right V axis.
    double m_dV2Min = 0.0, m_dV2Max = 0.0, m_dV2Step = 0.0;

    static CZoomState Of(const CDocSnapshot& doc, const CPlotSettings& s);
    // Every member alike, the doubles bit for bit.
    bool operator==(const CZoomState& other) const;
};

// Puts the axis settings back, and the region by resetting it and narrowing
// it again (SetRegion only narrows). Returns whether anything changed.
bool RestoreZoom(const CZoomState& state, CSorvDoc& doc, CPlotSettings& s);

class CZoomHistory {
public:
    explicit CZoomHistory(std::size_t limit = 100) : m_nLimit(limit) {}

    // Called before and after a change: a state that differs from the current
    // entry becomes the new current entry, and the entries ahead are dropped.
    // The oldest entries go beyond the limit.
    void Record(const CZoomState& state);
    bool CanGoBack() const { return m_nCurrent > 0; }
    bool CanGoForward() const { return m_nCurrent + 1 < m_entries.size(); }
    // The entry before or after the current one, which becomes current.
    std::optional<CZoomState> Back();
    std::optional<CZoomState> Forward();

private:
    std::size_t m_nLimit;
    std::vector<CZoomState> m_entries;
    std::size_t m_nCurrent = 0;
};
