// Pages 8 to 14 of the General Project Data wizard: lights schedule, occupancy, appliances,
// power and electronic equipment, infiltration, glass and shading.

#include <QButtonGroup>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "wizard/NumEdit.h"
#include "wizard/ProjPage.h"

namespace {

using Values = CGeneralDataValues;

// The platform's message for text that is no integer at all.

const char* const kHourChoiceTexts[] = {"2 Hours",  "4 Hours",     "6 Hours",  "8 Hours",
                                        "10 Hours", "12 Hours",    "14 Hours", "16 Hours",
                                        "18 Hours", "Above 18 Hrs"};

// Number-only box: digits, nothing else, also when pasted.
class CIntEdit : public QLineEdit {
  public:
    explicit CIntEdit(QWidget* parent = nullptr) : QLineEdit(parent) {
        setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
        setAlignment(Qt::AlignRight);
        setMaximumWidth(fontMetrics().horizontalAdvance("0000000") + 12);
    }
};

// Any value of another page that its checks accept, so that only this page's fields can fail.
void MakeValid(int& n) { n = 1; }
void MakeValid(double& d) { d = 1; }
void MakeValid(std::string& s) { s.clear(); }
template <class T, size_t N>
void MakeValid(T (&values)[N]) {
    for (T& value : values) MakeValid(value);
}

Values AcceptedValues() {
    Values v;
    ForEachField(v, [](const char*, auto& field) { MakeValid(field); });
    v.m_dInsideRH = 40;  // the one range that 1 does not meet
    v.nCurrentWallGroup = 1;
    v.nCurrentBClass = 1;
    return v;
}

QString Std(const std::string& s) { return QString::fromStdString(s); }

// A page whose controls are bound to named members; the names are the ones the core's checks
// report, so a refused field maps straight to its control.
class CBoundPage : public CProjPageBase {
  public:
    CBoundPage(int page, QWidget* parent) : CProjPageBase(parent) {
        setTitle(ProjPageTitle(page));
        m_layout = new QVBoxLayout(this);
    }

    void LoadValues(const Values& values) override {
        for (const IntField& f : m_ints) f.show(f.get(values));
        for (const RealField& f : m_reals) f.edit->setText(FormatDouble(f.get(values)));
        for (const Radio& r : m_radios) SelectButton(r.group, r.get(values));
        for (const Caption& c : m_captions) c.label->setText(Std(c.get(values)));
        LoadExtra(values);
    }

    bool StoreValues(Values& values, QString& message, QWidget*& focus) override {
        // Checked in control order: the first box that is not a number or out of range wins.
        Values check = AcceptedValues();
        for (const Radio& r : m_radios) {
            const int chosen = r.group->checkedId();
            if (chosen >= 0) r.set(check, chosen);  // nothing chosen is no range fault
        }
        for (const Field& field : m_order) {
            bool ok = false;
            if (field.isInt) {
                const IntField& f = m_ints[field.index];
                int n = 0;
                ok = f.read(n);
                if (ok) f.set(check, n);
            } else {
                const RealField& f = m_reals[field.index];
                double d = 0;
                ok = ReadDouble(f.edit, d);
                if (ok) f.set(check, d);
            }
            if (!ok) {
                if (RangeFault(check, message, focus)) return false;
                message = field.isInt ? kNotAnIntegerMessage : kNotANumberMessage;
                focus = field.edit;
                return false;
            }
        }
        if (RangeFault(check, message, focus)) return false;

        for (const IntField& f : m_ints) f.set(values, f.get(check));
        for (const RealField& f : m_reals) f.set(values, f.get(check));
        for (const Radio& r : m_radios) r.set(values, r.group->checkedId());
        return true;
    }

  protected:
    virtual void LoadExtra(const Values&) {}

    QVBoxLayout* PageLayout() const { return m_layout; }

    void AddHeading(const QString& text) {
        auto* label = new QLabel(text, this);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setWordWrap(true);
        m_layout->addWidget(label);
    }

