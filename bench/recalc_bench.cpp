// A full recalculation of a project with windows on every side must stay well under a
// millisecond: the GUI runs it inside every input command.
#include <benchmark/benchmark.h>

#include <memory>

#include "document/QuarnDoc.h"
#include "paths/InstallDir.h"

namespace {

std::unique_ptr<CQuarnDoc> MakeProject(IUserMessages& messages) {
    auto doc = std::make_unique<CQuarnDoc>(messages);
    doc->OnNewDocument();
    doc->m_nCityIndex = 106;
    doc->m_nWallGroup = 30;
    doc->m_nBClass = 20;
    for (int k = 0; k < kOrientations; ++k) {
        CWindo w;
        w.SetQuantity(3);
        w.SetHeight(5);
        w.SetWidth(4);
        w.SetOverhangWidth(2);
        w.SetOverhangHeight(1);
        w.SetLeftFinWidth(1);
        w.SetRightFinWidth(1);
        doc->m_aWindows[k].Add(w);
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

void BM_FinishInput(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto doc = MakeProject(messages);
    doc->RecalcGeneralData();
    for (auto _ : state) {
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
}
BENCHMARK(BM_FinishInput)->Unit(benchmark::kMicrosecond);

void BM_RecalcGeneralDataAndFinishInput(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto doc = MakeProject(messages);
    for (auto _ : state) {
        doc->RecalcGeneralData();
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
}
BENCHMARK(BM_RecalcGeneralDataAndFinishInput)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
