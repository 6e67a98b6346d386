#pragma once
// The series of a 2D chart, one row each: shown or hidden, colour, marker and
// its size, line width and style, the V axis it reads on; the palette, plain
// markers and the range of the right V axis.

#include "dialogs/SettingsDialog.h"
#include "settings/SeriesStyle.h"

#include <QStringList>

#include <vector>

class QCheckBox;
class QComboBox;
class QTableWidget;

class CSeriesDlg : public CSettingsDialog {
    Q_OBJECT
public:
    // labels: the series' names, the first kMaxRows of them listed.
    explicit CSeriesDlg(QStringList labels, QWidget* parent = nullptr);

    static constexpr int kMaxRows = 1000;
    enum Column { Shown, Name, Color, Marker, MarkerSize, LineWidth, LineStyle, RightAxis, ColumnCount };

    // Set by the caller before the dialog runs; m_series may be shorter than the labels.
    std::vector<CSeriesStyle> m_series;
    int m_nPalette = 0;
    bool m_bPlainMarkers = false;
    double m_dV2Min = 0.0;
    double m_dV2Max = 0.0;
    bool m_bV2Log = false;

    QComboBox* m_comboPalette;
    QCheckBox* m_checkPlain;
    QTableWidget* m_table;
    QLineEdit* m_editV2Min;
    QLineEdit* m_editV2Max;
    QCheckBox* m_checkV2Log;

protected:
    void DoDataExchange(CDataExchange& dx) override;

private:
    QWidget* NewRow(int row);
    void ShowRow(int row, const CSeriesStyle& style);
    CSeriesStyle ReadRow(int row) const;
    // The colour shown for a row: its own, else the palette's.
    COLORREF ShownColor(int row) const;
    void PickColor(int row);
    void ShowColors();

    QStringList m_labels;
    std::vector<CSeriesStyle> m_shown;  // the styles as the table edits them
};
