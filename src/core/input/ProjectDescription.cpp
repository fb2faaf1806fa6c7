#include "input/ProjectDescription.h"

#include <set>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "document/QuarnDoc.h"
#include "input/DataCommandGuards.h"
#include "input/FloorCeilingCommand.h"
#include "input/GeneralDataCommand.h"
#include "input/GlassBlocksCommand.h"
#include "input/JsonFields.h"
#include "input/OptionsCommand.h"
#include "input/WallsRoofCommand.h"
#include "input/WindowsCommand.h"

using nlohmann::json;

namespace {

// Where an error happened: "command 3 (windows)".
struct Where {
    size_t index;
    std::string name;
    std::string Say(const std::string& what) const {
        return "command " + std::to_string(index + 1) + " (" + name + "): " + what;
    }
};

// Sets the typed field of the rows named by the key from the JSON value. False when no row has
// the name; `ok` false (with what was expected) on a wrong type or shape.
template <class Values, class Stored>
bool SetField(std::span<const FieldRow<Values, Stored>> rows, Values& values,
              const std::string& key, const json& value, bool& ok, std::string& expected) {
    const FieldRow<Values, Stored>* row = FindField(rows, key);
    if (row == nullptr || !IsTypedField(*row)) return false;
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                ok = SetFromJson(value, values.*member, expected);
            }
        },
        row->value);
    return true;
}

// Sets the values' fields named by the object's keys; keys in `handled` were taken care of by
// the caller. Unknown keys and wrong types are errors.
template <class Values>
std::optional<std::string> SetFields(const json& object,
                                     std::span<const FieldRow<Values, CQuarnDocData>> rows,
                                     Values& values, const Where& where,
                                     const std::set<std::string>& handled = {}) {
    for (const auto& [key, value] : object.items()) {
        if (key == "command" || handled.count(key)) continue;
        bool ok = true;
        std::string expected;
        if (!SetField(rows, values, key, value, ok, expected)) {
            return where.Say("unknown key \"" + key + "\"");
        }
        if (!ok) return where.Say("\"" + key + "\" must be " + expected);
    }
    return std::nullopt;
}

std::optional<std::string> Refused(const InputResult& error, const Where& where) {
    if (!error) return std::nullopt;
    return where.Say("\"" + error->strField + "\": " + error->strMessage);
}

std::optional<std::string> PathOf(const json& value, std::vector<std::string>& path,
                                  const Where& where, const char* key) {
    if (!value.is_array())
        return where.Say(std::string("\"") + key + "\" must be an array of texts");
    for (const json& text : value) {
        if (!text.is_string())
            return where.Say(std::string("\"") + key + "\" must be an array of texts");
        path.push_back(text.get<std::string>());
    }
    return std::nullopt;
}

std::optional<std::string> GeneralData(CQuarnDoc& doc, const json& object, const Where& where) {
    CGeneralDataValues values = FillGeneralData(doc);
    // The tree choices: the station by its index, the wall group and the 'b' class by the
    // texts of their tree path, resolved as the wizard's trees resolve them.
    if (object.contains("m_nCityIndex")) {
        const json& index = object["m_nCityIndex"];
        if (!index.is_number_integer()) return where.Say("\"m_nCityIndex\" must be a whole number");
        if (auto e = Refused(SelectStation(values, index.get<int>()), where)) return e;
    }
    std::vector<std::string> path;
    if (object.contains("m_nWallGroup")) {
        if (auto e = PathOf(object["m_nWallGroup"], path, where, "m_nWallGroup")) return e;
        if (auto e = Refused(SelectWallGroup(values, path), where)) return e;
    }
    path.clear();
    if (object.contains("m_nBClass")) {
        if (auto e = PathOf(object["m_nBClass"], path, where, "m_nBClass")) return e;
        if (auto e = Refused(SelectBClass(values, path), where)) return e;
    }
    if (auto e = SetFields(object, GeneralDataFields(), values, where,
                           {"m_nCityIndex", "m_nWallGroup", "m_nBClass"})) {
        return e;
    }
    if (auto e = Refused(ValidateGeneralData(values), where)) return e;
    ApplyGeneralData(doc, values);
    return std::nullopt;
}

