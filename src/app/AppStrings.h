#pragma once

#include <QString>
#include <string>

#include "draw/SvgCanvas.h"

// Project texts are 8-bit; bytes that are not UTF-8 are read as Latin-1.
inline QString ToQString(const std::string& text) { return QString::fromStdString(ToUtf8(text)); }
// File names and other texts of the system, which are UTF-8.
inline std::string FromQString(const QString& text) { return text.toStdString(); }

// The inverse of ToQString for a project text edited in a control. Text that still reads as the
// stored text keeps its bytes, whatever their encoding; other text is stored 8-bit (Latin-1)
// when every character fits in a byte and the bytes read back as the same text, else as UTF-8.
inline std::string ToProjectText(const QString& text, const std::string& stored) {
    if (ToQString(stored) == text) return stored;
    bool fits = true;
    for (const QChar c : text) fits = fits && c.unicode() < 0x100;
    if (fits) {
        const QByteArray latin1 = text.toLatin1();
        std::string bytes(latin1.constData(), static_cast<size_t>(latin1.size()));
        if (ToQString(bytes) == text) return bytes;
    }
    return text.toStdString();
}

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
}  // namespace cmd

inline constexpr int kRecentFileCount = 4;
