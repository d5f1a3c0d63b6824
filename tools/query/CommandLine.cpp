#include "CommandLine.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

enum class Option { Book, Raw, Help };

struct OptionSpec {
    std::string_view name;
    Option option;
    const char* value;  // the value's name, or nullptr for a switch
};

const OptionSpec kOptions[] = {
    {"--book", Option::Book, "FILE"},
    {"--raw", Option::Raw, nullptr},
    {"--help", Option::Help, nullptr},
    {"-h", Option::Help, nullptr},
};

struct ModeSpec {
    std::string_view word;
    Mode mode;
    const char* operand;  // the operand's name, or nullptr when the mode takes none
};

const ModeSpec kModes[] = {
    {"check", Mode::Check, nullptr},
    {"prefix", Mode::Prefix, "TEXT"},
    {"exact", Mode::Exact, "WORD"},
    {"read", Mode::Read, nullptr},
};

const OptionSpec* FindOption(std::string_view name)
{
    auto it = std::find_if(std::begin(kOptions), std::end(kOptions),
                           [&](const OptionSpec& row) { return row.name == name; });
    return it == std::end(kOptions) ? nullptr : it;
}

const ModeSpec* FindMode(std::string_view word)
{
    auto it = std::find_if(std::begin(kModes), std::end(kModes),
                           [&](const ModeSpec& row) { return row.word == word; });
    return it == std::end(kModes) ? nullptr : it;
}

ParsedCommandLine Error(std::string error)
{
    ParsedCommandLine parsed;
    parsed.error = std::move(error);
    return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    Invocation& invocation = parsed.invocation;
    std::vector<Option> seen;
    std::size_t i = 0;
    for (; i < args.size() && !args[i].empty() && args[i][0] == '-'; ++i) {
        const OptionSpec* row = FindOption(args[i]);
        if (!row)
            return Error("unknown option " + args[i]);
        if (std::find(seen.begin(), seen.end(), row->option) != seen.end())
            return Error(args[i] + " is given twice");
        seen.push_back(row->option);
        if (row->value && i + 1 == args.size())
            return Error(std::string(row->name) + " needs " + row->value);
        switch (row->option) {
        case Option::Book: invocation.bookPath = args[++i]; break;
        case Option::Raw: invocation.raw = true; break;
        case Option::Help: invocation.mode = Mode::Help; parsed.ok = true; return parsed;
        }
    }

    if (i == args.size())
        return Error("no mode given: check, prefix, exact or read");
    const ModeSpec* mode = FindMode(args[i++]);
    if (!mode)
        return Error("unknown mode " + args[i - 1] + ": check, prefix, exact or read");
    invocation.mode = mode->mode;

    std::size_t operands = mode->operand ? 1 : 0;
    if (args.size() - i < operands)
        return Error(std::string(mode->word) + " needs " + mode->operand);
    if (args.size() - i > operands)
        return Error("unexpected argument " + args[i + operands]);
    if (mode->operand)
        invocation.operand = args[i];
    else if (invocation.raw)
        return Error("--raw applies to prefix and exact only");
    parsed.ok = true;
    return parsed;
}
