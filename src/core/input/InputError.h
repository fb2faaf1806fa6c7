#pragma once

#include <optional>
#include <string>

// What a page or dialog refuses: the field at fault, named by the document member it stores
// into (e.g. "m_dInsideRH", or "m_nLightSchedule[3]"), and the message the user sees.
struct InputError {
    std::string strField;
    std::string strMessage;
};

using InputResult = std::optional<InputError>;  // empty when the values are accepted
