#include "document/QuarnDoc.h"

int CQuarnDoc::GetTotalOccupants() const {
    int total = 0;
    for (int n : m_nOccupants) total += n;
    return total;
}

int CQuarnDoc::IsCitySelected() {
    m_bCitySelected = m_nCityIndex != 0 ? 1 : 0;
    return m_bCitySelected;
}
