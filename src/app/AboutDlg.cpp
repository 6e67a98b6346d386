#include "app/AboutDlg.h"

#include "app/ToolbarArt.h"
#include "dialogs/SettingsDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報(Sorv)"));
    setFont(CSettingsDialog::DialogFont());

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* text = new QLabel(tr("Sorv Version 2.2.4"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 12, 12, 16);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(text, 0, 1, Qt::AlignTop);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(326, 84)));
}
