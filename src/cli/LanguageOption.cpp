#include "cli/LanguageOption.h"

#include <cstring>

bool IsLanguageOption(const char* arg)
{
    return !std::strcmp(arg, "--lang");
}

bool TakeLanguageOption(int argc, char** argv, LanguageArguments& out, std::string& error)
{
    out = {};
    out.rest.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (!IsLanguageOption(argv[i])) {
            out.rest.push_back(argv[i]);
            continue;
        }
        if (i + 1 >= argc) {
            error = "--lang: a value is missing";
            return false;
        }
        const std::string value = argv[++i];
        if (value == "ja") {
            out.language = UiLanguage::Japanese;
        } else if (value == "en") {
            out.language = UiLanguage::English;
        } else {
            error = "--lang " + value + ": expected ja or en";
            return false;
        }
    }
    out.rest.push_back(nullptr);
    return true;
}
