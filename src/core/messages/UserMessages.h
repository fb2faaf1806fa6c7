#pragma once

#include <string>

// Every message box and file error reaches the user through this interface: the GUI shows
// message boxes, the command-line tool prints to stderr, tests record what was said.
class IUserMessages {
  public:
    virtual ~IUserMessages() = default;

    // A modal information message with the given text.
    virtual void ShowMessage(const std::string& text) = 0;

    // A file that could not be opened, read or written; cause says why in plain words.
    virtual void ReportFileError(const std::string& path, const std::string& cause) = 0;
};

// Swallows every message; for callers that have nobody to tell.
class CSilentMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string&) override {}
    void ReportFileError(const std::string&, const std::string&) override {}
};