    QLabel* AddNote(const QString& text, QBoxLayout* layout) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
        return label;
    }

    CIntEdit* IntBox(const QString& name, std::function<int&(Values&)> member) {
        auto* edit = new CIntEdit(this);
        edit->setObjectName(name);
        auto read = [edit](int& n) {
            bool ok = false;
            n = edit->text().trimmed().toInt(&ok);
            return ok;
        };
        auto show = [edit](int n) { edit->setText(QString::number(n)); };
        AddInt(name, edit, read, show, std::move(member));
        return edit;
    }

    CNumEdit* RealBox(const QString& name, std::function<double&(Values&)> member) {
        auto* edit = new CNumEdit(this);
        edit->setObjectName(name);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("000000000000") + 12);
        m_order.push_back({edit, false, m_reals.size()});
        m_reals.push_back({name, edit, std::move(member)});
        return edit;
    }

    // An integer box with its spin; the arrows stay within the range, typing may leave it.
    CSpinEdit* SpinBox(const QString& name, std::function<int&(Values&)> member, int low,
                       int high) {
        auto* spin = new CSpinEdit(low, high, this);
        spin->setObjectName(name);
        spin->setMaximumWidth(spin->fontMetrics().horizontalAdvance("0000000") + 40);
        auto read = [spin](int& n) {
            n = spin->value();
            return true;  // the box holds digits only: always an integer
        };
        auto show = [spin](int n) { spin->setValue(n); };
        AddInt(name, spin, read, show, std::move(member));
        return spin;
    }

    QButtonGroup* RadioGroup(const QString& name, std::function<int&(Values&)> member,
                             const std::vector<QRadioButton*>& buttons) {
        auto* group = new QButtonGroup(this);
        for (size_t i = 0; i < buttons.size(); ++i) {
            buttons[i]->setObjectName(QString("%1:%2").arg(name).arg(i));
            group->addButton(buttons[i], static_cast<int>(i));
        }
        m_radios.push_back({group, std::move(member)});
        return group;
    }

    // A boxed radio group laid out in columns, filled column by column.
    QGroupBox* RadioBox(const QString& title, const QString& name,
                        std::function<int&(Values&)> member, const QStringList& texts,
                        int columns) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        const int rows = (static_cast<int>(texts.size()) + columns - 1) / columns;
        std::vector<QRadioButton*> buttons;
        for (int i = 0; i < texts.size(); ++i) {
            auto* button = new QRadioButton(texts[i], box);
            grid->addWidget(button, i % rows, i / rows);
            buttons.push_back(button);
        }
        RadioGroup(name, std::move(member), buttons);
        return box;
    }

    QGroupBox* HoursBox(const QString& title, const QString& name,
                        std::function<int&(Values&)> member) {
        QStringList texts;
        for (const char* text : kHourChoiceTexts) texts << text;
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        std::vector<QRadioButton*> buttons;
        for (int i = 0; i < texts.size(); ++i) {
            auto* button = new QRadioButton(texts[i], box);
            grid->addWidget(button, i / 5, i % 5);  // two rows of five, in reading order
            buttons.push_back(button);
        }
        RadioGroup(name, std::move(member), buttons);
        return box;
    }

    // "Hour when ... (1 to 24 Hr. Solar Time)" with its box and spin on one row.
    QHBoxLayout* HourRow(const QString& label, const QString& name,
                         std::function<int&(Values&)> member) {
        auto* row = new QHBoxLayout;
        auto* text = new QLabel(label, this);
        text->setWordWrap(true);
        row->addWidget(text, 1);
        row->addWidget(SpinBox(name, std::move(member), 1, 24));
        return row;
    }

    QLabel* CaptionLabel(const QString& name,
                         std::function<const std::string&(const Values&)> get) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        m_captions.push_back({label, std::move(get)});
        return label;
    }

  private:
    void AddInt(const QString& name, QWidget* edit, std::function<bool(int&)> read,
                std::function<void(int)> show, std::function<int&(Values&)> member) {
        m_order.push_back({edit, true, m_ints.size()});
        m_ints.push_back({name, edit, std::move(read), std::move(show), std::move(member)});
    }

    struct IntField {
        QString name;
        QWidget* edit;
        std::function<bool(int&)> read;
        std::function<void(int)> show;
        std::function<int&(Values&)> member;
        int get(const Values& v) const { return member(const_cast<Values&>(v)); }
        void set(Values& v, int n) const { member(v) = n; }
    };
    struct RealField {
        QString name;
        CNumEdit* edit;
        std::function<double&(Values&)> member;
        double get(const Values& v) const { return member(const_cast<Values&>(v)); }
        void set(Values& v, double d) const { member(v) = d; }
    };
    struct Field {
        QWidget* edit;
        bool isInt;
        size_t index;
    };
    struct Radio {
        QButtonGroup* group;
        std::function<int&(Values&)> member;
        int get(const Values& v) const { return member(const_cast<Values&>(v)); }
        void set(Values& v, int n) const { member(v) = n; }
    };
    struct Caption {
        QLabel* label;
        std::function<const std::string&(const Values&)> get;
    };

    static void SelectButton(QButtonGroup* group, int index) {
        if (QAbstractButton* button = group->button(index)) {
            button->setChecked(true);
            return;
        }
        // -1 (or anything else) shows no choice: an exclusive group cannot uncheck otherwise.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) button->setChecked(false);
        group->setExclusive(true);
    }

    // The core's checks on the copy; a fault names a member, which names one of our boxes.
    bool RangeFault(const Values& check, QString& message, QWidget*& focus) const {
        const InputResult result = ValidateGeneralData(check);
        if (!result) return false;
        const QString field = Std(result->strField);
        for (const IntField& f : m_ints) {
            if (f.name == field) {
                message = Std(result->strMessage);
                focus = f.edit;
                return true;
            }
        }
        for (const RealField& f : m_reals) {
            if (f.name == field) {
                message = Std(result->strMessage);
                focus = f.edit;
                return true;
            }
        }
        return false;  // another page's field: that page reports it
    }

    QVBoxLayout* m_layout;
    std::vector<IntField> m_ints;
    std::vector<RealField> m_reals;
    std::vector<Field> m_order;
    std::vector<Radio> m_radios;
    std::vector<Caption> m_captions;
};

