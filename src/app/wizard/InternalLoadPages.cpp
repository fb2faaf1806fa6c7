// Pages 7 to 12 of the General Project Data wizard, the internal loads: lights, occupancy and
// ventilation, appliances, power and electronic equipment, and infiltration.

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "AppStrings.h"
#include "NumEdit.h"
#include "PageBinding.h"

namespace {

class CProjPage7 : public CBoundPage {
  public:
    explicit CProjPage7(QWidget* parent)
        : CBoundPage(parent),
          m_pHours(RadioColumn(this, "Number of hours per day for which lights are on",
                               {"Eight Hours", "Ten Hours", "Twelve Hours", "Fourteen Hours",
                                "Sixteen Hours", "Greater than Sixteen Hours"},
                               "lightHoursSel", m_pHoursGroup)),
          m_pAClass(RadioColumn(
              this, "'a' Classification: Light Fixture and Ventilation Arrangements",
              {"0.45 - Recessed lights, not vented, air < 0.5 cfm/sq ft, diffusers below ceiling",
               "0.55 - Recesd lgts, not vented, air >= 0.5 cfm/sq ft, difrs below/thru ceiling",
               "0.65 - Vented, air >= 0.5 cfm/sq ft thru ceiling or wall, return air thru "
               "ceiling",
               "0.75 - Vented or free hanging, supply air thru ceiling or wall, return air "
               "ducted"},
              "aClass", m_pAClassGroup)),
          m_tree(this, "bClassTree", FillBClassTree) {
        auto* layout = new QVBoxLayout(this);
        auto* heading = new QLabel("LIGHTS", this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        auto* hourRow = new QHBoxLayout;
        auto* onHour = new CSpinEdit(1, 24, this);
        onHour->setObjectName("lightOnHour");
        onHour->setMinimumWidth(70);
        auto* hourLabel =
            new QLabel("Hour when lights are turned on (1 to 24 Hr. Solar Time).", this);
        hourLabel->setBuddy(onHour);
        hourRow->addWidget(hourLabel);
        hourRow->addWidget(onHour);
        hourRow->addStretch();
        layout->addLayout(hourRow);
        auto* radios = new QHBoxLayout;
        radios->addWidget(m_pHours);
        radios->addWidget(m_pAClass, 1);
        layout->addLayout(radios);
        layout->addWidget(
            new QLabel("Please select the 'b' Classification (A to D) of the room", this));
        m_tree.Widget()->setMinimumHeight(120);
        layout->addWidget(m_tree.Widget(), 1);
        m_pCaption = WrappedLabel({}, this, "bClassCaption");
        layout->addWidget(m_pCaption);

        BindSpin(onHour, "m_nLightOnHour");
        BindChoice(m_pHoursGroup, "m_nLightHoursSel");
        BindChoice(m_pAClassGroup, "m_nAClass");
        BindChecked(m_tree.Widget(), "m_nBClass");
    }

  protected:
    void LoadExtra(const CGeneralDataValues& v) override {
        m_tree.Load();
        m_pCaption->setText(ToQString(v.strBClassCaption));
    }
    void StoreExtra(CGeneralDataValues& v) override {
        const TreeSelection& s = m_tree.Selection();
        v.m_nBClass = s.nCode;
        if (s.nCode != 0) {
            v.m_strBClass1 = s.strLeaf;
            v.m_strBClass2 = s.strParent;
            v.m_strBClass3 = s.strGrandparent;
        }
    }

  private:
    // Created in this order, which is also the order Tab visits them.
    QButtonGroup* m_pHoursGroup = nullptr;
    QButtonGroup* m_pAClassGroup = nullptr;
    QGroupBox* m_pHours;
    QGroupBox* m_pAClass;
    CChoiceTree m_tree;
    QLabel* m_pCaption;
};

class CProjPage8 : public CColumnPage {
  public:
    explicit CProjPage8(QWidget* parent) : CColumnPage(8, parent) {
        AddHeading("LIGHTS CONTINUED");
        auto* schedule = new QGroupBox("Please fill out the lighting load schedule below", this);
        auto* grid = new QGridLayout(schedule);
        grid->setHorizontalSpacing(4);
        // Two rows of twelve hours, each hour caption above its box.
        for (int half = 0; half < 2; ++half) {
            grid->addWidget(new QLabel("% Light On:", schedule), half * 2 + 1, 0);
            for (int col = 0; col < 12; ++col) {
                const int hour = half * 12 + col;  // 0-based element
                auto* caption = new QLabel(QString("%1:00").arg(hour + 1), schedule);
                caption->setAlignment(Qt::AlignCenter);
                grid->addWidget(caption, half * 2, col + 1);
                CIntEdit* edit = IntBox("m_nLightSchedule", hour);
                edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("0000") + 14);
                grid->addWidget(edit, half * 2 + 1, col + 1);
            }
        }
        PageLayout()->addWidget(schedule);

