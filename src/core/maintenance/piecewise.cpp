#include "maintenance/piecewise.h"

namespace tovaris::maintenance {

double EvaluatePieces(std::span<const Piece> pieces, double x) {
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (x < p.upper || (p.includesUpper && x == p.upper)) {
            return p.base + (x - p.origin) * p.slope;
        }
    }
    const Piece& last = pieces.back();
    return last.base + (x - last.origin) * last.slope;
}

}  // namespace tovaris::maintenance
