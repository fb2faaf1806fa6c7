#pragma once

#include "GuiMessages.h"

namespace bench {

// The program's message sink with every box answered at once: a benchmark must not wait on one.
class CQuietMessages : public CGuiMessages {
  public:
    void ShowMessage(const std::string&) override {}
    void ReportFileError(const std::string&, const std::string&) override {}
    SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::kDiscard; }
    bool AskOkCancel(const QString&) override { return true; }
};

}  // namespace bench
