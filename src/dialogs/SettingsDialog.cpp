#include "dialogs/SettingsDialog.h"

#include "dialogs/DataExchange.h"
#include "dialogs/SpinEdit.h"
#include "gfx/FontSubstitutions.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

CSettingsDialog::CSettingsDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), m_btnOK(new QPushButton(tr("OK"), this)), m_btnCancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(caption);
    setFont(DialogFont());
    m_btnOK->setDefault(true);
    m_btnOK->setMinimumWidth(DluX(50));
    m_btnCancel->setMinimumWidth(DluX(50));
    connect(m_btnOK, &QPushButton::clicked, this, &CSettingsDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CSettingsDialog::reject);
}

QFont CSettingsDialog::DialogFont()
{
    // Also when no window has asked for the substitutions yet.
    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    if (QFont::substitutes(face).isEmpty())
        InstallFontSubstitutions();
    QFont font(face);
    font.setPointSize(9);
    return font;
}

void CSettingsDialog::accept()
{
    CDataExchange dx(this, true);
    DoDataExchange(dx);
    if (!dx.Failed())
        QDialog::accept();
}

void CSettingsDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        CDataExchange dx(this, false);
        DoDataExchange(dx);
        // The first control takes the focus, an edit with its text selected.
        if (m_pFirst) {
            m_pFirst->setFocus(Qt::TabFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(m_pFirst))
                edit->selectAll();
            if (auto* spin = qobject_cast<CSpinEdit*>(m_pFirst))
                spin->selectAll();
        }
    }
    QDialog::showEvent(event);
}

int CSettingsDialog::DluX(int n) const
{
    // The average width of the Latin letters, as dialog units are defined.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (QFontMetrics(font()).horizontalAdvance(letters) / 26 + 1) / 2;
    return n * average / 4;
}

int CSettingsDialog::DluY(int n) const
{
    return n * QFontMetrics(font()).height() / 8;
}

QLabel* CSettingsDialog::NewLabel(const QString& text, int widthDlu)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(DluX(widthDlu));
    return label;
}

QLineEdit* CSettingsDialog::NewEdit(int widthDlu)
{
    auto* edit = new QLineEdit(this);
    edit->setMinimumWidth(DluX(widthDlu));
    return edit;
}

QGridLayout* CSettingsDialog::NewEditGrid(std::initializer_list<std::pair<QString, QLineEdit*>> rows, int labelDlu)
{
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [label, edit] : rows) {
        grid->addWidget(NewLabel(label, labelDlu), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    return grid;
}

QGroupBox* CSettingsDialog::NewGroup(const QString& title, QGridLayout* grid)
{
    auto* group = new QGroupBox(title, this);
    grid->setHorizontalSpacing(DluX(5));
    grid->setVerticalSpacing(DluY(5));
    group->setLayout(grid);
    return group;
}

void CSettingsDialog::FinishLayout(QLayout* controls, std::initializer_list<QWidget*> tabOrder)
{
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(DluY(5));
    buttons->addWidget(m_btnOK);
    buttons->addWidget(m_btnCancel);
    buttons->addStretch();

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(DluX(5), DluY(5), DluX(5), DluY(5));
    outer->setSpacing(DluX(10));
    outer->addLayout(controls);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = nullptr;
    for (QWidget* w : tabOrder) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    setTabOrder(previous, m_btnOK);
    setTabOrder(m_btnOK, m_btnCancel);
    m_pFirst = *tabOrder.begin();
}
