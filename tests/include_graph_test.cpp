// The program's files depend on each other one way only: no header and its source reach
// themselves again through the files they include.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

// A header and its source are one node, named by their path below the root without the
// extension ("dialogs/WallsRoofDlg"); an edge is a quoted include that names a file below the
// root, looked up beside the including file first, then from the root. Other includes (the
// core's, Qt's) are not part of the graph.
using IncludeGraph = std::map<std::string, std::set<std::string>>;

std::string NodeName(const fs::path& file, const fs::path& root) {
    return fs::relative(file, root).replace_extension().generic_string();
}

IncludeGraph ReadIncludeGraph(const fs::path& folder) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const fs::path root = fs::canonical(folder);
    IncludeGraph graph;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& file = entry.path();
        if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
            continue;
        const std::string node = NodeName(file, root);
        auto& edges = graph[node];
        std::ifstream in(file);
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, include)) continue;
            for (const fs::path& target :
                 {file.parent_path() / match[1].str(), root / match[1].str()}) {
                if (!fs::is_regular_file(target)) continue;
                const std::string to = NodeName(fs::weakly_canonical(target), root);
                if (to != node && to.rfind("..", 0) != 0) edges.insert(to);
                break;
            }
        }
    }
    return graph;
}

// One loop as the nodes around it, its first node repeated at the end; empty when there is none.
std::vector<std::string> FindLoop(const IncludeGraph& graph) {
    enum class Mark { kOpen, kDone };
    std::map<std::string, Mark> marks;
    std::vector<std::string> path;
    std::vector<std::string> loop;
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        marks[node] = Mark::kOpen;
        path.push_back(node);
        if (auto found = graph.find(node); found != graph.end()) {
            for (const std::string& next : found->second) {
                auto mark = marks.find(next);
                if (mark == marks.end()) {
                    if (visit(next)) return true;
                } else if (mark->second == Mark::kOpen) {
                    loop.assign(std::find(path.begin(), path.end(), next), path.end());
                    loop.push_back(next);
                    return true;
                }
            }
        }
        path.pop_back();
        marks[node] = Mark::kDone;
        return false;
    };
    for (const auto& [node, edges] : graph)
        if (!marks.count(node) && visit(node)) return loop;
    return {};
}

std::string Describe(const std::vector<std::string>& loop) {
    std::string text;
    for (const std::string& node : loop) text += (text.empty() ? "" : " -> ") + node;
    return text;
}

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

}  // namespace

TEST(IncludeGraph, FindsALoopThroughTheSources) {
    CTempDir dir;
    const fs::path root = dir.Path();
    Write(root / "Frame.h", "#pragma once\n");
    Write(root / "Frame.cpp", "#include \"Frame.h\"\n#include \"App.h\"\n#include <QMenu>\n");
    Write(root / "App.h", "#pragma once\n#include \"document/QuarnDoc.h\"\n");
    Write(root / "Child.cpp", "#include \"App.h\"\n");
    // No loop yet: a file including its own header, and includes of files elsewhere, are no
    // edges.
    EXPECT_EQ(Describe(FindLoop(ReadIncludeGraph(root))), "");

    Write(root / "App.cpp", "#include \"App.h\"\n  #  include \"Frame.h\"  // the loop\n");
    EXPECT_EQ(Describe(FindLoop(ReadIncludeGraph(root))), "App -> Frame -> App");
}

TEST(IncludeGraph, ResolvesIncludesBesideTheFileBeforeTheRoot) {
    CTempDir dir;
    const fs::path root = dir.Path();
    Write(root / "Pages.h", "#pragma once\n");
    Write(root / "Pages.cpp", "#include \"Pages.h\"\n#include \"wizard/Sheet.h\"\n");
    Write(root / "wizard/Sheet.h", "#pragma once\n");
    Write(root / "wizard/Sheet.cpp", "#include \"Sheet.h\"\n#include \"Pages.h\"\n");
    Write(root / "wizard/Pages.h", "#pragma once\n");
    // The sheet's "Pages.h" is the one beside it, not the root's: no loop.
    const IncludeGraph graph = ReadIncludeGraph(root);
    EXPECT_EQ(graph.at("wizard/Sheet"), std::set<std::string>({"wizard/Pages"}));
    EXPECT_EQ(graph.at("Pages"), std::set<std::string>({"wizard/Sheet"}));
    EXPECT_EQ(Describe(FindLoop(graph)), "");

    // A path up out of the folder reaches the root's file.
    Write(root / "wizard/Pages.cpp", "#include \"Pages.h\"\n#include \"../Pages.h\"\n");
    EXPECT_EQ(Describe(FindLoop(ReadIncludeGraph(root))),
              "Pages -> wizard/Sheet -> wizard/Pages -> Pages");
}

TEST(IncludeGraph, TheProgramAndTheLibrariesHaveNoLoop) {
    for (const char* folder : {"src/app", "src/qtdraw", "src/cli", "src/core"}) {
        const fs::path root = fs::path(THERMAVO_SOURCE_DIR) / folder;
        const IncludeGraph graph = ReadIncludeGraph(root);
        EXPECT_GT(graph.size(), 0u) << folder;
        EXPECT_EQ(Describe(FindLoop(graph)), "") << folder;
    }
}
