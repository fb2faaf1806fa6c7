// Driven by the field tables: every checked field of every input command is refused out of its
// range, naming itself, with its own check's message, while every other field holds a value its
// check accepts; the wizard's fields are also refused by their own page's check only.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "input/ConstructionTrees.h"
#include "input/DataCommandGuards.h"
#include "input/FloorCeilingCommand.h"
#include "input/GeneralDataCommand.h"
#include "input/GlassBlocksCommand.h"
#include "input/OptionsCommand.h"
#include "input/WallsRoofCommand.h"
#include "input/WindowsCommand.h"
#include "text/Format.h"

namespace {

constexpr int kPages = 14;

struct Fault {
    std::string text;  // for the trace
    std::string message;
};

// A value each check accepts.
int ValidInt(const FieldCheck& c) {
    switch (c.kind) {
        case CheckKind::kIntRange:
            return c.low;
        case CheckKind::kQuantity:
        case CheckKind::kTreeChoice:
            return 1;
        default:
            return 0;
    }
}
double ValidDouble(const FieldCheck& c) { return c.kind == CheckKind::kRealRange ? c.dLow : 0; }

// Values outside a check's range, with the message each must be refused with.
std::vector<std::pair<int, std::string>> IntFaults(const FieldCheck& c) {
    switch (c.kind) {
        case CheckKind::kChoice:
            return {{-1, IntegerRangeMessage(0, c.high - 1)},
                    {c.high, IntegerRangeMessage(0, c.high - 1)}};
        case CheckKind::kChoiceOrNone:
            return {{-2, IntegerRangeMessage(0, c.high - 1)},
                    {c.high, IntegerRangeMessage(0, c.high - 1)}};
        case CheckKind::kIntRange:
            return {{c.low - 1, IntegerRangeMessage(c.low, c.high)},
                    {c.high + 1, IntegerRangeMessage(c.low, c.high)}};
        case CheckKind::kCount:
            return {{-1, kNotNegativeMessage}, {kMaxCount + 1, IntegerRangeMessage(0, kMaxCount)}};
        case CheckKind::kQuantity:
            return {{0, "Number of glass windows must\nbe greater than zero"},
                    {kMaxCount + 1, IntegerRangeMessage(1, kMaxCount)}};
        default:
            return {};
    }
}

std::vector<std::pair<double, std::string>> DoubleFaults(const FieldCheck& c) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    switch (c.kind) {
        case CheckKind::kRealRange: {
            const std::string m =
                StrFormat("Please enter a number between %g and %g.", c.dLow, c.dHigh);
            return {{c.dLow - 1, m}, {c.dHigh + 1, m}, {nan, m}};
        }
        case CheckKind::kNotNegative: {
            const double max = FieldMaximum(c.limit);
            return {{-1, kNotNegativeMessage},
                    {nan, kNotNegativeMessage},
                    {max * 2, NumberRangeMessage(0, max)},
                    {inf, NumberRangeMessage(0, max)}};
        }
        case CheckKind::kSigned: {
            const double max = FieldMaximum(c.limit);
            return {{-max * 2, NumberRangeMessage(-max, max)},
                    {max * 2, NumberRangeMessage(-max, max)},
                    {nan, NumberRangeMessage(-max, max)}};
        }
        default:
            return {};
    }
}

// Every field of the values set to a value its check accepts; a tree choice made.
template <class V, class S>
V ValidValues(std::span<const FieldRow<V, S>> rows) {
    V v{};
    for (const auto& row : rows) {
        for (int e = -1; e < 24; ++e) {
            if (int* n = FieldAddress<int>(row, v, e)) *n = ValidInt(row.check);
            if (double* d = FieldAddress<double>(row, v, e)) *d = ValidDouble(row.check);
            if (std::string* s = FieldAddress<std::string>(row, v, e)) s->clear();
        }
    }
    return v;
}

// Calls refuse(values, field, message) for every element of every checked row and every value
// outside its range; the other fields keep valid values. Returns the number of cases.
template <class V, class S, class F>
int ForEachFault(std::span<const FieldRow<V, S>> rows, const V& valid, F&& refuse) {
    int cases = 0;
    for (const auto& row : rows) {
        if (row.check.kind == CheckKind::kTreeChoice) continue;
        for (int e = -1; e < 24; ++e) {
            const std::string field =
                e < 0 ? std::string(row.name) : ElementName(row.name, static_cast<size_t>(e));
            V v = valid;
            if (FieldAddress<int>(row, v, e)) {
                for (const auto& [value, message] : IntFaults(row.check)) {
                    V bad = valid;
                    *FieldAddress<int>(row, bad, e) = value;
                    SCOPED_TRACE(field + " = " + std::to_string(value));
                    refuse(row, bad, field, message);
                    ++cases;
                }
            } else if (FieldAddress<double>(row, v, e)) {
                for (const auto& [value, message] : DoubleFaults(row.check)) {
                    V bad = valid;
                    *FieldAddress<double>(row, bad, e) = value;
                    SCOPED_TRACE(field + " = " + StrFormat("%g", value));
                    refuse(row, bad, field, message);
                    ++cases;
                }
            } else if (FieldAddress<std::string>(row, v, e) &&
                       row.check.kind == CheckKind::kMaxChars) {
                V bad = valid;
                // Multi-byte characters count once: one more than the limit, in two-byte 'é's.
                std::string text;
                for (int i = 0; i <= row.check.high; ++i) text += "\xC3\xA9";
                *FieldAddress<std::string>(row, bad, e) = text;
                SCOPED_TRACE(field);
                refuse(row, bad, field,
                       StrFormat("Please enter no more than %d characters.", row.check.high));
                ++cases;
                *FieldAddress<std::string>(row, bad, e) = text.substr(2);
                EXPECT_FALSE(CheckFields(rows, bad)) << field << ": the limit itself is taken";
            }
        }
    }
    return cases;
}

