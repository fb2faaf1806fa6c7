#pragma once

#include <QString>

#include "messages/UserMessages.h"

// Messages of a run without windows: each on a line of its own on stderr.
class CConsoleMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override;
    void ReportFileError(const std::string& path, const std::string& cause) override;
};

// Prints a project file without any window: loads it and prints the pages of the view kind it
// was saved with (the Total Cooling Load table when it holds no valid kind) as File > Print
// lays them out, on the printer named (a CUPS queue) or, when printerName is empty, on the
// default printer. What goes wrong is told through messages. Returns the exit status: 0 when
// the job was handed to the printer, StartupCommand::kPrintFailedStatus else.
int PrintProjectFile(const QString& path, const QString& printerName, IUserMessages& messages);
