#pragma once

// One kind of window of one orientation: glass size, side fins, overhang, and how many windows
// of exactly this description the wall has. Lengths in ft.
class CWindo {
  public:
    int GetQuantity() const { return m_nQuantity; }
    double GetHeight() const { return m_dHeight; }
    double GetWidth() const { return m_dWidth; }
    double GetLeftFinDist() const { return m_dLeftFinDist; }
    double GetRightFinDist() const { return m_dRightFinDist; }
    double GetOverhangWidth() const { return m_dOverhangWidth; }
    double GetOverhangHeight() const { return m_dOverhangHeight; }
    double GetLeftFinWidth() const { return m_dLeftFinWidth; }
    double GetRightFinWidth() const { return m_dRightFinWidth; }

    void SetQuantity(int n) { m_nQuantity = n; }
    void SetHeight(double d) { m_dHeight = d; }
    void SetWidth(double d) { m_dWidth = d; }
    void SetLeftFinDist(double d) { m_dLeftFinDist = d; }
    void SetRightFinDist(double d) { m_dRightFinDist = d; }
    void SetOverhangWidth(double d) { m_dOverhangWidth = d; }
    void SetOverhangHeight(double d) { m_dOverhangHeight = d; }
    void SetLeftFinWidth(double d) { m_dLeftFinWidth = d; }
    void SetRightFinWidth(double d) { m_dRightFinWidth = d; }

    bool operator==(const CWindo&) const = default;

    // Zero rather than undefined, so a record filled in part never carries garbage.
    int m_nQuantity = 0;
    double m_dHeight = 0;
    double m_dWidth = 0;
    double m_dLeftFinDist = 0;
    double m_dRightFinDist = 0;
    double m_dOverhangWidth = 0;
    double m_dOverhangHeight = 0;
    double m_dLeftFinWidth = 0;
    double m_dRightFinWidth = 0;
};
