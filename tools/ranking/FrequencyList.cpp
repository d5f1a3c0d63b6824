#include "FrequencyList.h"

#include <charconv>

namespace ranking {

FrequencyList ReadFrequencyList(std::string_view text)
{
    FrequencyList list;
    for (int number = 1; !text.empty(); ++number) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t space = line.rfind(' ');
        long long count = 0;
        std::string_view digits = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        auto [at, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
        if (space == 0 || digits.empty() || error != std::errc() || at != digits.data() + digits.size() || count < 0) {
            list.malformedLines.push_back(number);
            continue;
        }
        list.forms.push_back({number, std::string(line.substr(0, space)), count});
    }
    return list;
}

}  // namespace ranking
