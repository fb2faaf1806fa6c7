#include "document/QuarnDoc.h"

long long CQuarnDoc::GetTotalOccupants() const {
    // In 64 bits: eleven counts of any int value cannot overflow it.
    long long total = 0;
    for (int n : m_nOccupants) total += n;
    return total;
}

int CQuarnDoc::IsCitySelected() {
    m_bCitySelected = m_nCityIndex != 0 ? 1 : 0;
    return m_bCitySelected;
}
