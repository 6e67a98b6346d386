#include "dialogs/PageSetupDlg.h"

#include "dialogs/SettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QDoubleSpinBox* NewMarginSpin(QWidget* parent)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(2);
    spin->setSingleStep(1.0);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

// The printer's minimum margins, which the layout keeps in its own units.
QMarginsF MinimumMarginsMm(QPageLayout layout)
{
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(layout.minimumMargins());
    return layout.margins(QPageLayout::Millimeter);
}

}  // namespace

CPageSetupDlg::CPageSetupDlg(const QPageLayout& layout, const QList<QPageSize>& sizes, QWidget* parent)
    : QDialog(parent), m_minimum(MinimumMarginsMm(layout)), m_comboSize(new QComboBox(this)),
      m_radioPortrait(new QRadioButton(tr("縦(&O)"), this)),
      m_radioLandscape(new QRadioButton(tr("横(&A)"), this))
{
    setWindowTitle(tr("ﾍﾟｰｼﾞ設定"));
    setFont(CSettingsDialog::DialogFont());
    QList<QPageSize> offered = sizes;
    if (!offered.contains(layout.pageSize()))
        offered.prepend(layout.pageSize());
    for (const QPageSize& size : offered)
        m_comboSize->addItem(size.name(), QVariant::fromValue(size));
    m_comboSize->setCurrentIndex(int(offered.indexOf(layout.pageSize())));
    auto* paper = new QFormLayout;
    paper->addRow(tr("ｻｲｽﾞ(&Z):"), m_comboSize);
    auto* paperGroup = new QGroupBox(tr("用紙"), this);
    paperGroup->setLayout(paper);

    (layout.orientation() == QPageLayout::Landscape ? m_radioLandscape : m_radioPortrait)->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(m_radioPortrait);
    orientation->addWidget(m_radioLandscape);
    auto* orientationGroup = new QGroupBox(tr("印刷の向き"), this);
    orientationGroup->setLayout(orientation);

    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    const double values[4] = {margins.left(), margins.top(), margins.right(), margins.bottom()};
    const char* const labels[4] = {QT_TR_NOOP("左(&L):"), QT_TR_NOOP("上(&T):"), QT_TR_NOOP("右(&R):"), QT_TR_NOOP("下(&B):")};
    auto* marginGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        m_spinMargins[i] = NewMarginSpin(this);
        auto* label = new QLabel(tr(labels[i]), this);
        label->setBuddy(m_spinMargins[i]);
        marginGrid->addWidget(label, i / 2, i % 2 * 2);
        marginGrid->addWidget(m_spinMargins[i], i / 2, i % 2 * 2 + 1);
    }
    auto* marginGroup = new QGroupBox(tr("余白"), this);
    marginGroup->setLayout(marginGrid);
    LimitMargins();
    for (int i = 0; i < 4; ++i)
        m_spinMargins[i]->setValue(values[i]);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_comboSize, &QComboBox::currentIndexChanged, this, &CPageSetupDlg::LimitMargins);
    connect(m_radioLandscape, &QRadioButton::toggled, this, &CPageSetupDlg::LimitMargins);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(paperGroup);
    outer->addWidget(orientationGroup);
    outer->addWidget(marginGroup);
    outer->addWidget(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

QList<QPageSize> CPageSetupDlg::StandardSizes()
{
    QList<QPageSize> sizes;
    for (QPageSize::PageSizeId id : {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::JisB4, QPageSize::JisB5,
                                     QPageSize::Letter, QPageSize::Legal, QPageSize::Postcard})
        sizes.append(QPageSize(id));
    return sizes;
}

QPageSize CPageSetupDlg::ChosenSize() const
{
    return m_comboSize->currentData().value<QPageSize>();
}

QPageLayout::Orientation CPageSetupDlg::ChosenOrientation() const
{
    return m_radioLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void CPageSetupDlg::LimitMargins()
{
    QSizeF paper = ChosenSize().size(QPageSize::Millimeter);
    if (ChosenOrientation() == QPageLayout::Landscape)
        paper.transpose();
    const double across[4] = {paper.width(), paper.height(), paper.width(), paper.height()};
    const double minimum[4] = {m_minimum.left(), m_minimum.top(), m_minimum.right(), m_minimum.bottom()};
    for (int i = 0; i < 4; ++i) {
        m_spinMargins[i]->setMinimum(minimum[i]);
        m_spinMargins[i]->setMaximum(std::max(minimum[i], (across[i] - kMinPrintableMm) / 2));
    }
}

QPageLayout CPageSetupDlg::PageLayout() const
{
    const QMarginsF margins(m_spinMargins[0]->value(), m_spinMargins[1]->value(), m_spinMargins[2]->value(),
                            m_spinMargins[3]->value());
    return QPageLayout(ChosenSize(), ChosenOrientation(), margins, QPageLayout::Millimeter, m_minimum);
}
