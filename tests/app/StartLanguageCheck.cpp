// Started by ctest in a given locale: the viewer's start-up chooses the
// language of the menus and of the toolkit's buttons as the user expects.
//   app_start_language EXPECTED_FILE_MENU EXPECTED_CANCEL [VIEWER ARGUMENTS ...]

#include "app/MainFrame.h"
#include "app/SorvApp.h"
#include "app/Translations.h"
#include "cli/LanguageOption.h"

#include <QApplication>
#include <QLocale>
#include <QMenuBar>

#include <cstdio>
#include <string>

namespace {

bool Expect(const char* what, const QString& shown, const char* expected)
{
    if (shown == QString::fromUtf8(expected))
        return true;
    std::fprintf(stderr, "%s: \"%s\", expected \"%s\"\n", what, qPrintable(shown), expected);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const char* fileMenu = argv[1];
    const char* cancel = argv[2];
    argv[2] = argv[0];  // the viewer's own arguments follow
    LanguageArguments args;
    std::string error;
    if (!TakeLanguageOption(argc - 2, argv + 2, args, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    int count = args.RestCount();
    QApplication app(count, args.rest.data());
    const CTranslations translations(args.language, QLocale::system());
    CSorvApp viewer;
    viewer.InitInstance({});
    const bool menu = Expect("File menu", viewer.GetMainFrame()->menuBar()->actions().value(0)->text(), fileMenu);
    const bool toolkit = Expect("Cancel button", QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    return menu && toolkit ? 0 : 1;
}
