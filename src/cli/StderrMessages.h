#pragma once

#include <cstdio>
#include <set>
#include <string>

#include "messages/UserMessages.h"

// The command-line tool tells the user on stderr what the program would show in a box. A
// command that loads several projects meets the same condition (a missing options file) once
// per project: each text is said once.
class CStderrMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override { Say(text); }
    void ReportFileError(const std::string& path, const std::string& cause) override {
        Say(path + ": " + cause);
    }

  private:
    void Say(const std::string& line) {
        if (m_said.insert(line).second) std::fprintf(stderr, "%s\n", line.c_str());
    }

    std::set<std::string> m_said;
};
