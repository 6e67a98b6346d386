<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AppResources</name>
    <message>
        <source>X+</source>
        <translation>About X, Forward</translation>
    </message>
    <message>
        <source>X-</source>
        <translation>About X, Backward</translation>
    </message>
    <message>
        <source>Y+</source>
        <translation>About Y, Forward</translation>
    </message>
    <message>
        <source>Y-</source>
        <translation>About Y, Backward</translation>
    </message>
    <message>
        <source>Z+</source>
        <translation>About Z, Forward</translation>
    </message>
    <message>
        <source>Z-</source>
        <translation>About Z, Backward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>X+</comment>
        <translation>Turn the 3D chart 22.5° forward about its X axis
Rotate about X forward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>X-</comment>
        <translation>Turn the 3D chart 22.5° backward about its X axis
Rotate about X backward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>Y+</comment>
        <translation>Turn the 3D chart 22.5° forward about its Y axis
Rotate about Y forward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>Y-</comment>
        <translation>Turn the 3D chart 22.5° backward about its Y axis
Rotate about Y backward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>Z-</comment>
        <translation>Turn the 3D chart 22.5° backward about its Z axis
Rotate about Z backward</translation>
    </message>
    <message>
        <source>Rotation
Rotation</source>
        <comment>Z+</comment>
        <translation>Turn the 3D chart 22.5° forward about its Z axis
Rotate about Z forward</translation>
    </message>
    <message>
        <source>拡大
拡大</source>
        <translation>Zoom in on the 3D chart
Zoom In</translation>
    </message>
    <message>
        <source>縮小
縮小</source>
        <translation>Zoom out of the 3D chart
Zoom Out</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く
開く</source>
        <translation>Open an existing file
Open</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを閉じる
閉じる</source>
        <translation>Close the active file
Close</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀ/印刷設定の変更
ﾌﾟﾘﾝﾀの設定</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation>Print the active chart
Print</translation>
    </message>
    <message>
        <source>ﾌﾙｽｸﾘｰﾝで表示
印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>Show the printed page
Print Preview</translation>
    </message>
    <message>
        <source>作業中のｳｨﾝﾄﾞｳを複写して表示
新規ｳｨﾝﾄﾞｳ</source>
        <translation>Open another window for the active file
New Window</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列
ｱｲｺﾝの整列</source>
        <translation>Arrange icons at the bottom of the window
Arrange Icons</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを重ねて表示
重ねて表示</source>
        <translation>Arrange windows so they overlap
Cascade</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを上下に並べて表示
上下に並べて表示</source>
        <translation>Arrange windows one above the other
Tile Stacked</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを左右に並べて表示
左右に並べて表示</source>
        <translation>Arrange windows side by side
Tile Side by Side</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Display program information, version number and copyright
About Sorv</translation>
    </message>
    <message>
        <source>終了
終了</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示/非表示
ﾂｰﾙ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>作業中のｸﾞﾗﾌを画像ﾌｧｲﾙに保存
画像として保存</source>
        <translation>Save the active chart as an image file
Save as Image</translation>
    </message>
    <message>
        <source>作業中のｸﾞﾗﾌをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ
ｺﾋﾟｰ</source>
        <translation>Copy the active chart to the clipboard
Copy</translation>
    </message>
    <message>
        <source>前の範囲と軸に戻る
前の範囲に戻る</source>
        <translation>Go back to the previous region and axes
Back</translation>
    </message>
    <message>
        <source>次の範囲と軸に進む
次の範囲に進む</source>
        <translation>Go forward to the next region and axes
