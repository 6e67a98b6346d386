#pragma once
// Command identifiers shared by the menus, the toolbar, the accelerators and
// the chart window.

namespace CommandId {
// File
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintDirect = 57608;
constexpr int FilePrintPreview = 57609;
constexpr int FileMruFirst = 57616;  // and its successors, one per recent file
constexpr int FileMruLast = 57631;
constexpr int FileImport = 32830;
constexpr int FileReload = 32831;
constexpr int FileAutoUpdate = 32832;
// Stops the reads in flight (Esc while the status bar shows one).
constexpr int FileCancelRead = 32833;
constexpr int FileSaveImage = 32840;  // the chart as a PNG, SVG or PDF file
// Edit
constexpr int EditCopy = 57634;  // the chart onto the clipboard
// Window
constexpr int WindowNew = 57648;
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTileHorz = 57651;
constexpr int WindowTileVert = 57652;
constexpr int WindowClose = 32845;  // the active chart window (Ctrl+W), wherever the focus is
constexpr int WindowFirstChild = 65280;  // the list of open windows, one id each
// Application
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
// Chart window
constexpr int GraphStacked = 32771;
constexpr int GraphScatter = 32772;
constexpr int GraphLine = 32773;
constexpr int SetAxis = 32775;
constexpr int SetColor = 32779;
constexpr int Region = 32780;
constexpr int SetTitle = 32781;
constexpr int SetLineAttr = 32784;
constexpr int Graph3D = 32786;
constexpr int SetView = 32788;
constexpr int RotateXPlus = 32790;
constexpr int RotateXMinus = 32791;
constexpr int RotateYPlus = 32792;
constexpr int RotateYMinus = 32793;
constexpr int Legend = 32794;
constexpr int ViewZoomIn = 32795;
constexpr int ViewZoomOut = 32796;
constexpr int RotateZMinus = 32801;
constexpr int RotateZPlus = 32802;
// The zoom history of a chart window
constexpr int ViewBack = 32841;
constexpr int ViewForward = 32842;
// The series of a 2D chart: shown, styled, on which V axis.
constexpr int SetSeries = 32847;
// The document's region on its last columns as its file grows.
constexpr int ViewFollowLatest = 32848;
}  // namespace CommandId
