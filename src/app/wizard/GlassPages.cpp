// Pages 13 and 14 of the General Project Data wizard: the glass type and its shading.

#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "PageBinding.h"

namespace {

const char* const kEnglishGlass[] = {"A: 3/8, 1/8 in. Regular Sheet",
                                     "B: 1/4 in. Regular Sheet",
                                     "C: 1/4 in. Regular Plate",
                                     "D: 3/8 in. Regular Plate",
                                     "E: 1/2 in. Regular Plate",
                                     "F: 1/8 - 9/32 in. Reg Pattern",
                                     "G: 1/8 in. Heat Abs Pattern",
                                     "H: 3/8 in. Heat Abs Pattern",
                                     "I: 1/2 in. Heat Abs Pattern",
                                     "J: 7/32 in. Heat Abs Sheet",
                                     "K: 1/4 in. Heat Abs Plate",
                                     "L: 3/8 in. Heat Abs Plate",
                                     "M: 1/2 in. Heat Abs Plate",
                                     "N: 1/8 in. Grey Sheet",
                                     "O: 3/16 in. Grey Sheet",
                                     "P: 7/32 in. Grey Sheet",
                                     "Q: 1/4 in. Grey Sheet",
                                     "R: 13/64 in. Grey Plate",
                                     "S: 1/4 in. Grey Plate",
                                     "T: 3/8 in. Grey Plate",
                                     "U: 1/2 in Grey Plate",
                                     "V: 3/16, 1/4 in. Ht Abs Patrn",
                                     "W: 3/32, 1/8 in. Double, RS out, RS in",
                                     "X: 1/4 in.Double,RP out,RP in",
                                     "Y: 1/4 in. Double, HAPlt out, RP in",
                                     "Z: 1/4 in.Double,GP out,RP in",
                                     "AA: 1/4 in. Double, GP with Film out, RP in"};

const char* const kMetricGlass[] = {"A: 10, 3 mm Regular Sheet",
                                    "B: 6 mm Regular Sheet",
                                    "C: 6 mm Regular Plate",
                                    "D: 10 mm Regular Plate",
                                    "E: 13 mm Regular Plate",
                                    "F: 3 - 7 mm Reg Pattern",
                                    "G: 3 mm Heat Abs Pattern",
                                    "H: 10 mm Heat Abs Pattern",
                                    "I: 13 mm Heat Abs Pattern",
                                    "J: 6 mm Heat Abs Sheet",
                                    "K: 6 mm Heat Abs Plate",
                                    "L: 10 mm Heat Abs Plate",
                                    "M: 13 mm Heat Abs Plate",
                                    "N: 3 mm Grey Sheet",
                                    "O: 5 mm Grey Sheet",
                                    "P: 5.6 mm Grey Sheet",
                                    "Q: 6 mm Grey Sheet",
                                    "R: 5 mm Grey Plate",
                                    "S: 6 mm Grey Plate",
                                    "T: 10 mm Grey Plate",
                                    "U: 13 mm Grey Plate",
                                    "V: 5, 6 mm Heat Abs Patrn",
                                    "W: 2, 3 mm Double, RS out, RS in",
                                    "X: 6 mm Double,RP out,RP in",
                                    "Y: 6 mm Double, HAPlt out, RP in",
                                    "Z: 6 mm Double,GP out,RP in",
                                    "AA: 6 mm Double, GP with Film out, RP in"};

constexpr int kGlassTypes = 27;
static_assert(std::size(kEnglishGlass) == kGlassTypes && std::size(kMetricGlass) == kGlassTypes);

class CProjPage13 : public CColumnPage {
  public:
    explicit CProjPage13(QWidget* parent) : CColumnPage(13, parent) {
        AddHeading("GLASS - Click the Help button to see explanation of abbreviations");
        QStringList texts;
        for (const char* text : kEnglishGlass) texts << text;
        QGroupBox* box = RadioBox("Select the Glass Type Used on the Building Envelope",
                                  "m_nGlassType", texts, 3);
        m_buttons = box->findChildren<QRadioButton*>();
        std::sort(m_buttons.begin(), m_buttons.end(), [](QRadioButton* a, QRadioButton* b) {
            return a->objectName().section(':', 1).toInt() <
                   b->objectName().section(':', 1).toInt();
        });
        PageLayout()->addWidget(box);
        PageLayout()->addStretch();
    }

  protected:
    // The captions follow the input unit system, as the command's flag says.
    void LoadExtra(const CGeneralDataValues& values) override {
        const char* const* captions = values.nEnglishGlassCaptions ? kEnglishGlass : kMetricGlass;
        for (int i = 0; i < kGlassTypes && i < m_buttons.size(); ++i) {
            m_buttons[i]->setText(captions[i]);
        }
    }

  private:
    QList<QRadioButton*> m_buttons;
};

class CProjPage14 : public CColumnPage {
  public:
    explicit CProjPage14(QWidget* parent) : CColumnPage(14, parent) {
        AddHeading("GLASS CONTINUED");
        PageLayout()->addWidget(
            RadioBox("Select the Interior Shading Device for Glass Windows", "m_nInteriorShading",
                     {"1: No Interior Shading", "2: Med. Colored Venetian Blind",
                      "3: Light Colored Venetian Blind", "4: Dark Roller Shade",
                      "5: Light Colored Roller Shade", "6: Dark Colored Open Yarn",
                      "7: Dark Colored Semi-Open Yarn", "8: Dark Colored Closed Yarn",
                      "9: Medium Colored Open Yarn", "10: Medium Col Semi-Open Yarn",
                      "11: Medium Colored Closed Yarn", "12: Light Colored Open Yarn",
                      "13: Light Colored Semi-Open Yarn", "14: Light Colored Closed Yarn"},
                     2));
        PageLayout()->addWidget(
            RadioBox("Select the appropriate Shading and Room-Construction combination",
                     "m_nShadingRoomCombo",
                     {"1: Glass With Interior Shading - Any Room Construction",
                      "2: Glass Without Interior Shading - Light Room Construction",
                      "3: Glass Without Interior Shading - Medium Room Construction",
                      "4: Glass Without Interior Shading - Heavy Room Construction"},
                     1));
        PageLayout()->addStretch();
    }
};

}  // namespace

CProjPageBase* CreateProjPage13(QWidget* parent) { return new CProjPage13(parent); }
CProjPageBase* CreateProjPage14(QWidget* parent) { return new CProjPage14(parent); }
