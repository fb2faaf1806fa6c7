#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <type_traits>

// Setting one input value from JSON, with the type and shape checked: an int field takes a
// whole number, a double any number, a string a string, a fixed array an array of exactly its
// length. On a mismatch returns false with what was expected.
template <class T>
bool SetFromJson(const nlohmann::json& value, T& field, std::string& expected) {
    if constexpr (std::is_array_v<T>) {
        constexpr size_t n = std::extent_v<T>;
        if (!value.is_array() || value.size() != n) {
            expected = "an array of " + std::to_string(n) + " values";
            return false;
        }
        for (size_t i = 0; i < n; ++i) {
            if (!SetFromJson(value[i], field[i], expected)) {
                expected = "element " + std::to_string(i) + ": " + expected;
                return false;
            }
        }
        return true;
    } else if constexpr (std::is_same_v<T, int>) {
        if (!value.is_number_integer()) {
            expected = "a whole number";
            return false;
        }
        const auto v = value.get<long long>();
        if (v < INT32_MIN || v > INT32_MAX) {
            expected = "a whole number in range";
            return false;
        }
        field = static_cast<int>(v);
        return true;
    } else if constexpr (std::is_same_v<T, double>) {
        if (!value.is_number()) {
            expected = "a number";
            return false;
        }
        field = value.get<double>();
        return true;
    } else if constexpr (std::is_same_v<T, std::string>) {
        if (!value.is_string()) {
            expected = "a text";
            return false;
        }
        field = value.get<std::string>();
        return true;
    } else {
        static_assert(sizeof(T) == 0, "no JSON form for this field type");
        return false;
    }
}
