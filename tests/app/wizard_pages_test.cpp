// Pages 8 to 14 of the General Project Data wizard, each page on its own: what the controls
// show, what they store back, and what they refuse on leaving the page.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <type_traits>

#include "wizard/ProjPage.h"

namespace {

using PageFactory = CProjPageBase* (*)(QWidget*);

PageFactory Factory(int page) {
    static const PageFactory factories[] = {CreateProjPage8,  CreateProjPage9,  CreateProjPage10,
                                            CreateProjPage11, CreateProjPage12, CreateProjPage13,
                                            CreateProjPage14};
    return factories[page - 8];
}

std::unique_ptr<CProjPageBase> MakePage(int page) {
    return std::unique_ptr<CProjPageBase>(Factory(page)(nullptr));
}

// Every field of pages 8..14 with its own valid value, so a swapped binding shows.
CGeneralDataValues Sample() {
    CGeneralDataValues v;
    for (int h = 0; h < 24; ++h) v.m_nLightSchedule[h] = 4 * h + 3;  // 3..95
    v.m_dFluorWatts = 1234.5;
    v.m_dIncandWatts = 678.25;
    v.m_dBallastFactor = 1.125;
    v.m_nOccupancyStartHour = 7;
    v.m_nOccupancyHoursSel = 4;
    for (int i = 0; i < kOccupancyCategories; ++i) {
        v.m_nOccupants[i] = 10 + i;
        v.m_dVentPerOccupant[i] = 15.5 + i;
    }
    v.strVentCaption = "Ventil: CFM /Occup";
    v.m_nHoodedOnHour = 8;
    v.m_nHoodedHoursSel = 5;
    v.m_dHoodedElecBtuh = 3000.5;
    v.m_dHoodedGasBtuh = 4000.75;
    v.m_nUnhoodedOnHour = 9;
    v.m_nUnhoodedHoursSel = 6;
    v.m_dUnhoodedElecBtuh = 5000.25;
    v.m_dUnhoodedGasBtuh = 6000.125;
    v.m_nPowerEquipOnHour = 10;
    v.m_nPowerEquipHoursSel = 7;
    v.m_dMotorInDrivenInKW = 11.5;
    v.m_nMotorInDrivenInEff = 85;
    v.m_nMotorInDrivenInLoad = 120;
    v.m_nMotorInDrivenInUse = 60;
    v.m_dMotorOutDrivenInKW = 12.5;
    v.m_nMotorOutDrivenInLoad = 130;
    v.m_nMotorOutDrivenInUse = 61;
    v.m_dMotorInDrivenOutKW = 13.5;
    v.m_nMotorInDrivenOutEff = 86;
    v.m_nMotorInDrivenOutLoad = 140;
    v.m_nMotorInDrivenOutUse = 62;
    v.m_nElecEquipOnHour = 11;
    v.m_nElecEquipHoursSel = 8;
    v.m_dElecEquipKW = 14.75;
    v.m_nElecEquipUseFactor = 63;
    v.m_dInfilACHCool = 0.5;
    v.m_dInfilACHHeat = 0.75;
    v.m_dBuildingVolume = 25000.5;
    v.strVolumeUnit = "Cu Ft";
    v.m_nGlassType = 26;
    v.nEnglishGlassCaptions = 1;
    v.m_nInteriorShading = 13;
    v.m_nShadingRoomCombo = 3;
    return v;
}

CGeneralDataValues MetricSample() {
    CGeneralDataValues v = Sample();
    v.strVentCaption = "Ventil: L/s /Occup";
    v.strHoodedElecUnit = v.strHoodedGasUnit = "Watts";
    v.strUnhoodedElecUnit = v.strUnhoodedGasUnit = "Watts";
    v.strVolumeUnit = "Cu Meter";
    v.nEnglishGlassCaptions = 0;
    return v;
}

// Every user field as text, by member (array elements as "name[i]").
std::map<std::string, QString> Fields(CGeneralDataValues v) {
    std::map<std::string, QString> out;
    auto text = [](const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            return QString::fromStdString(value);
        } else {
            return QString::number(value, 'g', 17);
        }
    };
    ForEachField(v, [&](const char* name, auto& field) {
        using T = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_array_v<T>) {
            for (size_t i = 0; i < std::size(field); ++i) {
                out[std::string(name) + "[" + std::to_string(i) + "]"] = text(field[i]);
            }
        } else {
            out[name] = text(field);
        }
    });
    return out;
}