        auto* installed = new QGroupBox("For Lighting Installed in the Space", this);
        auto* form = new QGridLayout(installed);
        form->addWidget(new QLabel("Total Installed Watts", installed), 0, 1);
        form->addWidget(new QLabel("Fluorescent Lamps:", installed), 1, 0);
        form->addWidget(RealBox("m_dFluorWatts"), 1, 1);
        form->addWidget(new QLabel("Incandescent Lamps:", installed), 2, 0);
        form->addWidget(RealBox("m_dIncandWatts"), 2, 1);
        form->addWidget(new QLabel("Ballast Factor", installed), 3, 0);
        form->addWidget(RealBox("m_dBallastFactor"), 3, 1);
        form->setColumnStretch(2, 1);
        PageLayout()->addWidget(installed);
        PageLayout()->addStretch();
    }
};

class CProjPage9 : public CColumnPage {
  public:
    explicit CProjPage9(QWidget* parent) : CColumnPage(9, parent) {
        AddHeading("OCCUPANCY AND VENTILATION");
        PageLayout()->addLayout(
            HourRow("Hour when occupancy of building starts (1 to 24 Hr. Solar Time).",
                    "m_nOccupancyStartHour"));
        PageLayout()->addWidget(HoursBox("Total Hours of Occupancy", "m_nOccupancyHoursSel"));

        static const char* const kCategories[kOccupancyCategories] = {
            "Seated at rest - Theater, movie",  "Very light work - Office, hotel, apartment",
            "Seated, eating - Restaurant",      "Light work - Office, hotel, apartment",
            "Light work - Retail store, bank",  "Light bench work - Factory",
            "Light machine work - Factory",     "Bowling - Bowling alley",
            "Moderate dancing - Dance hall",    "Heavy machine work - Factory",
            "Heavy work, athletics - Gymnasium"};
        auto* people = new QGroupBox(this);
        auto* grid = new QGridLayout(people);
        grid->setVerticalSpacing(2);
        grid->addWidget(new QLabel("Number of Occup", people), 0, 1);
        grid->addWidget(CaptionLabel("strVentCaption", &CGeneralDataValues::strVentCaption), 0, 2);
        for (int i = 0; i < kOccupancyCategories; ++i) {
            grid->addWidget(new QLabel(kCategories[i], people), i + 1, 0);
            grid->addWidget(IntBox("m_nOccupants", i), i + 1, 1);
            grid->addWidget(RealBox("m_dVentPerOccupant", i), i + 1, 2);
        }
        grid->setColumnStretch(0, 1);
        PageLayout()->addWidget(people);
        PageLayout()->addStretch();
    }
};

class CProjPage10 : public CColumnPage {
  public:
    explicit CProjPage10(QWidget* parent) : CColumnPage(10, parent) {
        auto* hooded = new QGroupBox("HOODED APPLIANCES AND LABORATORY EQUIPMENT", this);
        auto* hoodedLayout = new QVBoxLayout(hooded);
        hoodedLayout->addLayout(
            HourRow("Hour when hooded appliances are turned on (1 to 24 Hr. Solar Time)",
                    "m_nHoodedOnHour"));
        hoodedLayout->addWidget(
            HoursBox("Total Operational Hours of Hooded Appliances", "m_nHoodedHoursSel"));
        QGridLayout* hoodedGrid = RatingGrid();
        auto* heading = new QLabel("Manufacturer's Input Rating", hooded);
        hoodedGrid->addWidget(heading, 0, 1, 1, 2);
        AddRating(hoodedGrid, 1, "Hooded - Electric or Steam Heated", "m_dHoodedElecBtuh",
                  "strHoodedElecUnit", &CGeneralDataValues::strHoodedElecUnit);
        AddRating(hoodedGrid, 2, "Hooded - Gas Heated", "m_dHoodedGasBtuh", "strHoodedGasUnit",
                  &CGeneralDataValues::strHoodedGasUnit);
        hoodedLayout->addLayout(hoodedGrid);
        PageLayout()->addWidget(hooded);

        auto* unhooded = new QGroupBox("UNHOODED APPLIANCES AND LABORATORY EQUIPMENT", this);
        auto* unhoodedLayout = new QVBoxLayout(unhooded);
        unhoodedLayout->addLayout(
            HourRow("Hour when unhooded appliances are turned on (1 to 24 Hr. Solar Time)",
                    "m_nUnhoodedOnHour"));
        unhoodedLayout->addWidget(
            HoursBox("Total Operational Hours of Unhooded Appliances", "m_nUnhoodedHoursSel"));
        QGridLayout* unhoodedGrid = RatingGrid();
        AddRating(unhoodedGrid, 0, "Unhooded - Electric or Steam Heated", "m_dUnhoodedElecBtuh",
                  "strUnhoodedElecUnit", &CGeneralDataValues::strUnhoodedElecUnit);
        AddRating(unhoodedGrid, 1, "Unhooded - Gas Heated", "m_dUnhoodedGasBtuh",
                  "strUnhoodedGasUnit", &CGeneralDataValues::strUnhoodedGasUnit);
        unhoodedLayout->addLayout(unhoodedGrid);
        AlignRatingColumns({hoodedGrid, unhoodedGrid}, heading);
        PageLayout()->addWidget(unhooded);
        PageLayout()->addStretch();
    }

