// Driven by the General Project Data field table: on every page, every numeric field typed out
// of its range is refused by that page, with the command's message, focusing the field's own
// box, while the fields of every page hold values their checks accept.

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <map>
#include <memory>
#include <string>

#include "input/FieldLimits.h"
#include "wizard/ProjPage.h"

namespace {

using PageFactory = CProjPageBase* (*)(QWidget*);
constexpr PageFactory kFactories[] = {
    CreateProjPage1,  CreateProjPage2,  CreateProjPage3,  CreateProjPage4, CreateProjPage5,
    CreateProjPage6,  CreateProjPage7,  CreateProjPage8,  CreateProjPage9, CreateProjPage10,
    CreateProjPage11, CreateProjPage12, CreateProjPage13, CreateProjPage14};

// The boxes of the first pages have their own names; the later pages' are the fields'.
QString BoxName(const std::string& field) {
    static const std::map<std::string, QString> kNames = {{"m_dInsideDBCool", "insideDBCool"},
                                                          {"m_dInsideRH", "insideRH"},
                                                          {"m_dInsideDBHeat", "insideDBHeat"},
                                                          {"m_nLightOnHour", "lightOnHour"}};
    const auto it = kNames.find(field);
    return it != kNames.end() ? it->second : QString::fromStdString(field);
}

// Every field at a value its check accepts, both trees chosen before.
CGeneralDataValues Valid() {
    CGeneralDataValues v;
    for (const GeneralDataRow& row : GeneralDataFields()) {
        for (int e = -1; e < 24; ++e) {
            if (int* n = FieldAddress<int>(row, v, e)) {
                *n = row.check.kind == CheckKind::kIntRange ? row.check.high : 0;
            }
            if (double* d = FieldAddress<double>(row, v, e)) {
                *d = row.check.kind == CheckKind::kRealRange ? row.check.dHigh : 0;
            }
        }
    }
    v.nCurrentWallGroup = 3;
    v.nCurrentBClass = 3;
    return v;
}

}  // namespace

class WizardFieldsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyNumericFieldIsRefusedByItsOwnPage() {
        const CGeneralDataValues valid = Valid();
        QVERIFY(!ValidateGeneralData(valid));
        int cases = 0;
        for (const GeneralDataRow& row : GeneralDataFields()) {
            const CheckKind kind = row.check.kind;
            if (kind != CheckKind::kIntRange && kind != CheckKind::kRealRange &&
                kind != CheckKind::kNotNegative && kind != CheckKind::kCount) {
                continue;  // radio buttons, trees and the length-limited name cannot leave it
            }
            for (int e = -1; e < 24; ++e) {
                CGeneralDataValues bad = valid;
                int* n = FieldAddress<int>(row, bad, e);
                double* d = FieldAddress<double>(row, bad, e);
                if (!n && !d) continue;
                // One past the top of the range, as digits only can type it.
                const double max = kind == CheckKind::kNotNegative ? FieldMaximum(row.check.limit)
                                   : kind == CheckKind::kCount     ? kMaxCount
                                   : kind == CheckKind::kIntRange  ? row.check.high
                                                                   : row.check.dHigh;
                if (n) *n = static_cast<int>(max) + 1;
                if (d) *d = max * 2;
                const InputResult expected = ValidateGeneralData(bad);
                QVERIFY(expected);
                const QString field = QString::fromStdString(expected->strField);

                std::unique_ptr<CProjPageBase> page(kFactories[row.page - 1](nullptr));
                page->LoadValues(valid);
                QWidget* box = page->findChild<QWidget*>(BoxName(expected->strField));
                QVERIFY2(box, qPrintable(field));
                if (auto* spin = qobject_cast<QSpinBox*>(box)) {
                    spin->setValue(*n);
                } else {
                    auto* edit = qobject_cast<QLineEdit*>(box);
                    QVERIFY2(edit, qPrintable(field));
                    edit->setText(n ? QString::number(*n) : QString::number(*d, 'f', 0));
                }
                CGeneralDataValues stored = valid;
                QString message;
                QWidget* focus = nullptr;
                QVERIFY2(!page->StoreValues(stored, message, focus), qPrintable(field));
                QCOMPARE(message, QString::fromStdString(expected->strMessage));
                QVERIFY2(focus == box, qPrintable(field));
                ++cases;

                // Every other page takes the same values.
                for (int other = 1; other <= 14; ++other) {
                    if (other == row.page) continue;
                    std::unique_ptr<CProjPageBase> p(kFactories[other - 1](nullptr));
                    p->LoadValues(bad);
                    CGeneralDataValues values = bad;
                    if (other == 6 || other == 7) continue;  // nothing chosen in the fresh tree
                    QVERIFY2(p->StoreValues(values, message, focus),
                             qPrintable(
                                 QString("%1 on page %2: %3").arg(field).arg(other).arg(message)));
                }
            }
        }
        // Pages 3, 7, 8, 9, 10, 11 and 12.
        QCOMPARE(cases, 3 + 1 + 27 + 23 + 6 + 12 + 6);
    }
};

QTEST_MAIN(WizardFieldsTest)
#include "wizard_fields_test.moc"
