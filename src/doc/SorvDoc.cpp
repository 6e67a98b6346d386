#include "doc/SorvDoc.h"

// Placeholder until the reader lands.
bool CSorvDoc::ReadFile(const std::string&, std::string& error)
{
    error = "not implemented";
    return false;
}

bool CSorvDoc::ReadText(std::string_view, std::string& error)
{
    error = "not implemented";
    return false;
}
