#include "app/SaveImageDialog.h"

#include "app/AppResources.h"
#include "app/ChartImage.h"
#include "app/SorvView.h"
#include "doc/SorvDoc.h"

#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include <array>

namespace {

const char* const kFolderKey = "SaveImage/Folder";

struct ImageType {
    const char* filter;
    const char* suffix;
};

std::array<ImageType, 3> ImageTypes()
{
    return {{{QT_TRANSLATE_NOOP("CSaveImageDialog", "PNG 画像 (*.png)"), "png"},
             {QT_TRANSLATE_NOOP("CSaveImageDialog", "SVG 画像 (*.svg)"), "svg"},
             {QT_TRANSLATE_NOOP("CSaveImageDialog", "PDF ﾌｧｲﾙ (*.pdf)"), "pdf"}}};
}

QString FilterText(const ImageType& type)
{
    return CSaveImageDialog::tr(type.filter);
}

// The suffix of the type whose filter text is filter (PNG when none is).
QString SuffixOf(const QString& filter)
{
    for (const ImageType& type : ImageTypes())
        if (FilterText(type) == filter)
            return type.suffix;
    return ImageTypes().front().suffix;
}

bool HasImageSuffix(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ImageType& type : ImageTypes())
        if (suffix == QLatin1String(type.suffix))
            return true;
    return false;
}

}  // namespace

CSaveImageDialog::CSaveImageDialog(CSorvView* view, QSize areaMm, QWidget* parent)
    : QFileDialog(parent, tr("画像として保存")), m_pView(view), m_areaMm(areaMm)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const ImageType& type : ImageTypes())
        filters << FilterText(type);
    setNameFilters(filters);
    setDirectory(LastFolder());
    const QString title = QString::fromStdString(view->GetDocument().GetTitle());
    selectFile(QFileInfo(title).completeBaseName() + QStringLiteral(".png"));
    connect(this, &QFileDialog::fileSelected, this, &CSaveImageDialog::SaveAs);
}

QString CSaveImageDialog::LastFolder()
{
    const QString last = QSettings().value(kFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString CSaveImageDialog::WithImageSuffix(const QString& path, const QString& filter)
{
    return HasImageSuffix(path) ? path : path + '.' + SuffixOf(filter);
}

void CSaveImageDialog::SaveAs(const QString& chosen)
{
    if (!m_pView)
        return;
    const QString path = WithImageSuffix(chosen, selectedNameFilter());
    QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
    QString error;
    if (CChartImage(*m_pView).Save(path, m_areaMm, error))
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, AppTitle(),
                                tr("%1 に保存できません。").arg(QDir::toNativeSeparators(path)) + '\n' + error,
                                QMessageBox::Ok, parentWidget());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
