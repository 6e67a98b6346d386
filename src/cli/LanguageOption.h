#pragma once
// --lang ja|en: the language of the viewer's interface, chosen on the command
// line instead of by the user's locale. The batch commands take it too; their
// messages stay English whatever it says.

#include <optional>
#include <string>
#include <vector>

enum class UiLanguage { Japanese, English };

// The arguments with every --lang and its value taken out.
struct LanguageArguments {
    std::optional<UiLanguage> language;  // the last one given; none: the locale decides
    std::vector<char*> rest;             // argv[0] and the other arguments, then a null pointer

    int RestCount() const { return int(rest.size()) - 1; }
};

// Reads argv[1..argc-1]. False, with the cause in error, when a --lang has no
// value or one other than ja and en.
bool TakeLanguageOption(int argc, char** argv, LanguageArguments& out, std::string& error);

// Whether arg is the option itself (the next argument is its value).
bool IsLanguageOption(const char* arg);