QString Element(const char* member, int i) { return QString("%1[%2]").arg(member).arg(i); }

class CProjPage8 : public CBoundPage {
  public:
    explicit CProjPage8(QWidget* parent) : CBoundPage(8, parent) {
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
                CIntEdit* edit =
                    IntBox(Element("m_nLightSchedule", hour),
                           [hour](Values& v) -> int& { return v.m_nLightSchedule[hour]; });
                edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("0000") + 14);
                grid->addWidget(edit, half * 2 + 1, col + 1);
            }
        }
        PageLayout()->addWidget(schedule);

        auto* installed = new QGroupBox("For Lighting Installed in the Space", this);
        auto* form = new QGridLayout(installed);
        form->addWidget(new QLabel("Total Installed Watts", installed), 0, 1);
        form->addWidget(new QLabel("Fluorescent Lamps:", installed), 1, 0);
        form->addWidget(
            RealBox("m_dFluorWatts", [](Values& v) -> double& { return v.m_dFluorWatts; }), 1, 1);
        form->addWidget(new QLabel("Incandescent Lamps:", installed), 2, 0);
        form->addWidget(
            RealBox("m_dIncandWatts", [](Values& v) -> double& { return v.m_dIncandWatts; }), 2, 1);
        form->addWidget(new QLabel("Ballast Factor", installed), 3, 0);
        form->addWidget(
            RealBox("m_dBallastFactor", [](Values& v) -> double& { return v.m_dBallastFactor; }), 3,
            1);
        form->setColumnStretch(2, 1);
        PageLayout()->addWidget(installed);
        PageLayout()->addStretch();
    }
};

