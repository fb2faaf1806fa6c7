#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

class CQuarnDoc;

// A project described as a JSON array of input commands, applied in order to a document
// through the same command functions the dialogs use: {"command": "generalData", ...},
// "windows", "wallsRoof", "floorCeiling", "glassBlocks", "options". Keys are the document
// member names each command stores, values what a user would type, in the project's input
// units. Returns the first error (naming the command and the key), or nothing on success; on
// an error the document may hold the commands before it, so callers write nothing.
std::optional<std::string> ApplyProjectDescription(CQuarnDoc& doc,
                                                   const nlohmann::json& description);
