#pragma once

#include <optional>
#include <string>

#include "document/QuarnDocData.h"

// The values a project read from a file may hold: every double finite, and every integer the
// program could have stored there itself (the ranges its pages and dialogs allow, with -1 for a
// radio group with no button selected and 0 for an hour or a factor never entered, as projects
// of earlier versions hold them). Returns what is wrong with the first field at fault, or
// nothing when the project is sound.
//
// Not checked, because every use already copes with any value: the unit, display and font
// options (an options file can hand any number to a new project) and the view kind.
std::optional<std::string> FindDamagedField(const CQuarnDocData& project);