Forward</translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Sorv)(&amp;A)...</source>
        <translation>&amp;About Sorv...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>画像として保存(&amp;S)...	Ctrl+Shift+S</source>
        <translation>Save as Ima&amp;ge...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ(&amp;C)	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>散布図(&amp;D)</source>
        <translation>S&amp;catter Chart</translation>
    </message>
    <message>
        <source>折れ線(&amp;L)</source>
        <translation>&amp;Line Chart</translation>
    </message>
    <message>
        <source>積層図(&amp;A)</source>
        <translation>St&amp;acked Chart</translation>
    </message>
    <message>
        <source>３Ｄ(&amp;3)</source>
        <translation>&amp;3D Chart</translation>
    </message>
    <message>
        <source>凡例(&amp;G)</source>
        <translation>Le&amp;gend</translation>
    </message>
    <message>
        <source>拡大(&amp;I)	+</source>
        <translation>Zoom &amp;In	+</translation>
    </message>
    <message>
        <source>縮小(&amp;OI)	-</source>
        <translation>Zoom &amp;Out	-</translation>
    </message>
    <message>
        <source>前の範囲に戻る(&amp;B)	Alt+Left</source>
        <translation>&amp;Back	Alt+Left</translation>
    </message>
    <message>
        <source>次の範囲に進む(&amp;N)	Alt+Right</source>
        <translation>&amp;Forward	Alt+Right</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Region(&amp;R)</source>
        <translation>&amp;Region...</translation>
    </message>
    <message>
        <source>Axis(&amp;A)</source>
        <translation>&amp;Axes...</translation>
    </message>
    <message>
        <source>Color(&amp;C)</source>
        <translation>&amp;Colors...</translation>
    </message>
    <message>
        <source>Line Attributes(&amp;L)</source>
        <translation>&amp;Line Attributes...</translation>
    </message>
    <message>
        <source>Title(&amp;T)</source>
        <translation>&amp;Title...</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>3D &amp;View...</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>R&amp;otate</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>新しいｳｨﾝﾄﾞｳを開く(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>上下に並べて表示(&amp;H)</source>
        <translation>Tile &amp;Stacked</translation>
    </message>
    <message>
        <source>左右に並べて表示(&amp;T)</source>
        <translation>&amp;Tile Side by Side</translation>
    </message>
    <message>
        <source>ｱｲｺﾝの整列(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Sorv) (&amp;A)...</source>
        <translation>&amp;About Sorv...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>最新のﾌｧｲﾙ</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>ｲﾝﾎﾟｰﾄ(&amp;I)...	Ctrl+I</source>
        <translation>&amp;Import...	Ctrl+I</translation>
    </message>
    <message>
        <source>区切りや見出しなどの読み込み方を選んでﾌｧｲﾙを開く
ｲﾝﾎﾟｰﾄ</source>
        <translation>Open a file choosing how it is read: delimiter, header line and more
Import</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙをもう一度読み込む
再読み込み</source>
        <translation>Read the active file again
Reload</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが変わったら自動的に読み込み直す
自動更新</source>
        <translation>Read the file again whenever it changes
Auto Update</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙの読み込みを中止
中止</source>
        <translation>Stop reading the file
Stop Reading</translation>
    </message>
    <message>
        <source>再読み込み(&amp;E)	F5</source>
        <translation>R&amp;eload	F5</translation>
    </message>
    <message>
        <source>自動更新(&amp;U)</source>
        <translation>Auto &amp;Update</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv *.txt *.dat *.tsv)</source>
        <translation>Data Files (*.csv *.txt *.dat *.tsv)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ ﾌｧｲﾙ (*.csv;*.txt;*.dat;*.tsv)</source>
        <translation>Data Files (*.csv;*.txt;*.dat;*.tsv)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>系列の表示、色、ﾏｰｶｰ、線と右の V 軸を設定
系列</source>
        <translation>Show, colour, markers, lines and the right V axis of the series
Series</translation>
    </message>
    <message>
        <source>系列(&amp;E)...</source>
        <translation>S&amp;eries...</translation>
    </message>
    <message>
        <source>範囲を最新の列に保ち、ﾌｧｲﾙが変わるたびに読み込み直す
最新のﾃﾞｰﾀを追う</source>
        <translation>Keep the region on the latest columns and read the file again whenever it changes
