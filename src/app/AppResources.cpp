#include "app/AppResources.h"

#include "settings/CommandIds.h"

#include <QCoreApplication>

#include <map>

using namespace CommandId;

namespace {

// A text of the strings table; comment tells apart equal texts that
// translate differently (empty for none).
struct SourceText {
    const char* text;
    const char* comment;
};

MenuItem Separator() { return {}; }

MenuItem ImportItem() { return {FileImport, QT_TRANSLATE_NOOP("AppResources", "ｲﾝﾎﾟｰﾄ(&I)...\tCtrl+I"), {}}; }

std::vector<MenuItem> RotateItems()
{
    return {{RotateXPlus, QT_TRANSLATE_NOOP("AppResources", "X+"), {}},
            {RotateXMinus, QT_TRANSLATE_NOOP("AppResources", "X-"), {}},
            {RotateYPlus, QT_TRANSLATE_NOOP("AppResources", "Y+"), {}},
            {RotateYMinus, QT_TRANSLATE_NOOP("AppResources", "Y-"), {}},
            {RotateZPlus, QT_TRANSLATE_NOOP("AppResources", "Z+"), {}},
            {RotateZMinus, QT_TRANSLATE_NOOP("AppResources", "Z-"), {}}};
}

// The status-bar prompt, "\n", the tool tip. The six turns share one text,
// which English tells apart by direction.
const std::map<int, SourceText>& Strings()
{
    static const std::map<int, SourceText> strings = {
        {RotateXPlus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "X+")},
        {RotateXMinus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "X-")},
        {RotateYPlus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "Y+")},
        {RotateYMinus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "Y-")},
        {RotateZMinus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "Z-")},
        {RotateZPlus, QT_TRANSLATE_NOOP3("AppResources", "Rotation\nRotation", "Z+")},
        {ViewZoomIn, QT_TRANSLATE_NOOP3("AppResources", "拡大\n拡大", "")},
        {ViewZoomOut, QT_TRANSLATE_NOOP3("AppResources", "縮小\n縮小", "")},
        {FileOpen, QT_TRANSLATE_NOOP3("AppResources", "既存のﾌｧｲﾙを開く\n開く", "")},
        {FileClose, QT_TRANSLATE_NOOP3("AppResources", "作業中のﾌｧｲﾙを閉じる\n閉じる", "")},
        {FilePrintSetup, QT_TRANSLATE_NOOP3("AppResources", "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定", "")},
        {FilePrint, QT_TRANSLATE_NOOP3("AppResources", "作業中のﾌｧｲﾙを印刷\n印刷", "")},
        {FilePrintPreview, QT_TRANSLATE_NOOP3("AppResources", "ﾌﾙｽｸﾘｰﾝで表示\n印刷ﾌﾟﾚﾋﾞｭｰ", "")},
        {WindowNew, QT_TRANSLATE_NOOP3("AppResources", "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ", "")},
        {WindowArrange, QT_TRANSLATE_NOOP3("AppResources", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列", "")},
        {WindowCascade, QT_TRANSLATE_NOOP3("AppResources", "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示", "")},
        {WindowTileHorz, QT_TRANSLATE_NOOP3("AppResources", "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示", "")},
        {WindowTileVert, QT_TRANSLATE_NOOP3("AppResources", "ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示", "")},
        {AppAbout, QT_TRANSLATE_NOOP3("AppResources", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報", "")},
        {AppExit, QT_TRANSLATE_NOOP3("AppResources", "終了\n終了", "")},
        {ViewToolbar, QT_TRANSLATE_NOOP3("AppResources", "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示", "")},
        {ViewStatusBar, QT_TRANSLATE_NOOP3("AppResources", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示", "")},
        {FileSaveImage, QT_TRANSLATE_NOOP3("AppResources", "作業中のｸﾞﾗﾌを画像ﾌｧｲﾙに保存\n画像として保存", "")},
        {EditCopy, QT_TRANSLATE_NOOP3("AppResources", "作業中のｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\nｺﾋﾟｰ", "")},
        {ViewBack, QT_TRANSLATE_NOOP3("AppResources", "前の範囲と軸に戻る\n前の範囲に戻る", "")},
        {ViewForward, QT_TRANSLATE_NOOP3("AppResources", "次の範囲と軸に進む\n次の範囲に進む", "")},
        {FileImport, QT_TRANSLATE_NOOP3("AppResources", "区切りや見出しなどの読み込み方を選んでﾌｧｲﾙを開く\nｲﾝﾎﾟｰﾄ", "")},
        {FileReload, QT_TRANSLATE_NOOP3("AppResources", "作業中のﾌｧｲﾙをもう一度読み込む\n再読み込み", "")},
        {FileAutoUpdate, QT_TRANSLATE_NOOP3("AppResources", "ﾌｧｲﾙが変わったら自動的に読み込み直す\n自動更新", "")},
        {FileCancelRead, QT_TRANSLATE_NOOP3("AppResources", "ﾌｧｲﾙの読み込みを中止\n中止", "")},
        {SetSeries, QT_TRANSLATE_NOOP3("AppResources", "系列の表示、色、ﾏｰｶｰ、線と右の V 軸を設定\n系列", "")},
        {ViewFollowLatest, QT_TRANSLATE_NOOP3("AppResources", "範囲を最新の列に保ち、ﾌｧｲﾙが変わるたびに読み込み直す\n最新のﾃﾞｰﾀを追う", "")},
    };
    return strings;
}

QString StringPart(int id, int part)
{
    if (id >= FileMruFirst && id <= FileMruLast)
        return part == 0 ? QCoreApplication::translate("AppResources", "指定のﾌｧｲﾙを開く") : QString();
    const auto it = Strings().find(id);
    if (it == Strings().end())
        return {};
    return QCoreApplication::translate("AppResources", it->second.text, it->second.comment).section('\n', part, part);
}

}  // namespace

const std::vector<MenuPopup>& MainFrameMenu()
{
    static const std::vector<MenuPopup> menu = {
        {QT_TRANSLATE_NOOP("AppResources", "ﾌｧｲﾙ(&F)"),
         {{FileOpen, QT_TRANSLATE_NOOP("AppResources", "開く(&O)...\tCtrl+O"), {}},
          ImportItem(),
          Separator(),
          {FilePrintSetup, QT_TRANSLATE_NOOP("AppResources", "ﾌﾟﾘﾝﾀの設定(&R)..."), {}},
          Separator(),
          {FileMruFirst, "", {}},
          Separator(),
          {AppExit, QT_TRANSLATE_NOOP("AppResources", "終了(&X)"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "表示(&V)"),
         {{ViewToolbar, QT_TRANSLATE_NOOP("AppResources", "ﾂｰﾙ ﾊﾞｰ(&T)"), {}},
          {ViewStatusBar, QT_TRANSLATE_NOOP("AppResources", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "ﾍﾙﾌﾟ(&H)"),
         {{AppAbout, QT_TRANSLATE_NOOP("AppResources", "ﾊﾞｰｼﾞｮﾝ情報(Sorv)(&A)..."), {}}}},
    };
    return menu;
}

const std::vector<MenuPopup>& ChartMenu()
{
    static const std::vector<MenuPopup> menu = {
        {QT_TRANSLATE_NOOP("AppResources", "ﾌｧｲﾙ(&F)"),
         {{FileOpen, QT_TRANSLATE_NOOP("AppResources", "開く(&O)...\tCtrl+O"), {}},
          ImportItem(),
          {FileClose, QT_TRANSLATE_NOOP("AppResources", "閉じる(&C)"), {}},
          Separator(),
          {FileSaveImage, QT_TRANSLATE_NOOP("AppResources", "画像として保存(&S)...\tCtrl+Shift+S"), {}},
          Separator(),
          {FileReload, QT_TRANSLATE_NOOP("AppResources", "再読み込み(&E)\tF5"), {}},
          {FileAutoUpdate, QT_TRANSLATE_NOOP("AppResources", "自動更新(&U)"), {}},
          Separator(),
          {FilePrint, QT_TRANSLATE_NOOP("AppResources", "印刷(&P)...\tCtrl+P"), {}},
          {FilePrintPreview, QT_TRANSLATE_NOOP("AppResources", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), {}},
          {FilePrintSetup, QT_TRANSLATE_NOOP("AppResources", "ﾌﾟﾘﾝﾀの設定(&R)..."), {}},
          Separator(),
          {FileMruFirst, "", {}},
          Separator(),
          {AppExit, QT_TRANSLATE_NOOP("AppResources", "終了(&X)"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "編集(&E)"),
         {{EditCopy, QT_TRANSLATE_NOOP("AppResources", "ｺﾋﾟｰ(&C)\tCtrl+C"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "表示(&V)"),
         {{GraphScatter, QT_TRANSLATE_NOOP("AppResources", "散布図(&D)"), {}},
          {GraphLine, QT_TRANSLATE_NOOP("AppResources", "折れ線(&L)"), {}},
          {GraphStacked, QT_TRANSLATE_NOOP("AppResources", "積層図(&A)"), {}},
          {Graph3D, QT_TRANSLATE_NOOP("AppResources", "３Ｄ(&3)"), {}},
          Separator(),
          {Legend, QT_TRANSLATE_NOOP("AppResources", "凡例(&G)"), {}},
          Separator(),
          {ViewZoomIn, QT_TRANSLATE_NOOP("AppResources", "拡大(&I)\t+"), {}},
          {ViewZoomOut, QT_TRANSLATE_NOOP("AppResources", "縮小(&OI)\t-"), {}},
          Separator(),
          {ViewBack, QT_TRANSLATE_NOOP("AppResources", "前の範囲に戻る(&B)\tAlt+Left"), {}},
          {ViewForward, QT_TRANSLATE_NOOP("AppResources", "次の範囲に進む(&N)\tAlt+Right"), {}},
          Separator(),
          {ViewFollowLatest, QT_TRANSLATE_NOOP("AppResources", "最新のﾃﾞｰﾀを追う(&F)"), {}},
          Separator(),
          {ViewToolbar, QT_TRANSLATE_NOOP("AppResources", "ﾂｰﾙ ﾊﾞｰ(&T)"), {}},
          {ViewStatusBar, QT_TRANSLATE_NOOP("AppResources", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "設定(&S)"),
         {{Region, QT_TRANSLATE_NOOP("AppResources", "Region(&R)"), {}},
          Separator(),
          {SetAxis, QT_TRANSLATE_NOOP("AppResources", "Axis(&A)"), {}},
          {SetColor, QT_TRANSLATE_NOOP("AppResources", "Color(&C)"), {}},
          {SetLineAttr, QT_TRANSLATE_NOOP("AppResources", "Line Attributes(&L)"), {}},
          {SetTitle, QT_TRANSLATE_NOOP("AppResources", "Title(&T)"), {}},
          {SetSeries, QT_TRANSLATE_NOOP("AppResources", "系列(&E)..."), {}},
          Separator(),
          {SetView, QT_TRANSLATE_NOOP("AppResources", "View(&V)"), {}},
          {0, QT_TRANSLATE_NOOP("AppResources", "Rotate"), RotateItems()}}},
        {QT_TRANSLATE_NOOP("AppResources", "ｳｨﾝﾄﾞｳ(&W)"),
         {{WindowNew, QT_TRANSLATE_NOOP("AppResources", "新しいｳｨﾝﾄﾞｳを開く(&N)"), {}},
          {WindowCascade, QT_TRANSLATE_NOOP("AppResources", "重ねて表示(&C)"), {}},
          {WindowTileHorz, QT_TRANSLATE_NOOP("AppResources", "上下に並べて表示(&H)"), {}},
          {WindowTileVert, QT_TRANSLATE_NOOP("AppResources", "左右に並べて表示(&T)"), {}},
          {WindowArrange, QT_TRANSLATE_NOOP("AppResources", "ｱｲｺﾝの整列(&A)"), {}}}},
        {QT_TRANSLATE_NOOP("AppResources", "ﾍﾙﾌﾟ(&H)"),
         {{AppAbout, QT_TRANSLATE_NOOP("AppResources", "ﾊﾞｰｼﾞｮﾝ情報(Sorv) (&A)..."), {}}}},
    };
    return menu;
}

const std::vector<int>& ToolbarCommands()
{
    static const std::vector<int> items = {
        FileOpen, 0, FilePrint, 0, GraphScatter, GraphLine, GraphStacked, Graph3D, 0,
        Region, SetAxis, SetColor, SetLineAttr, SetTitle, 0,
        SetView, ViewZoomIn, ViewZoomOut, RotateYMinus, RotateYPlus, RotateXPlus, RotateXMinus, 0, AppAbout};
    return items;
}

const std::vector<Accelerator>& Accelerators()
{
    static const std::vector<Accelerator> table = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), FileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_P), FilePrint},
        {QKeySequence(Qt::CTRL | Qt::Key_I), FileImport},
        {QKeySequence(Qt::Key_F5), FileReload},
        {QKeySequence(Qt::Key_Escape), FileCancelRead},
        {QKeySequence(Qt::Key_Down), RotateXMinus},
        {QKeySequence(Qt::Key_Up), RotateXPlus},
        {QKeySequence(Qt::Key_Left), RotateYMinus},
        {QKeySequence(Qt::Key_Right), RotateYPlus},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), FileSaveImage},
        {QKeySequence(Qt::CTRL | Qt::Key_C), EditCopy},
        {QKeySequence(Qt::ALT | Qt::Key_Left), ViewBack},
        {QKeySequence(Qt::Key_Backspace), ViewBack},
        {QKeySequence(Qt::ALT | Qt::Key_Right), ViewForward},
        {QKeySequence(Qt::CTRL | Qt::Key_W), WindowClose},
    };
    return table;
}

const std::vector<int>& ChartContextMenuCommands()
{
    static const std::vector<int> items = {
        GraphScatter, GraphLine, GraphStacked, Graph3D, 0, Legend, 0, ViewBack, ViewForward, 0,
        EditCopy, FileSaveImage, 0, Region, SetAxis, SetColor, SetLineAttr, SetTitle, SetSeries, SetView};
    return items;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, int id)
{
    for (const MenuItem& item : items) {
        if (item.id == id && item.submenu.empty())
            return &item;
        if (const MenuItem* inSubmenu = FindMenuItem(item.submenu, id))
            return inSubmenu;
    }
    return nullptr;
}

QString AppText(const char* text)
{
    return QCoreApplication::translate("AppResources", text);
}

QString ChartMenuText(int id)
{
    for (const MenuPopup& popup : ChartMenu())
        if (const MenuItem* item = FindMenuItem(popup.items, id))
            return AppText(item->text);
    return {};
}

QString CommandPrompt(int id) { return StringPart(id, 0); }
QString CommandToolTip(int id) { return StringPart(id, 1); }

QString AppTitle() { return QStringLiteral("Sorv"); }
QString IdleStatusText() { return QCoreApplication::translate("AppResources", "Ready"); }
QString OpenDialogTitle() { return QCoreApplication::translate("AppResources", "開く"); }
QStringList OpenDialogFilters()
{
    return {QCoreApplication::translate("AppResources", "ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv *.txt *.dat *.tsv)"),
            QCoreApplication::translate("AppResources", "すべてのﾌｧｲﾙ (*)")};
}

QStringList OpenDialogFilterNames()
{
    return {QCoreApplication::translate("AppResources", "ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv;*.txt;*.dat;*.tsv)"),
            QCoreApplication::translate("AppResources", "すべてのﾌｧｲﾙ (*.*)")};
}
QString RecentFilePlaceholder() { return QCoreApplication::translate("AppResources", "最新のﾌｧｲﾙ"); }
