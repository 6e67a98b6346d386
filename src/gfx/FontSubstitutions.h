#pragma once
// The font faces the program asks for, mapped to fonts of this system.

// Maps the Japanese face names the charts and dialogs ask for ("ＭＳ ゴシック",
// "ＭＳ Ｐゴシック") to the IPA fonts, which have the same metrics. Call once
// after the application object exists.
void InstallFontSubstitutions();
