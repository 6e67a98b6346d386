#pragma once
// An argv of the given strings, as main receives it.

#include <string>
#include <utility>
#include <vector>

struct Argv {
    explicit Argv(std::vector<std::string> args) : strings(std::move(args))
    {
        for (std::string& s : strings)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
    }
    int argc() const { return int(strings.size()); }
    char** argv() { return pointers.data(); }

    std::vector<std::string> strings;
    std::vector<char*> pointers;
};
