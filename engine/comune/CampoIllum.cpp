#include "engine/comune/CampoIllum.h"

#include <algorithm>

namespace nottaro {

void AzzeraIllum(CampoIllum& campo, int nLong, int nTrasv) {
    campo.NPtiLong = std::max(nLong, 0);
    campo.NPtiTrasv = std::max(nTrasv, 0);
    campo.Illum.assign(static_cast<std::size_t>(campo.NPtiLong) * campo.NPtiTrasv, 0.0);
}

StatisticheIllum CalcolaStatisticheIllum(const CampoIllum& campo) {
    StatisticheIllum st;
    const std::size_t n = static_cast<std::size_t>(campo.NPtiLong) * campo.NPtiTrasv;
    if (n == 0 || campo.Illum.size() < n) return st;
    st.EminCalc = 1000000;
    for (std::size_t k = 0; k < n; ++k) {
        const double e = campo.Illum[k];
        st.EmCalc += e;
        if (e < st.EminCalc) st.EminCalc = e;
        if (e > st.EmaxCalc) st.EmaxCalc = e;
    }
    st.EmCalc /= static_cast<double>(n);
    return st;
}

}  // namespace nottaro