  private:
    static constexpr int kRatingSpacing = 6;

    static QGridLayout* RatingGrid() {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(kRatingSpacing);
        grid->setColumnStretch(0, 1);
        return grid;
    }

    void AddRating(QGridLayout* grid, int row, const QString& label, const char* field,
                   const QString& unitName, std::string CGeneralDataValues::*unit) {
        grid->addWidget(new QLabel(label, this), row, 0);
        CNumEdit* edit = RealBox(field);
        m_nRatingBoxWidth = edit->maximumWidth();
        grid->addWidget(edit, row, 1);
        grid->addWidget(CaptionLabel(unitName, unit), row, 2);
    }

    // The two groups are as wide as each other: the same box and unit columns put their boxes
    // under each other. The unit column takes what the heading over box and unit needs beyond
    // the box, so the heading never widens the box column of one group only.
    void AlignRatingColumns(std::initializer_list<QGridLayout*> grids, const QLabel* heading) {
        const int unit = std::max(fontMetrics().horizontalAdvance("Btu/Hr") + 8,
                                  heading->sizeHint().width() - m_nRatingBoxWidth - kRatingSpacing);
        for (QGridLayout* grid : grids) {
            grid->setColumnMinimumWidth(1, m_nRatingBoxWidth);
            grid->setColumnMinimumWidth(2, unit);
        }
    }

    int m_nRatingBoxWidth = 0;
};

class CProjPage11 : public CColumnPage {
  public:
    explicit CProjPage11(QWidget* parent) : CColumnPage(11, parent) {
        AddHeading("POWER EQUIPMENT");
        AddNote("Use weighted average motor efficiency, load factor and use factor below.",
                PageLayout());
        PageLayout()->addLayout(
            HourRow("Hour when power equipment is turned on (1 to 24 Hr. Solar Time)",
                    "m_nPowerEquipOnHour"));
        PageLayout()->addWidget(
            HoursBox("Total Operational Hours for Power Equipment", "m_nPowerEquipHoursSel"));

        QGridLayout* grid =
            MotorGroup("Motor in, driven equipment in conditioned space or air stream",
                       "m_dMotorInDrivenInKW");
        AddPercent(grid, 0, 1, "Motor effifiency (%)", "m_nMotorInDrivenInEff", 100);
        AddPercent(grid, 1, 0, "Motor load factor (%)", "m_nMotorInDrivenInLoad", 180);
        AddPercent(grid, 1, 1, "Motor use factor (%)", "m_nMotorInDrivenInUse", 100);
        // Motor out, driven in: no efficiency, the motor's losses stay outside.
        grid = MotorGroup("Motor out, driven equipment in conditioned space or air stream",
                          "m_dMotorOutDrivenInKW");
        AddPercent(grid, 1, 0, "Motor load factor (%)", "m_nMotorOutDrivenInLoad", 180);
        AddPercent(grid, 1, 1, "Motor use factor (%)", "m_nMotorOutDrivenInUse", 100);
        grid = MotorGroup("Motor in, driven equipment out conditioned space or air stream",
                          "m_dMotorInDrivenOutKW");
        AddPercent(grid, 0, 1, "Motor effifiency (%)", "m_nMotorInDrivenOutEff", 100);
        AddPercent(grid, 1, 0, "Motor load factor (%)", "m_nMotorInDrivenOutLoad", 180);
        AddPercent(grid, 1, 1, "Motor use factor (%)", "m_nMotorInDrivenOutUse", 100);
        PageLayout()->addStretch();
    }

