#include "dialogs/SettingsCommands.h"

#include "dialogs/AngleDlg.h"
#include "dialogs/AreaDlg.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ColorDlg.h"
#include "dialogs/LineAttrDlg.h"
#include "dialogs/TitleDlg.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "view/PlotSettings.h"
#include "view/ViewCommands.h"

#include <QGuiApplication>
#include <QMessageBox>

bool RunAxisCommand(CPlotSettings& s)
{
    CAxisDlg dlg;
    dlg.m_dVMin = s.m_dVMin;
    dlg.m_dVMax = s.m_dVMax;
    dlg.m_dVStep = s.m_dVStep;
    dlg.m_dHMin = s.m_dHMin;
    dlg.m_dHMax = s.m_dHMax;
    dlg.m_dHStep = s.m_dHStep;
    dlg.m_bVLog = s.m_bVLog;
    dlg.m_bHLog = s.m_bHLog;
    dlg.m_nVLimit = unsigned(s.m_nVLimit);
    dlg.m_nHLimit = unsigned(s.m_nHLimit);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_dVMin = dlg.m_dVMin;
    s.m_dVMax = dlg.m_dVMax;
    s.m_dVStep = dlg.m_dVStep;
    s.m_dHMin = dlg.m_dHMin;
    s.m_dHMax = dlg.m_dHMax;
    s.m_dHStep = dlg.m_dHStep;
    s.m_bVLog = dlg.m_bVLog;
    s.m_bHLog = dlg.m_bHLog;
    s.m_nVLimit = int(dlg.m_nVLimit);  // 0..9 after the dialog's check
    s.m_nHLimit = int(dlg.m_nHLimit);
    return true;
}

bool RunColorCommand(CPlotSettings& s)
{
    CColorDlg dlg;
    dlg.m_crForeground = s.m_crForeground;
    dlg.m_crBackground = s.m_crBackground;
    dlg.m_crView = s.m_crView;
    dlg.m_crAxis = s.m_crAxis;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_crForeground = dlg.m_crForeground;
    s.m_crBackground = dlg.m_crBackground;
    s.m_crView = dlg.m_crView;
    s.m_crAxis = dlg.m_crAxis;
    return true;
}

bool RunTitleCommand(CPlotSettings& s, TextEncoding encoding)
{
    CTitleDlg dlg;
    dlg.m_strTitle = DecodeText(s.m_strTitle.data(), int(s.m_strTitle.size()), encoding);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_strTitle = EncodeText(dlg.m_strTitle, encoding);
    return true;
}

bool RunLineAttrCommand(CPlotSettings& s)
{
    CLineAttrDlg dlg;
    dlg.m_nStyle = s.m_nLineStyle;
    dlg.m_nWidth = s.m_nLineWidth;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_nLineStyle = dlg.m_nStyle;
    s.m_nLineWidth = dlg.m_nWidth;
    return true;
}

bool RunViewCommand(CPlotSettings& s)
{
    CAngleDlg dlg;
    dlg.m_dRotX = s.m_dRotX;
    dlg.m_dRotY = s.m_dRotY;
    dlg.m_dRotZ = s.m_dRotZ;
    dlg.m_dScaleZ = s.m_dScaleZ;
    dlg.m_nModel = s.m_nModel;
    dlg.m_dScaleY = s.m_dScaleY;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    s.m_dScaleZ = dlg.m_dScaleZ;
    s.m_dScaleY = dlg.m_dScaleY;
    s.m_nModel = dlg.m_nModel;
    SetRotation(s, dlg.m_dRotX, dlg.m_dRotY, dlg.m_dRotZ);
    return true;
}

void RunRegionCommand(CSorvDoc& doc)
{
    CAreaDlg dlg;
    dlg.m_nX1 = doc.m_nX1;
    dlg.m_nY1 = doc.m_nY1;
    dlg.m_nX2 = doc.m_nX2;
    dlg.m_nY2 = doc.m_nY2;
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (doc.SetRegion(dlg.m_nX1, dlg.m_nY1, dlg.m_nX2, dlg.m_nY2))
        return;
    // The region only narrows: an entry that leaves nothing to chart is refused.
    const QString message = doc.IsEmpty() ? QStringLiteral("このドキュメントにはデータがありません。")
                                          : QStringLiteral("指定された範囲は現在の範囲と重なりません。範囲は変更されません。");
    QMessageBox::warning(nullptr, QGuiApplication::applicationDisplayName(), message);
}