template <class V, class S, class Validate>
void ExpectEveryFieldRefused(std::span<const FieldRow<V, S>> rows, Validate validate,
                             int minimumCases) {
    const V valid = ValidValues(rows);
    ASSERT_FALSE(validate(valid)) << validate(valid)->strField;
    const int cases = ForEachFault(
        rows, valid,
        [&](const auto&, const V& bad, const std::string& field, const std::string& message) {
            const InputResult error = validate(bad);
            ASSERT_TRUE(error);
            EXPECT_EQ(field, error->strField);
            EXPECT_EQ(message, error->strMessage);
        });
    EXPECT_GE(cases, minimumCases);
}

}  // namespace

TEST(FieldTables, EveryDialogFieldIsRefusedOutOfRangeNamingItself) {
    ExpectEveryFieldRefused(WallsRoofFields(), ValidateWallsRoof, 2 * (8 * 3 + 4) + 3);
    ExpectEveryFieldRefused(FloorCeilingFields(), ValidateFloorCeiling, 4 * (6 * 5 + 2 * 4));
    ExpectEveryFieldRefused(GlassBlocksFields(), ValidateGlassBlocks, 4 * 8 + 2);
    ExpectEveryFieldRefused(OptionsFields(), ValidateOptions, 2 * 4);
}

TEST(FieldTables, EveryWindowFieldIsRefusedNamingPageRecordAndField) {
    const CWindo valid = ValidValues(WindowFields());
    for (int k = 0; k < kOrientations; ++k) {
        const int cases = ForEachFault(
            WindowFields(), valid,
            [&](const auto&, const CWindo& bad, const std::string& field,
                const std::string& message) {
                CWindowsValues values;
                values.m_aWindows[k].Add(valid);
                values.m_aWindows[k].Add(bad);
                const InputResult error = ValidateWindows(values);
                ASSERT_TRUE(error);
                EXPECT_EQ(std::string(kWindowPageKeys[k]) + "[1]." + field, error->strField);
                EXPECT_EQ(message, error->strMessage);
            });
        EXPECT_EQ(2 + 8 * 4, cases);
    }
}

// Each wizard field is refused by the whole check and by its own page's, and no other page's
// check looks at it: a page needs no stand-in values for the others.
TEST(FieldTables, EveryWizardFieldIsRefusedOnItsOwnPageOnly) {
    const std::span<const GeneralDataRow> rows = GeneralDataFields();
    const CGeneralDataValues valid = ValidValues(rows);
    ASSERT_FALSE(ValidateGeneralData(valid));
    std::set<int> pagesWithChecks;
    const int cases = ForEachFault(
        rows, valid,
        [&](const GeneralDataRow& row, const CGeneralDataValues& bad, const std::string& field,
            const std::string& message) {
            pagesWithChecks.insert(row.page);
            for (const InputResult& error :
                 {ValidateGeneralData(bad), ValidateGeneralData(bad, row.page)}) {
                ASSERT_TRUE(error);
                EXPECT_EQ(field, error->strField);
                EXPECT_EQ(message, error->strMessage);
            }
            for (int page = 1; page <= kPages; ++page) {
                if (page != row.page) {
                    EXPECT_FALSE(ValidateGeneralData(bad, page)) << page;
                }
            }
            // The page's check restricted to the one field finds it too.
            const InputResult only = ValidateGeneralData(
                bad, [&](const GeneralDataRow&, const std::string& name) { return name == field; });
            ASSERT_TRUE(only);
            EXPECT_EQ(field, only->strField);
        });
    EXPECT_GT(cases, 150);
    // Every page but the two tree pages has a field to refuse.
    EXPECT_EQ((std::set<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14}), pagesWithChecks);
}

TEST(FieldTables, TreeChoicesAreRefusedOnTheirPagesWhenNothingIsChosenAtAll) {
    const std::span<const GeneralDataRow> rows = GeneralDataFields();
    const CGeneralDataValues valid = ValidValues(rows);
    struct Tree {
        int page;
        const char* field;
        int CGeneralDataValues::*chosen;
        int CGeneralDataValues::*current;
        const char* message;
    };
    for (const Tree& tree : {Tree{6, "m_nWallGroup", &CGeneralDataValues::m_nWallGroup,
                                  &CGeneralDataValues::nCurrentWallGroup, kNoWallGroupMessage},
                             Tree{7, "m_nBClass", &CGeneralDataValues::m_nBClass,
                                  &CGeneralDataValues::nCurrentBClass, kNoBClassMessage}}) {
        SCOPED_TRACE(tree.field);
        CGeneralDataValues v = valid;
        v.*tree.current = 5;
        v.*tree.chosen = 0;
        EXPECT_FALSE(ValidateGeneralData(v, tree.page)) << "the project's choice stands";
        v.*tree.current = 0;
        for (const InputResult& error :
             {ValidateGeneralData(v), ValidateGeneralData(v, tree.page)}) {
            ASSERT_TRUE(error);
            EXPECT_EQ(tree.field, error->strField);
            EXPECT_EQ(tree.message, error->strMessage);
        }
        for (int page = 1; page <= kPages; ++page) {
            if (page != tree.page) {
                EXPECT_FALSE(ValidateGeneralData(v, page));
            }
        }
    }
}

// The names are the JSON keys and the members the fields are stored into: unique per table.
TEST(FieldTables, NamesAreUniqueAndPagesInOrder) {
    std::set<std::string> names;
    int page = 1;
    for (const GeneralDataRow& row : GeneralDataFields()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_GE(row.page, page) << row.name << ": the check order is the page order";
        page = row.page;
    }
    EXPECT_EQ(kPages, page);
}