std::optional<std::string> Windows(CQuarnDoc& doc, const json& object, const Where& where) {
    CWindowsValues values = FillWindows(doc);
    std::set<std::string> pages;
    std::optional<std::string> error;
    ForEachWindowList(values, [&](const char* page, CWindowList& list) {
        pages.insert(page);
        if (error || !object.contains(page)) return;
        const json& records = object[page];
        if (!records.is_array()) {
            error = where.Say(std::string("\"") + page + "\" must be an array of windows");
            return;
        }
        // The page's list becomes exactly the described windows.
        list.RemoveAll();
        for (size_t i = 0; i < records.size() && !error; ++i) {
            const std::string at = std::string(page) + "[" + std::to_string(i) + "]";
            if (!records[i].is_object()) {
                error = where.Say("\"" + at + "\" must be an object");
                return;
            }
            CWindo window;
            for (const auto& [key, value] : records[i].items()) {
                bool ok = true;
                std::string expected;
                if (!SetField(WindowFields(), window, key, value, ok, expected)) {
                    error = where.Say("unknown key \"" + at + "." + key + "\"");
                } else if (!ok) {
                    error = where.Say("\"" + at + "." + key + "\" must be " + expected);
                }
                if (error) return;
            }
            list.Add(window);
        }
    });
    if (error) return error;
    for (const auto& [key, value] : object.items()) {
        if (key != "command" && !pages.count(key)) return where.Say("unknown key \"" + key + "\"");
    }
    if (auto e = Refused(ValidateWindows(values), where)) return e;
    ApplyWindows(doc, values);
    return std::nullopt;
}

// The dialogs that follow one pattern: guard, fill, set, validate, apply.
template <class Values>
std::optional<std::string> Dialog(CQuarnDoc& doc, const json& object, const Where& where,
                                  DataCommand command,
                                  std::span<const FieldRow<Values, CQuarnDocData>> (*fields)(),
                                  Values (*fill)(const CQuarnDoc&),
                                  InputResult (*validate)(const Values&),
                                  void (*apply)(CQuarnDoc&, const Values&)) {
    if (auto refusal = DataCommandRefusal(doc, command)) return where.Say(*refusal);
    Values values = fill(doc);
    if (auto e = SetFields(object, fields(), values, where)) return e;
    if (auto e = Refused(validate(values), where)) return e;
    apply(doc, values);
    return std::nullopt;
}

// The project's own units and sizes. Unlike the options dialog this does not make them the
// defaults of new projects: building a file must not change the user's settings.
std::optional<std::string> Options(CQuarnDoc& doc, const json& object, const Where& where) {
    COptionsValues values = FillOptions(doc);
    if (auto e = SetFields(object, OptionsFields(), values, where)) return e;
    if (auto e = Refused(ValidateOptions(values), where)) return e;
    StoreOptions(doc, values);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ApplyProjectDescription(CQuarnDoc& doc, const json& description) {
    if (!description.is_array()) return "a project description is a JSON array of commands";
    for (size_t i = 0; i < description.size(); ++i) {
        const json& object = description[i];
        if (!object.is_object() || !object.contains("command") || !object["command"].is_string()) {
            return "command " + std::to_string(i + 1) + ": an object with a \"command\" text";
        }
        const Where where{i, object["command"].get<std::string>()};
        std::optional<std::string> error;
        if (where.name == "generalData") {
            error = GeneralData(doc, object, where);
        } else if (where.name == "windows") {
            if (auto refusal = DataCommandRefusal(doc, DataCommand::kGlassWindows)) {
                return where.Say(*refusal);
            }
            error = Windows(doc, object, where);
        } else if (where.name == "wallsRoof") {
            error = Dialog(doc, object, where, DataCommand::kWallsRoof, WallsRoofFields,
                           FillWallsRoof, ValidateWallsRoof, ApplyWallsRoof);
        } else if (where.name == "floorCeiling") {
            error = Dialog(doc, object, where, DataCommand::kOtherBuilding, FloorCeilingFields,
                           FillFloorCeiling, ValidateFloorCeiling, ApplyFloorCeiling);
        } else if (where.name == "glassBlocks") {
            error = Dialog(doc, object, where, DataCommand::kGlassBlocks, GlassBlocksFields,
                           FillGlassBlocks, ValidateGlassBlocks, ApplyGlassBlocks);
        } else if (where.name == "options") {
            error = Options(doc, object, where);
        } else {
            return where.Say("unknown command");
        }
        if (error) return error;
    }
    return std::nullopt;
}
