#pragma once

#include <optional>
#include <string>
#include <vector>

enum class Mode { Help, Check, Prefix, Exact, Read };

struct Invocation {
    Mode mode = Mode::Help;
    std::optional<std::string> bookPath;  // absent: the book built into the program
    bool raw = false;                     // operand and result as Windows-1256 bytes
    std::string operand;                  // TEXT of prefix, WORD of exact
};

struct ParsedCommandLine {
    bool ok = false;
    Invocation invocation;
    std::string error;  // one line, when not ok
};

// Options, then the mode word, then the mode's operand, taken as it is even
// when it begins with "-". args leaves out the program's name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string HelpText();