Follow Latest Data</translation>
    </message>
    <message>
        <source>最新のﾃﾞｰﾀを追う(&amp;F)</source>
        <translation>Follo&amp;w Latest Data</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Sorv)</source>
        <translation>About Sorv</translation>
    </message>
    <message>
        <source>Sorv Version 2.2.4</source>
        <translation>Sorv Version 2.2.4</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAngleDlg</name>
    <message>
        <source>Angle</source>
        <translation>3D View</translation>
    </message>
    <message>
        <source>Wire frame</source>
        <translation>Wire Frame</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Color polyline</source>
        <translation>Colored Polylines</translation>
    </message>
    <message>
        <source>Color polygon</source>
        <translation>Colored Polygons</translation>
    </message>
    <message>
        <source>Shading (Gray)</source>
        <translation>Gray Shading</translation>
    </message>
    <message>
        <source>Shading (Blue)</source>
        <translation>Blue Shading</translation>
    </message>
    <message>
        <source>x</source>
        <comment>rotation about</comment>
        <translation>About X</translation>
    </message>
    <message>
        <source>y</source>
        <comment>rotation about</comment>
        <translation>About Y</translation>
    </message>
    <message>
        <source>z</source>
        <comment>rotation about</comment>
        <translation>About Z</translation>
    </message>
    <message>
        <source>Rotation [Degree]</source>
        <translation>Rotation (degrees)</translation>
    </message>
    <message>
        <source>z</source>
        <comment>scale of the values</comment>
        <translation>Values (z)</translation>
    </message>
    <message>
        <source>y</source>
        <comment>scale of the rows</comment>
        <translation>Rows (y)</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Fit z to box</source>
        <translation>Fit values to the box</translation>
    </message>
    <message>
        <source>Color bar, z ticks</source>
        <translation>Color bar and value ticks</translation>
    </message>
    <message>
        <source>share</source>
        <comment>of the box&apos;s longer side that the values fill</comment>
        <translation>Share of box</translation>
    </message>
</context>
<context>
    <name>CAreaDlg</name>
    <message>
        <source>Area</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>x1</source>
        <translation>First column</translation>
    </message>
    <message>
        <source>y1</source>
        <translation>First row</translation>
    </message>
    <message>
        <source>x2</source>
        <translation>Last column</translation>
    </message>
    <message>
        <source>y2</source>
        <translation>Last row</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Columns and Rows</translation>
    </message>
</context>
<context>
    <name>CAxisDlg</name>
    <message>
        <source>Axis</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>V Axis</source>
        <translation>Vertical Axis</translation>
    </message>
    <message>
        <source>H Axis</source>
        <translation>Horizontal Axis</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logarithmic</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>max</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>目盛りを丸める</source>
        <translation>Round ticks</translation>
    </message>
</context>
<context>
    <name>CColorDlg</name>
    <message>
        <source>Color</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Foreground...</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Plot Area...</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axes...</translation>
    </message>
</context>
<context>
    <name>CCursorReadout</name>
    <message>
        <source>系列 %1  列 %2  値 %3</source>
        <translation>Series %1  Column %2  Value %3</translation>
    </message>
    <message>
        <source>領域 列 %1～%2  行 %3～%4    回転 X %5°  Y %6°  Z %7°</source>
        <translation>Region: columns %1 to %2, rows %3 to %4    Rotation X %5°  Y %6°  Z %7°</translation>
    </message>
    <message>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1  値 %2</source>
        <translation>%1  Value %2</translation>
    </message>