class CProjPage9 : public CBoundPage {
  public:
    explicit CProjPage9(QWidget* parent) : CBoundPage(9, parent) {
        AddHeading("OCCUPANCY AND VENTILATION");
        PageLayout()->addLayout(HourRow(
            "Hour when occupancy of building starts (1 to 24 Hr. Solar Time).",
            "m_nOccupancyStartHour", [](Values& v) -> int& { return v.m_nOccupancyStartHour; }));
        PageLayout()->addWidget(HoursBox("Total Hours of Occupancy", "m_nOccupancyHoursSel",
                                         [](Values& v) -> int& { return v.m_nOccupancyHoursSel; }));

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
        grid->addWidget(
            CaptionLabel("strVentCaption",
                         [](const Values& v) -> const std::string& { return v.strVentCaption; }),
            0, 2);
        for (int i = 0; i < kOccupancyCategories; ++i) {
            grid->addWidget(new QLabel(kCategories[i], people), i + 1, 0);
            grid->addWidget(IntBox(Element("m_nOccupants", i),
                                   [i](Values& v) -> int& { return v.m_nOccupants[i]; }),
                            i + 1, 1);
            grid->addWidget(RealBox(Element("m_dVentPerOccupant", i),
                                    [i](Values& v) -> double& { return v.m_dVentPerOccupant[i]; }),
                            i + 1, 2);
        }
        grid->setColumnStretch(0, 1);
        PageLayout()->addWidget(people);
        PageLayout()->addStretch();
    }
};

class CProjPage10 : public CBoundPage {
  public:
    explicit CProjPage10(QWidget* parent) : CBoundPage(10, parent) {
        auto* hooded = new QGroupBox("HOODED APPLIANCES AND LABORATORY EQUIPMENT", this);
        auto* hoodedLayout = new QVBoxLayout(hooded);
        hoodedLayout->addLayout(
            HourRow("Hour when hooded appliances are turned on (1 to 24 Hr. Solar Time)",
                    "m_nHoodedOnHour", [](Values& v) -> int& { return v.m_nHoodedOnHour; }));
        hoodedLayout->addWidget(HoursBox("Total Operational Hours of Hooded Appliances",
                                         "m_nHoodedHoursSel",
                                         [](Values& v) -> int& { return v.m_nHoodedHoursSel; }));
        auto* hoodedGrid = new QGridLayout;
        hoodedGrid->addWidget(new QLabel("Manufacturer's Input Rating", hooded), 0, 1, 1, 2);
        AddRating(
            hoodedGrid, 1, "Hooded - Electric or Steam Heated", "m_dHoodedElecBtuh",
            [](Values& v) -> double& { return v.m_dHoodedElecBtuh; }, "strHoodedElecUnit",
            [](const Values& v) -> const std::string& { return v.strHoodedElecUnit; });
        AddRating(
            hoodedGrid, 2, "Hooded - Gas Heated", "m_dHoodedGasBtuh",
            [](Values& v) -> double& { return v.m_dHoodedGasBtuh; }, "strHoodedGasUnit",
            [](const Values& v) -> const std::string& { return v.strHoodedGasUnit; });
        hoodedLayout->addLayout(hoodedGrid);
        PageLayout()->addWidget(hooded);

        auto* unhooded = new QGroupBox("UNHOODED APPLIANCES AND LABORATORY EQUIPMENT", this);
        auto* unhoodedLayout = new QVBoxLayout(unhooded);
        unhoodedLayout->addLayout(
            HourRow("Hour when unhooded appliances are turned on (1 to 24 Hr. Solar Time)",
                    "m_nUnhoodedOnHour", [](Values& v) -> int& { return v.m_nUnhoodedOnHour; }));
        unhoodedLayout->addWidget(
            HoursBox("Total Operational Hours of Unhooded Appliances", "m_nUnhoodedHoursSel",
                     [](Values& v) -> int& { return v.m_nUnhoodedHoursSel; }));
        auto* unhoodedGrid = new QGridLayout;
        AddRating(
            unhoodedGrid, 0, "Unhooded - Electric or Steam Heated", "m_dUnhoodedElecBtuh",
            [](Values& v) -> double& { return v.m_dUnhoodedElecBtuh; }, "strUnhoodedElecUnit",
            [](const Values& v) -> const std::string& { return v.strUnhoodedElecUnit; });
        AddRating(
            unhoodedGrid, 1, "Unhooded - Gas Heated", "m_dUnhoodedGasBtuh",
            [](Values& v) -> double& { return v.m_dUnhoodedGasBtuh; }, "strUnhoodedGasUnit",
            [](const Values& v) -> const std::string& { return v.strUnhoodedGasUnit; });
        unhoodedLayout->addLayout(unhoodedGrid);
        PageLayout()->addWidget(unhooded);
        PageLayout()->addStretch();
    }

