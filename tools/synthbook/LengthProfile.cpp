#include "LengthProfile.h"

#include <cstdint>
#include <iterator>

namespace {

struct Knot {
    std::int64_t perMillion;  // share of the lines at or below length
    std::int64_t length;
};

// A piecewise linear quantile function of line lengths.
const Knot kKnots[] = {
    {0, 30},         {100000, 62},    {300000, 112},   {459000, 159},  {641000, 256},
    {800000, 380},   {900000, 560},   {970000, 950},   {995000, 1800}, {1000000, 3000},
};

std::int64_t LengthAt(std::int64_t perMillion)
{
    for (std::size_t k = 1; k < std::size(kKnots); ++k) {
        const Knot& low = kKnots[k - 1];
        const Knot& high = kKnots[k];
        if (perMillion <= high.perMillion)
            return low.length + (high.length - low.length) * (perMillion - low.perMillion) /
                                    (high.perMillion - low.perMillion);
    }
    return std::end(kKnots)[-1].length;
}

}  // namespace

std::vector<int> ProfileLengths(int count)
{
    std::vector<int> lengths;
    for (std::int64_t i = 0; i < count; ++i)
        lengths.push_back(static_cast<int>(LengthAt((2 * i + 1) * 1000000 / (2 * count))));
    return lengths;
}
