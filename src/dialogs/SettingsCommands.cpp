#include "dialogs/SettingsCommands.h"

#include "dialogs/AngleDlg.h"
#include "dialogs/AreaDlg.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ColorDlg.h"
#include "dialogs/LineAttrDlg.h"
#include "dialogs/SeriesDlg.h"
#include "dialogs/TitleDlg.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "page/DocumentAxes.h"
#include "settings/AxisCopy.h"
#include "settings/PlotSettings.h"
#include "settings/ViewCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <algorithm>

namespace {

// The colours go by the same names in the settings and the dialog: one copy
// serves both ways, into the dialog and back on OK.
template <class From, class To>
void CopyColors(const From& from, To& to)
{
    to.m_crForeground = from.m_crForeground;
    to.m_crBackground = from.m_crBackground;
    to.m_crView = from.m_crView;
    to.m_crAxis = from.m_crAxis;
}

}  // namespace

bool RunAxisCommand(CPlotSettings& s, bool hTime, QWidget* owner)
{
    CAxisDlg dlg(owner);
    CopyAxes(s, dlg);
    dlg.m_bHTime = hTime;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    CopyAxes(dlg, s);
    return true;
}

bool RunColorCommand(CPlotSettings& s, QWidget* owner)
{
    CColorDlg dlg(owner);
    CopyColors(s, dlg);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    CopyColors(dlg, s);
    return true;
}

bool RunTitleCommand(CPlotSettings& s, TextEncoding encoding, QWidget* owner)
{
    CTitleDlg dlg(owner);
    dlg.m_strTitle = DecodeText(s.m_strTitle.data(), int(s.m_strTitle.size()), encoding);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_strTitle = EncodeText(dlg.m_strTitle, encoding);
    return true;
}

bool RunLineAttrCommand(CPlotSettings& s, QWidget* owner)
{
    CLineAttrDlg dlg(owner);
    dlg.m_nStyle = s.m_nLineStyle;
    dlg.m_nWidth = s.m_nLineWidth;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_nLineStyle = dlg.m_nStyle;
    s.m_nLineWidth = dlg.m_nWidth;
    return true;
}

bool RunViewCommand(CPlotSettings& s, QWidget* owner)
{
    CAngleDlg dlg(owner);
    dlg.m_dRotX = s.m_dRotX;
    dlg.m_dRotY = s.m_dRotY;
    dlg.m_dRotZ = s.m_dRotZ;
    dlg.m_dScaleZ = s.m_dScaleZ;
    dlg.m_nModel = s.m_nModel;
    dlg.m_dScaleY = s.m_dScaleY;
    dlg.m_bScaleZFit = s.m_bScaleZFit;
    dlg.m_dScaleZFit = s.m_dScaleZFit;
    dlg.m_bColorBar = s.m_bColorBar;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_dScaleZ = dlg.m_dScaleZ;
    s.m_dScaleY = dlg.m_dScaleY;
    s.m_bScaleZFit = dlg.m_bScaleZFit;
    s.m_dScaleZFit = dlg.m_dScaleZFit;
    s.m_nModel = dlg.m_nModel;
    s.m_bColorBar = dlg.m_bColorBar;
    SetRotation(s, dlg.m_dRotX, dlg.m_dRotY, dlg.m_dRotZ);
    return true;
}

bool RunSeriesCommand(CPlotSettings& s, const CDocSnapshot& doc, QWidget* owner)
{
    QStringList labels;
    const TextEncoding encoding = doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    for (int r = 0; r < std::min(doc->m_nRows, CSeriesDlg::kMaxRows); ++r)
        labels << DecodeText(doc->m_pLabels[r].data(), int(doc->m_pLabels[r].size()), encoding);
    CSeriesDlg dlg(labels, owner);
    dlg.m_series = s.m_series;
    dlg.m_nPalette = s.m_nPalette;
    dlg.m_bPlainMarkers = s.m_bPlainMarkers;
    dlg.m_dV2Min = s.m_dV2Min;
    dlg.m_dV2Max = s.m_dV2Max;
    dlg.m_bV2Log = s.m_bV2Log;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const bool rangeEdited = dlg.m_dV2Min != s.m_dV2Min || dlg.m_dV2Max != s.m_dV2Max;
    s.m_nPalette = dlg.m_nPalette;
    s.m_bPlainMarkers = dlg.m_bPlainMarkers;
    s.m_bV2Log = dlg.m_bV2Log;
    RestyleSeries(s, doc, dlg.m_series);
    if (rangeEdited) {
        s.m_dV2Min = dlg.m_dV2Min;
        s.m_dV2Max = dlg.m_dV2Max;
        s.m_dV2Step = (dlg.m_dV2Max - dlg.m_dV2Min) * 0.1;
    }
    return true;
}

void RunRegionCommand(CSorvDoc& doc, QWidget* owner)
{
    CAreaDlg dlg(owner);
    dlg.m_nX1 = doc.m_nX1;
    dlg.m_nY1 = doc.m_nY1;
    dlg.m_nX2 = doc.m_nX2;
    dlg.m_nY2 = doc.m_nY2;
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (doc.SetRegion(dlg.m_nX1, dlg.m_nY1, dlg.m_nX2, dlg.m_nY2))
        return;
    // The region only narrows: an entry that leaves nothing to chart is refused.
    const QString message =
        doc->IsEmpty() ? QCoreApplication::translate("SettingsCommands", "このドキュメントにはデータがありません。")
                      : QCoreApplication::translate("SettingsCommands",
                                                    "指定された範囲は現在の範囲と重なりません。範囲は変更されません。");
    QMessageBox::warning(owner, QGuiApplication::applicationDisplayName(), message);
}