  private:
    void AddRating(QGridLayout* grid, int row, const QString& label, const QString& name,
                   std::function<double&(Values&)> member, const QString& unitName,
                   std::function<const std::string&(const Values&)> unit) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(RealBox(name, std::move(member)), row, 1);
        grid->addWidget(CaptionLabel(unitName, std::move(unit)), row, 2);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance("Btu/Hr") + 8);
    }
};

class CProjPage11 : public CBoundPage {
  public:
    explicit CProjPage11(QWidget* parent) : CBoundPage(11, parent) {
        AddHeading("POWER EQUIPMENT");
        AddNote("Use weighted average motor efficiency, load factor and use factor below.",
                PageLayout());
        PageLayout()->addLayout(HourRow(
            "Hour when power equipment is turned on (1 to 24 Hr. Solar Time)",
            "m_nPowerEquipOnHour", [](Values& v) -> int& { return v.m_nPowerEquipOnHour; }));
        PageLayout()->addWidget(
            HoursBox("Total Operational Hours for Power Equipment", "m_nPowerEquipHoursSel",
                     [](Values& v) -> int& { return v.m_nPowerEquipHoursSel; }));

        // Motor in, driven in.
        {
            QGridLayout* grid =
                MotorGroup("Motor in, driven equipment in conditioned space or air stream",
                           "m_dMotorInDrivenInKW",
                           [](Values& v) -> double& { return v.m_dMotorInDrivenInKW; });
            AddPercent(
                grid, 0, 1, "Motor effifiency (%)", "m_nMotorInDrivenInEff",
                [](Values& v) -> int& { return v.m_nMotorInDrivenInEff; }, 100);
            AddPercent(
                grid, 1, 0, "Motor load factor (%)", "m_nMotorInDrivenInLoad",
                [](Values& v) -> int& { return v.m_nMotorInDrivenInLoad; }, 180);
            AddPercent(
                grid, 1, 1, "Motor use factor (%)", "m_nMotorInDrivenInUse",
                [](Values& v) -> int& { return v.m_nMotorInDrivenInUse; }, 100);
        }
        // Motor out, driven in: no efficiency, the motor's losses stay outside.
        {
            QGridLayout* grid =
                MotorGroup("Motor out, driven equipment in conditioned space or air stream",
                           "m_dMotorOutDrivenInKW",
                           [](Values& v) -> double& { return v.m_dMotorOutDrivenInKW; });
            AddPercent(
                grid, 1, 0, "Motor load factor (%)", "m_nMotorOutDrivenInLoad",
                [](Values& v) -> int& { return v.m_nMotorOutDrivenInLoad; }, 180);
            AddPercent(
                grid, 1, 1, "Motor use factor (%)", "m_nMotorOutDrivenInUse",
                [](Values& v) -> int& { return v.m_nMotorOutDrivenInUse; }, 100);
        }
        // Motor in, driven out.
        {
            QGridLayout* grid =
                MotorGroup("Motor in, driven equipment out conditioned space or air stream",
                           "m_dMotorInDrivenOutKW",
                           [](Values& v) -> double& { return v.m_dMotorInDrivenOutKW; });
            AddPercent(
                grid, 0, 1, "Motor effifiency (%)", "m_nMotorInDrivenOutEff",
                [](Values& v) -> int& { return v.m_nMotorInDrivenOutEff; }, 100);
            AddPercent(
                grid, 1, 0, "Motor load factor (%)", "m_nMotorInDrivenOutLoad",
                [](Values& v) -> int& { return v.m_nMotorInDrivenOutLoad; }, 180);
            AddPercent(
                grid, 1, 1, "Motor use factor (%)", "m_nMotorInDrivenOutUse",
                [](Values& v) -> int& { return v.m_nMotorInDrivenOutUse; }, 100);
        }
        PageLayout()->addStretch();
    }

