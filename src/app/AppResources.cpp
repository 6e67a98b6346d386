#include "app/AppResources.h"

#include "settings/CommandIds.h"

#include <QCoreApplication>

#include <map>

using namespace CommandId;

namespace {

MenuItem Separator() { return {}; }

QString Text(const char* source)
{
    return QCoreApplication::translate("AppResources", source);
}

MenuItem ImportItem() { return {FileImport, Text("ｲﾝﾎﾟｰﾄ(&I)...\tCtrl+I"), {}}; }

// The prompts of the reading commands; translated, so not in the table of the others.
QString ReadingPrompt(int id)
{
    switch (id) {
    case FileImport: return Text("区切りや見出しなどの読み込み方を選んでﾌｧｲﾙを開く\nｲﾝﾎﾟｰﾄ");
    case FileReload: return Text("作業中のﾌｧｲﾙをもう一度読み込む\n再読み込み");
    case FileAutoUpdate: return Text("ﾌｧｲﾙが変わったら自動的に読み込み直す\n自動更新");
    case FileCancelRead: return Text("ﾌｧｲﾙの読み込みを中止\n中止");
    default: return {};
    }
}

std::vector<MenuItem> RotateItems()
{
    return {{RotateXPlus, "X+", {}}, {RotateXMinus, "X-", {}}, {RotateYPlus, "Y+", {}},
            {RotateYMinus, "Y-", {}}, {RotateZPlus, "Z+", {}}, {RotateZMinus, "Z-", {}}};
}

const std::map<int, QString>& Strings()
{
    static const std::map<int, QString> strings = {
        {RotateXPlus, "Rotation\nRotation"},
        {RotateXMinus, "Rotation\nRotation"},
        {RotateYPlus, "Rotation\nRotation"},
        {RotateYMinus, "Rotation\nRotation"},
        {RotateZMinus, "Rotation\nRotation"},
        {RotateZPlus, "Rotation\nRotation"},
        {ViewZoomIn, "拡大\n拡大"},
        {ViewZoomOut, "縮小\n縮小"},
        {FileOpen, "既存のﾌｧｲﾙを開く\n開く"},
        {FileClose, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
        {FilePrintSetup, "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定"},
        {FilePrint, "作業中のﾌｧｲﾙを印刷\n印刷"},
        {FilePrintPreview, "ﾌﾙｽｸﾘｰﾝで表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
        {WindowNew, "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ"},
        {WindowArrange, "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
        {WindowCascade, "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
        {WindowTileHorz, "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
        {WindowTileVert, "ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示"},
        {AppAbout, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
        {AppExit, "終了\n終了"},
        {ViewToolbar, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
        {ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
        {FileSaveImage, Text("作業中のｸﾞﾗﾌを画像ﾌｧｲﾙに保存\n画像として保存")},
        {EditCopy, Text("作業中のｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\nｺﾋﾟｰ")},
        {ViewBack, Text("前の範囲と軸に戻る\n前の範囲に戻る")},
        {ViewForward, Text("次の範囲と軸に進む\n次の範囲に進む")},
    };
    return strings;
}

QString StringPart(int id, int part)
{
    if (id >= FileMruFirst && id <= FileMruLast)
        return part == 0 ? QString("指定のﾌｧｲﾙを開く") : QString();
    if (const QString reading = ReadingPrompt(id); !reading.isEmpty())
        return reading.section('\n', part, part);
    const auto it = Strings().find(id);
    if (it == Strings().end())
        return {};
    return it->second.section('\n', part, part);
}

}  // namespace

const std::vector<MenuPopup>& MainFrameMenu()
{
    static const std::vector<MenuPopup> menu = {
        {"ﾌｧｲﾙ(&F)",
         {{FileOpen, "開く(&O)...\tCtrl+O", {}}, ImportItem(), Separator(), {FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", {}},
          Separator(), {FileMruFirst, RecentFilePlaceholder(), {}}, Separator(), {AppExit, "終了(&X)", {}}}},
        {"表示(&V)", {{ViewToolbar, "ﾂｰﾙ ﾊﾞｰ(&T)", {}}, {ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", {}}}},
        {"ﾍﾙﾌﾟ(&H)", {{AppAbout, "ﾊﾞｰｼﾞｮﾝ情報(Sorv)(&A)...", {}}}},
    };
    return menu;
}

const std::vector<MenuPopup>& ChartMenu()
{
    static const std::vector<MenuPopup> menu = {
        {"ﾌｧｲﾙ(&F)",
         {{FileOpen, "開く(&O)...\tCtrl+O", {}}, ImportItem(), {FileClose, "閉じる(&C)", {}}, Separator(),
          {FileSaveImage, Text("画像として保存(&S)...\tCtrl+Shift+S"), {}}, Separator(),
          {FileReload, Text("再読み込み(&E)\tF5"), {}}, {FileAutoUpdate, Text("自動更新(&U)"), {}}, Separator(),
          {FilePrint, "印刷(&P)...\tCtrl+P", {}}, {FilePrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", {}},
          {FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", {}}, Separator(), {FileMruFirst, RecentFilePlaceholder(), {}},
          Separator(), {AppExit, "終了(&X)", {}}}},
        {Text("編集(&E)"),
         {{EditCopy, Text("ｺﾋﾟｰ(&C)\tCtrl+C"), {}}}},
        {"表示(&V)",
         {{GraphScatter, "散布図(&D)", {}}, {GraphLine, "折れ線(&L)", {}}, {GraphStacked, "積層図(&A)", {}},
          {Graph3D, "３Ｄ(&3)", {}}, Separator(), {Legend, "凡例(&G)", {}}, Separator(),
          {ViewZoomIn, "拡大(&I)\t+", {}}, {ViewZoomOut, "縮小(&OI)\t-", {}}, Separator(),
          {ViewBack, Text("前の範囲に戻る(&B)\tAlt+Left"), {}},
          {ViewForward, Text("次の範囲に進む(&N)\tAlt+Right"), {}}, Separator(),
          {ViewToolbar, "ﾂｰﾙ ﾊﾞｰ(&T)", {}}, {ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", {}}}},
        {"設定(&S)",
         {{Region, "Region(&R)", {}}, Separator(), {SetAxis, "Axis(&A)", {}}, {SetColor, "Color(&C)", {}},
          {SetLineAttr, "Line Attributes(&L)", {}}, {SetTitle, "Title(&T)", {}}, Separator(),
          {SetView, "View(&V)", {}}, {0, "Rotate", RotateItems()}}},
        {"ｳｨﾝﾄﾞｳ(&W)",
         {{WindowNew, "新しいｳｨﾝﾄﾞｳを開く(&N)", {}}, {WindowCascade, "重ねて表示(&C)", {}},
          {WindowTileHorz, "上下に並べて表示(&H)", {}}, {WindowTileVert, "左右に並べて表示(&T)", {}},
          {WindowArrange, "ｱｲｺﾝの整列(&A)", {}}}},
        {"ﾍﾙﾌﾟ(&H)", {{AppAbout, "ﾊﾞｰｼﾞｮﾝ情報(Sorv) (&A)...", {}}}},
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
    };
    return table;
}

const std::vector<int>& ChartContextMenuCommands()
{
    static const std::vector<int> items = {
        GraphScatter, GraphLine, GraphStacked, Graph3D, 0, Legend, 0, ViewBack, ViewForward, 0,
        EditCopy, FileSaveImage, 0, Region, SetAxis, SetColor, SetLineAttr, SetTitle, SetView};
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

QString ChartMenuText(int id)
{
    for (const MenuPopup& popup : ChartMenu())
        if (const MenuItem* item = FindMenuItem(popup.items, id))
            return item->text;
    return {};
}

QString CommandPrompt(int id) { return StringPart(id, 0); }
QString CommandToolTip(int id) { return StringPart(id, 1); }

QString AppTitle() { return "Sorv"; }
QString IdleStatusText() { return "Ready"; }
QString OpenDialogTitle() { return "開く"; }
QStringList OpenDialogFilters()
{
    return {Text("ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv *.txt *.dat *.tsv)"), Text("すべてのﾌｧｲﾙ (*)")};
}
QStringList OpenDialogFilterNames()
{
    return {Text("ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv;*.txt;*.dat;*.tsv)"), Text("すべてのﾌｧｲﾙ (*.*)")};
}
QString RecentFilePlaceholder() { return "最新のﾌｧｲﾙ"; }
