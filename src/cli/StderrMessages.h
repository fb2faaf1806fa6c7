#pragma once

#include <cstdio>

#include "messages/UserMessages.h"

// The command-line tool tells the user on stderr what the program would show in a box.
class CStderrMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    void ReportFileError(const std::string& path, const std::string& cause) override {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cause.c_str());
    }
};