</context>
<context>
    <name>CFrameMenus</name>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>ｶﾝﾏ</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>ﾀﾌﾞ</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>ｾﾐｺﾛﾝ</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>区切り %1</source>
        <translation>Delimiter %1</translation>
    </message>
    <message>
        <source>見出しあり</source>
        <translation>Header line</translation>
    </message>
    <message>
        <source>見出しなし</source>
        <translation>No header line</translation>
    </message>
    <message>
        <source>1 列が 1 系列</source>
        <translation>One series per column</translation>
    </message>
    <message>
        <source>1 行が 1 系列</source>
        <translation>One series per row</translation>
    </message>
    <message>
        <source>改行 %1</source>
        <translation>Line ends %1</translation>
    </message>
    <message>
        <source>小数点はｶﾝﾏ</source>
        <translation>Decimal comma</translation>
    </message>
    <message>
        <source>引用符あり</source>
        <translation>Quoted cells</translation>
    </message>
    <message>
        <source>検出した設定: %1</source>
        <translation>Detected settings: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>ｲﾝﾎﾟｰﾄ - %1</source>
        <translation>Import - %1</translation>
    </message>
    <message>
        <source>1 列が 1 系列 (時系列)</source>
        <translation>One series per column (time series)</translation>
    </message>
    <message>
        <source>ﾗﾍﾞﾙ</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>小数点はｶﾝﾏ (1,5)(&amp;M)</source>
        <translation>Decimal co&amp;mma (1,5)</translation>
    </message>
    <message>
        <source>系列(&amp;S):</source>
        <translation>&amp;Series:</translation>
    </message>
    <message>
        <source>区切り(&amp;D):</source>
        <translation>&amp;Delimiter:</translation>
    </message>
    <message>
        <source>最初の列(&amp;F):</source>
        <translation>&amp;First column:</translation>
    </message>
    <message>
        <source>先頭で読み飛ばす行数(&amp;K):</source>
        <translation>Lines to s&amp;kip at the start:</translation>
    </message>
    <message>
        <source>ｺﾒﾝﾄ行の先頭文字(&amp;C):</source>
        <translation>&amp;Comment lines start with:</translation>
    </message>
    <message>
        <source>ﾌﾟﾚﾋﾞｭｰはありません (ﾌｧｲﾙの先頭を読めません)。</source>
        <translation>No preview (the start of the file cannot be read).</translation>
    </message>
    <message>
        <source>このままでは読み込めません: %1</source>
        <translation>Cannot be read like this: %1</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>使わない</source>
        <translation>Left out</translation>
    </message>
    <message>
        <source>最初の列は %1</source>
        <translation>First column %1</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>No</translation>
    </message>
    <message>
        <source>1 行目は見出し(&amp;H):</source>
        <translation>First line is a &amp;header:</translation>
    </message>
    <message>
        <source>x にする列(&amp;X):</source>
        <translation>&amp;x column:</translation>
    </message>
    <message>
        <source>x にする行(&amp;R):</source>
        <translation>x &amp;row:</translation>
    </message>
    <message>
        <source>読む列(&amp;U):</source>
        <translation>Columns to &amp;use:</translation>
    </message>
    <message>
        <source>最初の列の設定どおり</source>
        <translation>As the first column says</translation>
    </message>
    <message>
        <source>%1 列目</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1 列目: %2</source>
        <translation>Column %1: %2</translation>
    </message>
    <message>
        <source>自動 (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>なし</source>
        <comment>no row as x</comment>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>CLineAttrDlg</name>
    <message>
        <source>Line Attributes</source>
        <translation>Line Attributes</translation>
    </message>
    <message>
        <source>SOLID</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>DASH</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>DOT</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>DASHDOT</source>
        <translation>Dash-Dot</translation>
    </message>
    <message>
        <source>DASHDOTDOT</source>
        <translation>Dash-Dot-Dot</translation>
    </message>
    <message>
        <source>Width [0-99]</source>
        <translation>Width (0-99)</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>%1 を開けません。
%2</source>
        <translation>Cannot open %1.
%2</translation>
    </message>
    <message>
        <source>%1 の読み込みを中止しました。</source>
        <translation>Reading %1 was cancelled.</translation>
    </message>
    <message>
        <source>%1 を読み込み直しました。</source>
        <translation>Reloaded %1.</translation>
    </message>
    <message>
        <source>%1 を読み込み直せません (表示はそのままです): %2</source>
        <translation>Cannot reload %1 (the chart stays as it was): %2</translation>
    </message>
    <message>
        <source>ｲﾝﾎﾟｰﾄ</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>ﾒﾓﾘが足りないためｺﾋﾟｰできません。</source>
        <translation>Not enough memory to copy the chart.</translation>
    </message>
</context>
<context>
    <name>CPageSetupDlg</name>
    <message>
        <source>縦(&amp;O)</source>
        <translation>P&amp;ortrait</translation>
    </message>
    <message>
        <source>横(&amp;A)</source>
        <translation>L&amp;andscape</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ設定</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ(&amp;Z):</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>印刷の向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>左(&amp;L):</source>
        <translation>&amp;Left:</translation>
    </message>
    <message>
        <source>上(&amp;T):</source>
        <translation>&amp;Top:</translation>
    </message>
    <message>
        <source>右(&amp;R):</source>
        <translation>&amp;Right:</translation>
    </message>
    <message>
        <source>下(&amp;B):</source>
        <translation>&amp;Bottom:</translation>
    </message>
    <message>
        <source>余白</source>
        <translation>Margins</translation>
    </message>
</context>
<context>
    <name>CReadProgressPane</name>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>読み込みを中止します (Esc)</source>
        <translation>Stop reading (Esc)</translation>
    </message>
    <message>
        <source>%1 を読み込み中</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>%1 ほか %2 件を読み込み中</source>
        <translation>Reading %1 and %2 more</translation>
    </message>
</context>
<context>
    <name>CSaveImageDialog</name>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG Image (*.png)</translation>
    </message>
    <message>
        <source>SVG 画像 (*.svg)</source>
        <translation>SVG Image (*.svg)</translation>
    </message>
    <message>
        <source>PDF ﾌｧｲﾙ (*.pdf)</source>
        <translation>PDF File (*.pdf)</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>%1 に保存できません。</source>
        <translation>Cannot save to %1.</translation>
    </message>
</context>
<context>
    <name>CSeriesDlg</name>
    <message>
        <source>系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>ﾏｰｶｰを系列の色だけで描く(&amp;M)</source>
        <translation>Outline the &amp;markers in their own colour</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logarithmic</translation>
    </message>
    <message>
        <source>標準 (7 色)</source>
        <translation>Classic (7 colours)</translation>
    </message>
    <message>
        <source>Okabe-Ito (8 色)</source>
        <translation>Okabe-Ito (8 colours)</translation>
    </message>
    <message>
        <source>Tol (12 色)</source>
        <translation>Tol (12 colours)</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>ﾏｰｶｰ</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>線幅</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>線種</source>
        <translation>Line style</translation>
    </message>
    <message>
        <source>右軸</source>
        <translation>Right axis</translation>
    </message>
    <message>
        <source>ﾊﾟﾚｯﾄ(&amp;P):</source>
        <translation>&amp;Palette:</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>max</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>右の V 軸</source>
        <translation>Right V Axis</translation>
    </message>
    <message>
        <source>既定</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>丸</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>×</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>破線</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>点線</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>一点鎖線</source>
        <translation>Dash-Dot</translation>
    </message>
    <message>
        <source>二点鎖線</source>
        <translation>Dash-Dot-Dot</translation>
    </message>
</context>
<context>
    <name>CSettingsDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CShownPage</name>
    <message>
        <source>ﾒﾓﾘが足りないため、ｸﾞﾗﾌを描けませんでした。</source>
        <translation>There is not enough memory to draw the chart.</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌを描けませんでした (%1)。</source>
        <translation>The chart could not be drawn (%1).</translation>
    </message>
</context>
<context>
    <name>CSorvView</name>
    <message>
        <source>x の値が減る所があるため、積層図は列番号の順に描きます。</source>
        <translation>The x values fall in places: the stacked chart is drawn by column number.</translation>
    </message>
    <message>
        <source>描画中</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>描画中 %1%</source>
        <translation>Drawing %1%</translation>
    </message>
</context>
<context>
    <name>CStatusBar</name>
    <message>
        <source>ｶﾅ</source>
        <translation>KANA</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CTitleDlg</name>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>group</comment>
        <translation>Chart Title</translation>
    </message>
</context>
<context>
    <name>CViewPrinter</name>
    <message>
        <source>印刷できませんでした。</source>
        <translation>The chart could not be printed.</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>ﾒﾓﾘが足りないため印刷できません。</source>
        <translation>Not enough memory to print the chart.</translation>
    </message>
</context>
<context>
    <name>FieldRules</name>
    <message>
        <source>整数を入力してください。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>数字を入力してください。</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>正の整数を入力してください。</source>
        <translation>Please enter an integer of 0 or more.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>%1 から %2 までの数字を入力してください。</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>%1 文字以内で入力してください。</source>
        <translation>Please enter no more than %1 characters; a full-width character counts as two.</translation>
    </message>
    <message>
        <source>日時 (2026-01-01 12:00:00 など) か数字を入力してください。</source>
        <translation>Enter a date and time (such as 2026-01-01 12:00:00) or a number.</translation>
    </message>
</context>
<context>
    <name>ReadArguments</name>
    <message>
        <source>標準入力</source>
        <translation>Standard Input</translation>
    </message>
</context>
<context>
    <name>ReadFailureText</name>
    <message>
        <source>ﾌｧｲﾙが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを読む権限がありません。</source>
        <translation>You do not have permission to read the file.</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞはﾃﾞｰﾀ ﾌｧｲﾙとして開けません。</source>
        <translation>A folder cannot be opened as a data file.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを開けません (%1)。</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙを最後まで読めませんでした。</source>
        <translation>The file could not be read to its end.</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀが 3 個以下です。ｸﾞﾗﾌには 4 個以上の数値が必要です。</source>
        <translation>The file holds 3 values or fewer. A chart needs at least 4 numbers.</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀが大きすぎます。</source>
        <translation>The data is too large.</translation>
    </message>
    <message>
        <source>ﾒﾓﾘが足りないため読み込めません。</source>
        <translation>There is not enough memory to read the file.</translation>
    </message>
    <message>
        <source>数値のｾﾙがありません。</source>
        <translation>No cell holds a number.</translation>
    </message>
    <message>
        <source>見出しの行だけで、ﾃﾞｰﾀの行がありません。</source>
        <translation>The file has a header line only and no data lines.</translation>
    </message>
    <message>
        <source>UTF-16 のﾌｧｲﾙは読めません。UTF-8 か Shift-JIS で保存してください。</source>
        <translation>UTF-16 files cannot be read. Please save the file as UTF-8 or Shift-JIS.</translation>
    </message>
    <message>
        <source>読み込みを中止しました。</source>
        <translation>Reading was cancelled.</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀが大きすぎます (%1 行 × %2 列)。</source>
        <translation>The data is too large (%1 rows × %2 columns).</translation>
    </message>
    <message>
        <source>ﾒﾓﾘが足りないため読み込めません (%1 行 × %2 列)。</source>
        <translation>There is not enough memory to read the file (%1 rows × %2 columns).</translation>
    </message>
    <message>
        <source>%1 行がほかの行より短く、欠けた値で補いました (最初は %2 行目)。</source>
        <translation>%1 lines are shorter than the others; their missing values are left empty (the first is line %2).</translation>
    </message>
    <message>
        <source>%1 行目の引用符が閉じていません。ﾌｧｲﾙの最後まで読みました。</source>
        <translation>The quote on line %1 is not closed; the file was read to its end.</translation>
    </message>
    <message>
        <source>見出しに名前のない系列が %1 個あります。</source>
        <translation>%1 series have no name in the header line.</translation>
    </message>
    <message>
        <source>列 %1 はﾌｧｲﾙにありません。</source>
        <translation>The file has no column %1.</translation>
    </message>
    <message>
        <source>%1 列目には x にする数値も日時もありません。</source>
        <translation>Column %1 holds no number or date-time to take as x.</translation>
    </message>
    <message>
        <source>x にする %1 行目がないか、数値がありません。</source>
        <translation>Row %1, to take as x, is not there or holds no number.</translation>
    </message>
</context>
<context>
    <name>SettingsCommands</name>
    <message>
        <source>このドキュメントにはデータがありません。</source>
        <translation>This document has no data.</translation>
    </message>
    <message>
        <source>指定された範囲は現在の範囲と重なりません。範囲は変更されません。</source>
        <translation>The region entered does not overlap the current region. The region is not changed.</translation>
    </message>
</context>
</TS>
