#include "loadFigures.h"

#include <algorithm>
#include <cmath>

namespace sonarch::load {

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * double(values.size())));
    const std::size_t index = std::min(values.size() - 1, rank == 0 ? 0 : rank - 1);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index), values.end());
    return values[index];
}

}  // namespace sonarch::load
