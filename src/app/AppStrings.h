#pragma once

#include "QtText.h"

// Command ids of the framework's and the program's commands; the view kinds carry their own.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileMru1 = 57616;
inline constexpr int kAppExit = 57665;
inline constexpr int kEditCopy = 57634;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kWindowNew = 57648;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kHelpFinder = 57667;
inline constexpr int kHelp = 57670;
inline constexpr int kContextHelp = 57669;
inline constexpr int kAppAbout = 57664;
inline constexpr int kTipOfTheDay = 105;
inline constexpr int kReadMe = 32936;
inline constexpr int kUValue = 32775;
inline constexpr int kOptions = 32776;
inline constexpr int kGeneralData = 32777;
inline constexpr int kGlassWindowsData = 32778;
inline constexpr int kWallsRoofData = 32779;
inline constexpr int kOtherBuildingData = 32781;
inline constexpr int kGlassBlocksData = 32782;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kZoomIn = 32940;
inline constexpr int kZoomOut = 32941;
inline constexpr int kZoomActual = 32942;
inline constexpr int kZoomFitWidth = 32943;
inline constexpr int kZoomFitPage = 32944;
inline constexpr int kFitWidthOnOpen = 32945;
inline constexpr int kBlockLoad = 32950;
inline constexpr int kBlockSummary = 32951;
inline constexpr int kBlockTable = 32952;
inline constexpr int kBlockGraph = 32953;
}  // namespace cmd

inline constexpr int kRecentFileCount = 4;
