#pragma once
// The page set-up of printing: paper size, orientation and margins. Works
// with any printer, the PDF printer included; the caller keeps what it gives.

#include <QDialog>
#include <QList>
#include <QPageLayout>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

class CPageSetupDlg : public QDialog {
    Q_OBJECT
public:
    // Shows layout; sizes are the papers offered (the layout's own is added
    // when missing). Margins stay within the layout's minimum margins and
    // leave at least kMinPrintableMm of paper between them.
    CPageSetupDlg(const QPageLayout& layout, const QList<QPageSize>& sizes, QWidget* parent = nullptr);

    static constexpr double kMinPrintableMm = 10.0;

    // The set-up as chosen, margins in millimetres.
    QPageLayout PageLayout() const;

    // The papers a PDF printer offers.
    static QList<QPageSize> StandardSizes();

private:
    QPageSize ChosenSize() const;
    QPageLayout::Orientation ChosenOrientation() const;
    // Keeps each margin below half the paper it lies across.
    void LimitMargins();

    QMarginsF m_minimum;  // the printer's own, in millimetres
    QComboBox* m_comboSize;
    QRadioButton* m_radioPortrait;
    QRadioButton* m_radioLandscape;
    QDoubleSpinBox* m_spinMargins[4];  // left, top, right, bottom
};
