// Test helper: saves a project again as if it had been showing another view kind, as the
// program saves it (the command-line tool has no command that changes the kind).
// Usage: thermavo_save_view_kind IN.Spc KIND OUT.Spc
#include <cstdio>
#include <cstdlib>

#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"

namespace {
class CStderr : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    void ReportFileError(const std::string& path, const std::string& cause) override {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cause.c_str());
    }
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s IN.Spc KIND OUT.Spc\n", argv[0]);
        return 2;
    }
    CStderr messages;
    CQuarnDoc doc(messages);
    if (LoadProject(doc, argv[1]) != LoadStatus::kLoaded) return 1;
    doc.m_nViewKind = std::atoi(argv[2]);
    return SaveProject(doc, argv[3]) ? 0 : 1;
}
