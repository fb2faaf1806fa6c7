#pragma once

// The projects every benchmark measures: the bench project (glass, shading and internal loads
// on every side) and the bundled example office.

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "document/QuarnDoc.h"
#include "input/ProjectDescription.h"
#include "messages/UserMessages.h"

namespace bench {

// windowsPerSide window records on each of the eight orientations; the cost of FinishInput is
// expected to grow with their number and nothing else.
inline std::unique_ptr<CQuarnDoc> MakeBenchProject(IUserMessages& messages,
                                                   int windowsPerSide = 1) {
    auto doc = std::make_unique<CQuarnDoc>(messages);
    doc->OnNewDocument();
    doc->m_nCityIndex = 106;
    doc->m_nWallGroup = 30;
    doc->m_nBClass = 20;
    for (int k = 0; k < kOrientations; ++k) {
        for (int i = 0; i < windowsPerSide; ++i) {
            CWindo w;
            w.SetQuantity(3);
            // Records differ so that nothing could be shared between them.
            w.SetHeight(5 + (i % 4));
            w.SetWidth(4 + (i % 3));
            w.SetOverhangWidth(2);
            w.SetOverhangHeight(1);
            w.SetLeftFinWidth(1);
            w.SetRightFinWidth(1);
            doc->m_aWindows[k].Add(w);
        }
        doc->m_dWallArea[k] = 300;
        doc->m_dWallUCool[k] = 0.1;
        doc->m_dGlassBlockArea[k] = 20;
    }
    doc->m_dRoofArea = 2000;
    doc->m_dRoofUCool = 0.09;
    doc->m_nOccupants[1] = 20;
    doc->m_dFluorWatts = 3000;
    return doc;
}

// The example office built from its description, calculated; null when the description does
// not apply.
inline std::unique_ptr<CQuarnDoc> MakeOffice(IUserMessages& messages) {
    auto doc = std::make_unique<CQuarnDoc>(messages);
    doc->OnNewDocument();
    std::ifstream in(std::string(THERMAVO_SOURCE_DIR) + "/examples/office.json");
    if (!in || ApplyProjectDescription(*doc, nlohmann::json::parse(in))) return nullptr;
    return doc;
}

}  // namespace bench