// The members pages 8..14 own: those from the lights schedule on.
bool OnLaterPages(const std::string& name) {
    static std::map<std::string, int> order;
    if (order.empty()) {
        CGeneralDataValues v;
        int i = 0;
        ForEachField(v, [&](const char* n, auto&) { order[n] = i++; });
    }
    const std::string base = name.substr(0, name.find('['));
    return order.at(base) >= order.at("m_nLightSchedule");
}

struct Stored {
    bool ok;
    QString message;
    QWidget* focus;
};

Stored Store(CProjPageBase& page, CGeneralDataValues& values) {
    Stored s{false, QString(), nullptr};
    s.ok = page.StoreValues(values, s.message, s.focus);
    return s;
}

void SetInt(CProjPageBase& page, const char* name, int value) {
    if (auto* spin = page.findChild<QSpinBox*>(name)) {
        spin->setValue(value);
    } else {
        auto* edit = page.findChild<QLineEdit*>(name);
        QVERIFY2(edit, name);
        edit->setText(QString::number(value));
    }
}

QWidget* Box(CProjPageBase& page, const char* name) {
    QWidget* w = page.findChild<QWidget*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
}

QString RadioText(CProjPageBase& page, const char* group, int index) {
    auto* button = page.findChild<QRadioButton*>(QString("%1:%2").arg(group).arg(index));
    return button ? button->text() : QString();
}

QString LabelText(CProjPageBase& page, const char* name) {
    auto* label = page.findChild<QLabel*>(name);
    return label ? label->text() : QString("(none)");
}

void SaveScreenshot(QWidget* w, int page) {
    const QString dir = qEnvironmentVariable("THERMAVO_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    w->resize(w->sizeHint());
    w->show();
    w->grab().save(QString("%1/page%2.png").arg(dir).arg(page));
}

}  // namespace

class WizardPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void titles() {
        for (int page = 8; page <= 14; ++page) {
            auto p = MakePage(page);
            QCOMPARE(p->title(), QString("General Project Data Input - Page %1 of 14").arg(page));
        }
    }

    // Load, store without edits: every member of pages 8..14 comes back, and nothing else of
    // the values is touched.
    void roundTripKeepsEveryField() {
        const CGeneralDataValues in = Sample();
        CGeneralDataValues out;  // pages 1..7 keep their own values
        out.m_strProjectName = "kept";
        out.m_nRoofType = 5;
        for (int page = 8; page <= 14; ++page) {
            auto p = MakePage(page);
            p->LoadValues(in);
            const Stored s = Store(*p, out);
            QVERIFY2(s.ok, qPrintable(QString("page %1: %2").arg(page).arg(s.message)));
            SaveScreenshot(p.get(), page);
        }
        const auto expected = Fields(in);
        const auto actual = Fields(out);
        int compared = 0;
        for (const auto& [name, value] : expected) {
            if (!OnLaterPages(name)) continue;
            QVERIFY2(actual.at(name) == value,
                     qPrintable(QString::fromStdString(name) + ": " + actual.at(name)));
            ++compared;
        }
        QCOMPARE(compared, 24 + 3 + 2 + 22 + 8 + 13 + 7 + 3);
        QCOMPARE(out.m_strProjectName, std::string("kept"));
        QCOMPARE(out.m_nRoofType, 5);
    }

    // Edits reach the members the controls are named after.
    void editsAreStored() {
        CGeneralDataValues values = Sample();
        auto p8 = MakePage(8);
        p8->LoadValues(values);
        SetInt(*p8, "m_nLightSchedule[23]", 100);
        qobject_cast<QLineEdit*>(Box(*p8, "m_dBallastFactor"))->setText("0.875");
        QVERIFY(Store(*p8, values).ok);
        QCOMPARE(values.m_nLightSchedule[23], 100);
        QCOMPARE(values.m_nLightSchedule[22], 91);
        QCOMPARE(values.m_dBallastFactor, 0.875);

        auto p14 = MakePage(14);
        p14->LoadValues(values);
        p14->findChild<QRadioButton*>("m_nShadingRoomCombo:1")->click();
        p14->findChild<QRadioButton*>("m_nInteriorShading:0")->click();
        QVERIFY(Store(*p14, values).ok);
        QCOMPARE(values.m_nShadingRoomCombo, 1);
        QCOMPARE(values.m_nInteriorShading, 0);
    }

    void noChoiceIsKeptAndAccepted() {
        CGeneralDataValues values = Sample();
        values.m_nGlassType = -1;
        auto p = MakePage(13);
        p->LoadValues(values);
        for (QRadioButton* b : p->findChildren<QRadioButton*>()) QVERIFY(!b->isChecked());
        values.m_nGlassType = 4;
        QVERIFY(Store(*p, values).ok);
        QCOMPARE(values.m_nGlassType, -1);
    }

    void loadFactorRange_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        for (const char* f :
             {"m_nMotorInDrivenInLoad", "m_nMotorOutDrivenInLoad", "m_nMotorInDrivenOutLoad"}) {
            QTest::addRow("%s 180", f) << QString(f) << 180 << true;
            QTest::addRow("%s 181", f) << QString(f) << 181 << false;
            QTest::addRow("%s 1", f) << QString(f) << 1 << true;
            QTest::addRow("%s 0", f) << QString(f) << 0 << false;
        }
    }
    void loadFactorRange() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(bool, accepted);
        CheckRange(11, field, value, accepted, "Please enter an integer between 1 and 180.");
    }

    void percentRange_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        const std::pair<int, const char*> fields[] = {
            {11, "m_nMotorInDrivenInEff"},  {11, "m_nMotorInDrivenOutEff"},
            {11, "m_nMotorInDrivenInUse"},  {11, "m_nMotorOutDrivenInUse"},
            {11, "m_nMotorInDrivenOutUse"}, {12, "m_nElecEquipUseFactor"}};
        for (const auto& [page, f] : fields) {
            QTest::addRow("%s 0", f) << page << QString(f) << 0 << false;
            QTest::addRow("%s 101", f) << page << QString(f) << 101 << false;
            QTest::addRow("%s 100", f) << page << QString(f) << 100 << true;
            QTest::addRow("%s 1", f) << page << QString(f) << 1 << true;
        }
    }
    void percentRange() {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(bool, accepted);
        CheckRange(page, field, value, accepted, "Please enter an integer between 1 and 100.");
    }

    void hourRange_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        const std::pair<int, const char*> fields[] = {{9, "m_nOccupancyStartHour"},
                                                      {10, "m_nHoodedOnHour"},
                                                      {10, "m_nUnhoodedOnHour"},
                                                      {11, "m_nPowerEquipOnHour"},
                                                      {12, "m_nElecEquipOnHour"}};
        for (const auto& [page, f] : fields) QTest::addRow("%s", f) << page << QString(f);
    }
    void hourRange() {
        QFETCH(int, page);
        QFETCH(QString, field);
        const char* message = "Please enter an integer between 1 and 24.";
        CheckRange(page, field, 0, false, message);
        CheckRange(page, field, 25, false, message);
        CheckRange(page, field, 24, true, message);
        CheckRange(page, field, 1, true, message);
    }

    void scheduleRange() {
        CheckRange(8, "m_nLightSchedule[3]", 101, false,
                   "Please enter an integer between 0 and 100.");
        CheckRange(8, "m_nLightSchedule[3]", 0, true, "");
        CheckRange(8, "m_nLightSchedule[23]", 100, true, "");
    }

    // The first box at fault in control order is the one reported.
    void firstFaultWins() {
        CGeneralDataValues values = Sample();
        auto p = MakePage(11);
        p->LoadValues(values);
        SetInt(*p, "m_nMotorInDrivenOutUse", 0);
        SetInt(*p, "m_nMotorInDrivenInLoad", 200);
        Stored s = Store(*p, values);
        QVERIFY(!s.ok);
        QCOMPARE(s.focus, Box(*p, "m_nMotorInDrivenInLoad"));
        QCOMPARE(s.message, QString("Please enter an integer between 1 and 180."));

        // A box that is no number, ahead of a range fault, is reported first.
        qobject_cast<QLineEdit*>(Box(*p, "m_dMotorInDrivenInKW"))->setText("1.2.3");
        s = Store(*p, values);
        QVERIFY(!s.ok);
        QCOMPARE(s.focus, Box(*p, "m_dMotorInDrivenInKW"));
        QCOMPARE(s.message, QString("Please enter a number."));
        QCOMPARE(values.m_dMotorInDrivenInKW, 11.5);  // a refused page stores nothing
    }

    void unparsableText() {
        CGeneralDataValues values = Sample();
        auto p9 = MakePage(9);
        p9->LoadValues(values);
        qobject_cast<QLineEdit*>(Box(*p9, "m_nOccupants[4]"))->clear();
        Stored s = Store(*p9, values);
        QVERIFY(!s.ok);
        QCOMPARE(s.message, QString("Please enter an integer."));
        QCOMPARE(s.focus, Box(*p9, "m_nOccupants[4]"));

        auto p12 = MakePage(12);
        p12->LoadValues(values);
        qobject_cast<QLineEdit*>(Box(*p12, "m_dBuildingVolume"))->setText(".");
        s = Store(*p12, values);
        QVERIFY(!s.ok);
        QCOMPARE(s.message, QString("Please enter a number."));
        QCOMPARE(s.focus, Box(*p12, "m_dBuildingVolume"));
    }

    void lettersDoNothingInIntegerBoxes() {
        auto p = MakePage(8);
        p->LoadValues(Sample());
        auto* edit = qobject_cast<QLineEdit*>(Box(*p, "m_nLightSchedule[0]"));
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, "4a-.x2");
        QCOMPARE(edit->text(), QString("42"));

        auto p11 = MakePage(11);
        p11->LoadValues(Sample());
        auto* spin = qobject_cast<QSpinBox*>(Box(*p11, "m_nMotorInDrivenInLoad"));
        QVERIFY(spin);
        spin->selectAll();
        QTest::keyClicks(spin, "1x-5y0");
        QCOMPARE(spin->value(), 150);
    }

    void lettersDoNothingInDecimalBoxes() {
        auto p = MakePage(9);
        p->LoadValues(Sample());
        auto* edit = qobject_cast<QLineEdit*>(Box(*p, "m_dVentPerOccupant[10]"));
        edit->clear();
        QTest::keyClicks(edit, "-1e2.5q");
        QCOMPARE(edit->text(), QString("12.5"));
    }

    // The arrows of a spin stay within its range.
    void spinArrowsStayInRange() {
        CGeneralDataValues values = Sample();
        values.m_nMotorInDrivenInLoad = 179;
        auto p = MakePage(11);
        p->LoadValues(values);
        auto* spin = qobject_cast<QSpinBox*>(Box(*p, "m_nMotorInDrivenInLoad"));
        spin->stepBy(5);
        QCOMPARE(spin->value(), 180);
    }

    void englishAndMetricCaptions() {
        auto p9 = MakePage(9);
        p9->LoadValues(Sample());
        QCOMPARE(LabelText(*p9, "strVentCaption"), QString("Ventil: CFM /Occup"));
        p9->LoadValues(MetricSample());
        QCOMPARE(LabelText(*p9, "strVentCaption"), QString("Ventil: L/s /Occup"));

        auto p13 = MakePage(13);
        p13->LoadValues(MetricSample());
        QCOMPARE(RadioText(*p13, "m_nGlassType", 0), QString("A: 10, 3 mm Regular Sheet"));
        QCOMPARE(RadioText(*p13, "m_nGlassType", 15), QString("P: 5.6 mm Grey Sheet"));
        QCOMPARE(RadioText(*p13, "m_nGlassType", 26),
                 QString("AA: 6 mm Double, GP with Film out, RP in"));
        p13->LoadValues(Sample());
        QCOMPARE(RadioText(*p13, "m_nGlassType", 0), QString("A: 3/8, 1/8 in. Regular Sheet"));
        QCOMPARE(RadioText(*p13, "m_nGlassType", 20), QString("U: 1/2 in Grey Plate"));
        QCOMPARE(RadioText(*p13, "m_nGlassType", 26),
                 QString("AA: 1/4 in. Double, GP with Film out, RP in"));
        QCOMPARE(p13->findChildren<QRadioButton*>().size(), 27);

        auto p10 = MakePage(10);
        p10->LoadValues(MetricSample());
        for (const char* unit : {"strHoodedElecUnit", "strHoodedGasUnit", "strUnhoodedElecUnit",
                                 "strUnhoodedGasUnit"}) {
            QCOMPARE(LabelText(*p10, unit), QString("Watts"));
        }
        auto p12 = MakePage(12);
        p12->LoadValues(MetricSample());
        QCOMPARE(LabelText(*p12, "strVolumeUnit"), QString("Cu Meter"));
    }

    // The hooded and unhooded groups put their rating boxes and units under each other, with
    // either unit system and at any width the page is given.
    void page10RatingColumnsLineUp() {
        for (const bool metric : {false, true}) {
            auto p = MakePage(10);
            p->LoadValues(metric ? MetricSample() : Sample());
            for (const int width : {0, 1200}) {
                p->resize(p->sizeHint().expandedTo(QSize(width, 0)));
                p->show();
                QApplication::processEvents();
                auto left = [&](const char* name) {
                    return Box(*p, name)->mapTo(p.get(), QPoint()).x();
                };
                QCOMPARE(left("m_dUnhoodedElecBtuh"), left("m_dHoodedElecBtuh"));
                QCOMPARE(left("m_dUnhoodedGasBtuh"), left("m_dHoodedElecBtuh"));
                QCOMPARE(left("m_dHoodedGasBtuh"), left("m_dHoodedElecBtuh"));
                QCOMPARE(Box(*p, "m_dUnhoodedElecBtuh")->width(),
                         Box(*p, "m_dHoodedElecBtuh")->width());
                QCOMPARE(left("strUnhoodedElecUnit"), left("strHoodedElecUnit"));
                QCOMPARE(left("strUnhoodedGasUnit"), left("strHoodedElecUnit"));
                // The unit stays next to its box.
                QVERIFY(left("strHoodedElecUnit") - left("m_dHoodedElecBtuh") -
                            Box(*p, "m_dHoodedElecBtuh")->width() <=
                        12);
            }
        }
    }

    void radioTexts() {
        auto p9 = MakePage(9);
        QCOMPARE(RadioText(*p9, "m_nOccupancyHoursSel", 0), QString("2 Hours"));
        QCOMPARE(RadioText(*p9, "m_nOccupancyHoursSel", 9), QString("Above 18 Hrs"));
        auto p14 = MakePage(14);
        QCOMPARE(p14->findChildren<QRadioButton*>().size(), 18);
        QCOMPARE(RadioText(*p14, "m_nInteriorShading", 9),
                 QString("10: Medium Col Semi-Open Yarn"));
        QCOMPARE(RadioText(*p14, "m_nShadingRoomCombo", 3),
                 QString("4: Glass Without Interior Shading - Heavy Room Construction"));
        // The motor-out group has no efficiency box.
        auto p11 = MakePage(11);
        QVERIFY(!p11->findChild<QWidget*>("m_nMotorOutDrivenInEff"));
    }

  private:
    static void CheckRange(int page, const QString& field, int value, bool accepted,
                           const char* message) {
        CGeneralDataValues values = Sample();
        auto p = MakePage(page);
        p->LoadValues(values);
        SetInt(*p, qPrintable(field), value);
        const Stored s = Store(*p, values);
        QCOMPARE(s.ok, accepted);
        if (accepted) {
            QCOMPARE(Fields(values).at(field.toStdString()), QString::number(value));
        } else {
            QCOMPARE(s.message, QString(message));
            QCOMPARE(s.focus, Box(*p, qPrintable(field)));
        }
    }
};

QTEST_MAIN(WizardPagesTest)
#include "wizard_pages_test.moc"
