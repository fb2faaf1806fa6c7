#include "document/DocumentJson.h"

#include <type_traits>

#include "document/DocMembers.h"

namespace {

nlohmann::json WindowToJson(const CWindo& w) {
    return {{"m_nQuantity", w.m_nQuantity},
            {"m_dHeight", w.m_dHeight},
            {"m_dWidth", w.m_dWidth},
            {"m_dLeftFinDist", w.m_dLeftFinDist},
            {"m_dRightFinDist", w.m_dRightFinDist},
            {"m_dOverhangWidth", w.m_dOverhangWidth},
            {"m_dOverhangHeight", w.m_dOverhangHeight},
            {"m_dLeftFinWidth", w.m_dLeftFinWidth},
            {"m_dRightFinWidth", w.m_dRightFinWidth}};
}

template <class T>
nlohmann::json ToJson(const T& value) {
    if constexpr (std::is_array_v<T>) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& element : value) array.push_back(ToJson(element));
        return array;
    } else if constexpr (std::is_same_v<T, CWindowList>) {
        nlohmann::json list = nlohmann::json::array();
        for (int i = 0; i < value.GetSize(); ++i) list.push_back(WindowToJson(value.GetAt(i)));
        return list;
    } else {
        return value;
    }
}

}  // namespace

nlohmann::json DocumentToJson(const CQuarnDocData& doc) {
    nlohmann::json json = nlohmann::json::object();
#define THERMAVO_MEMBER_TO_JSON(member) json[#member] = ToJson(doc.member);
    THERMAVO_FOR_EACH_DOC_MEMBER(THERMAVO_MEMBER_TO_JSON)
#undef THERMAVO_MEMBER_TO_JSON
    return json;
}