  private:
    // A boxed motor group: two pairs of label and field per row, "Installed kW" first.
    QGridLayout* MotorGroup(const QString& title, const char* kwField) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel("Installed kW", box), 0, 0);
        grid->addWidget(RealBox(kwField), 0, 1);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance("000000000000") + 40);
        PageLayout()->addWidget(box);
        return grid;
    }

    void AddPercent(QGridLayout* grid, int row, int pair, const QString& label, const char* field,
                    int high) {
        grid->addWidget(new QLabel(label, this), row, pair * 2);
        grid->addWidget(SpinBox(field, 1, high), row, pair * 2 + 1);
    }
};

class CProjPage12 : public CColumnPage {
  public:
    explicit CProjPage12(QWidget* parent) : CColumnPage(12, parent) {
        auto* electronic = new QGroupBox("ELECTRONIC EQUIPMENT", this);
        auto* elecLayout = new QVBoxLayout(electronic);
        elecLayout->addLayout(
            HourRow("Hour when electronic equipment is turned on (1 to 24 Hr. Solar Time)",
                    "m_nElecEquipOnHour"));
        elecLayout->addWidget(
            HoursBox("Total Operational Hours for Electronic Equipment", "m_nElecEquipHoursSel"));
        auto* elecGrid = new QGridLayout;
        elecGrid->addWidget(new QLabel("Total Electronic Equipment kW:", electronic), 0, 0);
        elecGrid->addWidget(RealBox("m_dElecEquipKW"), 0, 1);
        elecGrid->addWidget(new QLabel("% Use Factor:", electronic), 1, 0);
        elecGrid->addWidget(SpinBox("m_nElecEquipUseFactor", 1, 100), 1, 1);
        elecGrid->setColumnStretch(2, 1);
        elecLayout->addLayout(elecGrid);
        PageLayout()->addWidget(electronic);

        auto* air = new QGroupBox("AIR INFILTRATION", this);
        auto* airLayout = new QVBoxLayout(air);
        auto* airGrid = new QGridLayout;
        airGrid->addWidget(
            new QLabel("Estimated summer infiltration rate (Air Changes per Hour)", air), 0, 0);
        airGrid->addWidget(RealBox("m_dInfilACHCool"), 0, 1);
        airGrid->addWidget(
            new QLabel("Estimated winter infiltration rate (Air Changes per Hour)", air), 1, 0);
        airGrid->addWidget(RealBox("m_dInfilACHHeat"), 1, 1);
        airGrid->addWidget(new QLabel("Building volume:", air), 2, 0);
        airGrid->addWidget(RealBox("m_dBuildingVolume"), 2, 1);
        airGrid->addWidget(CaptionLabel("strVolumeUnit", &CGeneralDataValues::strVolumeUnit), 2, 2);
        airGrid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance("Cu Meter") + 8);
        airGrid->setColumnStretch(0, 1);
        airLayout->addLayout(airGrid);
        AddNote(
            "Note: If the building is pressurized enough by ventilation air to offset "
            "infiltration, enter zero air change per hour infiltration rate.",
            airLayout);
        PageLayout()->addWidget(air);
        PageLayout()->addStretch();
    }
};

}  // namespace

CProjPageBase* CreateProjPage7(QWidget* parent) { return new CProjPage7(parent); }
CProjPageBase* CreateProjPage8(QWidget* parent) { return new CProjPage8(parent); }
CProjPageBase* CreateProjPage9(QWidget* parent) { return new CProjPage9(parent); }
CProjPageBase* CreateProjPage10(QWidget* parent) { return new CProjPage10(parent); }
CProjPageBase* CreateProjPage11(QWidget* parent) { return new CProjPage11(parent); }
CProjPageBase* CreateProjPage12(QWidget* parent) { return new CProjPage12(parent); }
