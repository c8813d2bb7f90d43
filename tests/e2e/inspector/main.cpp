// The inspector: a console program of the end-to-end tests, run in the program's Wine prefix.
// With arguments it runs them as one command; without, it answers one command per line of
// standard input, one JSON line each, until "quit" or the end of input (so a held hotkey stays
// held between commands).
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "inspector/commands.h"

namespace {

bool answer(const std::vector<std::string>& words) {
    inspector::Json json;
    const bool more = inspector::runCommand(words, json);
    std::fputs(json.str().c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return more;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        answer(std::vector<std::string>(argv + 1, argv + argc));
        return 0;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, stdin)) {
        std::istringstream split(line);
        std::vector<std::string> words;
        for (std::string word; split >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (!answer(words)) break;
    }
    return 0;
}
