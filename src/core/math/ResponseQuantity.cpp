#include "math/ResponseQuantity.h"

#include <algorithm>
#include <cmath>

namespace tapwright {

double PlotValue(ResponseQuantity quantity, double response, double minResponseDb) {
    if (quantity == ResponseQuantity::Phase) {
        return response;
    }
    const double db = response > 0.0 ? 10.0 * std::log10(response) : minResponseDb;
    return std::max(db, minResponseDb);
}

}  // namespace tapwright
