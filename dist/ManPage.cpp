// Writes the manual page: the template with the options of the command line's
// tables put in at its lines `.\" options: export` and `.\" options: reading`,
// each option with its text from the file of option texts.
//
//     sorv-manpage TEMPLATE TEXTS OUTPUT
//
// An option without a text is listed with its value and range alone (and a
// warning); a text of an option that no table has any more fails the page.

#include "cli/BatchOptions.h"
#include "cli/ReadArguments.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Texts = std::map<std::string, std::string>;

bool Fail(const std::string& message)
{
    std::fprintf(stderr, "sorv-manpage: %s\n", message.c_str());
    return false;
}

// A line that is an option's name begins its text; "#" lines are comments and
// blank lines only part the texts.
bool ReadTexts(const char* path, Texts& texts)
{
    std::ifstream in(path);
    if (!in)
        return Fail(std::string(path) + ": cannot be read");
    std::string line;
    std::string name;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.starts_with("--")) {
            if (texts.contains(line))
                return Fail(std::string(path) + ": " + line + " has two texts");
            name = line;
            texts[name];
        } else if (name.empty()) {
            return Fail(std::string(path) + ": text before the first option name");
        } else {
            texts[name] += line + '\n';
        }
    }
    return true;
}

// Names and forms are typed as shown: a roff minus sign for each '-'.
std::string Literal(const char* text)
{
    std::string out;
    for (const char* p = text; *p; ++p)
        out += *p == '-' ? "\\-" : *p == '\\' ? "\\e" : std::string(1, *p);
    return out;
}

void WriteOptions(std::ostream& out, const std::vector<OptionSummary>& options, Texts& texts)
{
    for (const OptionSummary& o : options) {
        out << ".TP\n\\fB" << Literal(o.name) << "\\fR";
        if (o.form)
            out << " \\fI" << Literal(o.form) << "\\fR";
        if (o.note)
            out << " (" << o.note << ")";
        out << '\n';
        const auto text = texts.find(o.name);
        if (text == texts.end()) {
            std::fprintf(stderr, "sorv-manpage: warning: %s has no text in the manual page\n", o.name);
            continue;
        }
        out << text->second;
        texts.erase(text);
    }
}

bool WritePage(const char* templatePath, Texts& texts, std::ostream& out)
{
    std::ifstream in(templatePath);
    if (!in)
        return Fail(std::string(templatePath) + ": cannot be read");
    std::string line;
    while (std::getline(in, line)) {
        if (line == ".\\\" options: export")
            WriteOptions(out, ExportOptionSummaries(), texts);
        else if (line == ".\\\" options: reading")
            WriteOptions(out, ReadOptionSummaries(), texts);
        else
            out << line << '\n';
    }
    for (const auto& [name, text] : texts)
        Fail(name + " has a text in the manual page but is no option");
    return texts.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        Fail("usage: sorv-manpage TEMPLATE TEXTS OUTPUT");
        return 2;
    }
    Texts texts;
    std::ostringstream page;
    if (!ReadTexts(argv[2], texts) || !WritePage(argv[1], texts, page))
        return 1;
    std::ofstream out(argv[3]);
    out << page.str();
    out.close();
    if (!out) {
        Fail(std::string(argv[3]) + ": cannot be written");
        return 1;
    }
    return 0;
}