  private:
    // A boxed motor group: two pairs of label and field per row, "Installed kW" first.
    QGridLayout* MotorGroup(const QString& title, const QString& kwName,
                            std::function<double&(Values&)> kw) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel("Installed kW", box), 0, 0);
        grid->addWidget(RealBox(kwName, std::move(kw)), 0, 1);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance("000000000000") + 40);
        PageLayout()->addWidget(box);
        return grid;
    }

    void AddPercent(QGridLayout* grid, int row, int pair, const QString& label, const QString& name,
                    std::function<int&(Values&)> member, int high) {
        grid->addWidget(new QLabel(label, this), row, pair * 2);
        grid->addWidget(SpinBox(name, std::move(member), 1, high), row, pair * 2 + 1);
    }
};

class CProjPage12 : public CBoundPage {
  public:
    explicit CProjPage12(QWidget* parent) : CBoundPage(12, parent) {
        auto* electronic = new QGroupBox("ELECTRONIC EQUIPMENT", this);
        auto* elecLayout = new QVBoxLayout(electronic);
        elecLayout->addLayout(
            HourRow("Hour when electronic equipment is turned on (1 to 24 Hr. Solar Time)",
                    "m_nElecEquipOnHour", [](Values& v) -> int& { return v.m_nElecEquipOnHour; }));
        elecLayout->addWidget(HoursBox("Total Operational Hours for Electronic Equipment",
                                       "m_nElecEquipHoursSel",
                                       [](Values& v) -> int& { return v.m_nElecEquipHoursSel; }));
        auto* elecGrid = new QGridLayout;
        elecGrid->addWidget(new QLabel("Total Electronic Equipment kW:", electronic), 0, 0);
        elecGrid->addWidget(
            RealBox("m_dElecEquipKW", [](Values& v) -> double& { return v.m_dElecEquipKW; }), 0, 1);
        elecGrid->addWidget(new QLabel("% Use Factor:", electronic), 1, 0);
        elecGrid->addWidget(SpinBox(
                                "m_nElecEquipUseFactor",
                                [](Values& v) -> int& { return v.m_nElecEquipUseFactor; }, 1, 100),
                            1, 1);
        elecGrid->setColumnStretch(2, 1);
        elecLayout->addLayout(elecGrid);
        PageLayout()->addWidget(electronic);

        auto* air = new QGroupBox("AIR INFILTRATION", this);
        auto* airLayout = new QVBoxLayout(air);
        auto* airGrid = new QGridLayout;
        airGrid->addWidget(
            new QLabel("Estimated summer infiltration rate (Air Changes per Hour)", air), 0, 0);
        airGrid->addWidget(
            RealBox("m_dInfilACHCool", [](Values& v) -> double& { return v.m_dInfilACHCool; }), 0,
            1);
        airGrid->addWidget(
            new QLabel("Estimated winter infiltration rate (Air Changes per Hour)", air), 1, 0);
        airGrid->addWidget(
            RealBox("m_dInfilACHHeat", [](Values& v) -> double& { return v.m_dInfilACHHeat; }), 1,
            1);
        airGrid->addWidget(new QLabel("Building volume:", air), 2, 0);
        airGrid->addWidget(
            RealBox("m_dBuildingVolume", [](Values& v) -> double& { return v.m_dBuildingVolume; }),
            2, 1);
        airGrid->addWidget(
            CaptionLabel("strVolumeUnit",
                         [](const Values& v) -> const std::string& { return v.strVolumeUnit; }),
            2, 2);
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

class CProjPage13 : public CBoundPage {
  public:
    explicit CProjPage13(QWidget* parent) : CBoundPage(13, parent) {
        AddHeading("GLASS - Click the Help button to see explanation of abbreviations");
        QStringList texts;
        for (const char* text : kEnglishGlass) texts << text;
        QGroupBox* box = RadioBox(
            "Select the Glass Type Used on the Building Envelope", "m_nGlassType",
            [](Values& v) -> int& { return v.m_nGlassType; }, texts, 3);
        m_buttons = box->findChildren<QRadioButton*>();
        std::sort(m_buttons.begin(), m_buttons.end(), [](QRadioButton* a, QRadioButton* b) {
            return a->objectName().section(':', 1).toInt() <
                   b->objectName().section(':', 1).toInt();
        });
        PageLayout()->addWidget(box);
        PageLayout()->addStretch();
    }

  protected:
    // The captions follow the input unit system, as the driver's flag says.
    void LoadExtra(const Values& values) override {
        const char* const* captions = values.nEnglishGlassCaptions ? kEnglishGlass : kMetricGlass;
        for (int i = 0; i < kGlassTypes && i < m_buttons.size(); ++i) {
            m_buttons[i]->setText(captions[i]);
        }
    }

  private:
    QList<QRadioButton*> m_buttons;
};

class CProjPage14 : public CBoundPage {
  public:
    explicit CProjPage14(QWidget* parent) : CBoundPage(14, parent) {
        AddHeading("GLASS CONTINUED");
        PageLayout()->addWidget(RadioBox(
            "Select the Interior Shading Device for Glass Windows", "m_nInteriorShading",
            [](Values& v) -> int& { return v.m_nInteriorShading; },
            {"1: No Interior Shading", "2: Med. Colored Venetian Blind",
             "3: Light Colored Venetian Blind", "4: Dark Roller Shade",
             "5: Light Colored Roller Shade", "6: Dark Colored Open Yarn",
             "7: Dark Colored Semi-Open Yarn", "8: Dark Colored Closed Yarn",
             "9: Medium Colored Open Yarn", "10: Medium Col Semi-Open Yarn",
             "11: Medium Colored Closed Yarn", "12: Light Colored Open Yarn",
             "13: Light Colored Semi-Open Yarn", "14: Light Colored Closed Yarn"},
            2));
        PageLayout()->addWidget(RadioBox(
            "Select the appropriate Shading and Room-Construction combination",
            "m_nShadingRoomCombo", [](Values& v) -> int& { return v.m_nShadingRoomCombo; },
            {"1: Glass With Interior Shading - Any Room Construction",
             "2: Glass Without Interior Shading - Light Room Construction",
             "3: Glass Without Interior Shading - Medium Room Construction",
             "4: Glass Without Interior Shading - Heavy Room Construction"},
            1));
        PageLayout()->addStretch();
    }
};

}  // namespace

CProjPageBase* CreateProjPage8(QWidget* parent) { return new CProjPage8(parent); }
CProjPageBase* CreateProjPage9(QWidget* parent) { return new CProjPage9(parent); }
CProjPageBase* CreateProjPage10(QWidget* parent) { return new CProjPage10(parent); }
CProjPageBase* CreateProjPage11(QWidget* parent) { return new CProjPage11(parent); }
CProjPageBase* CreateProjPage12(QWidget* parent) { return new CProjPage12(parent); }
CProjPageBase* CreateProjPage13(QWidget* parent) { return new CProjPage13(parent); }
CProjPageBase* CreateProjPage14(QWidget* parent) { return new CProjPage14(parent); }
