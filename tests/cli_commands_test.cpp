// The command table of thermavo-cli against the tool itself and the README: every command
// parses, has its help and is listed; the parser refuses what the table refuses, before any
// file is read.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CommandTable.h"
#include "support/TestSupport.h"

namespace {

struct CliRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs thermavo-cli with the words, each quoted for the shell.
CliRun RunCli(const std::vector<std::string>& words) {
    CTempDir dir;
    const std::string errPath = dir.File("stderr");
    std::string command = "'" THERMAVO_CLI "'";
    for (const std::string& word : words) command += " '" + word + "'";
    command += " 2>'" + errPath + "'";
    CliRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.strOut.append(buffer, got);
    const int status = ::pclose(pipe);
    run.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.strErr = ReadText(errPath);
    return run;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Whether the text has a line starting with the lead and the synopsis, the synopsis whole.
bool ListsForm(const std::string& text, const std::string& lead, const std::string& synopsis) {
    const std::string start = "\n" + lead + synopsis;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
        const size_t end = at + start.size();
        if (end < text.size() && (text[end] == ' ' || text[end] == '\n')) return true;
    }
    return false;
}

}  // namespace

TEST(CliCommandTable, UsageAndReadmeListEveryFormOfEveryCommand) {
    const std::string usage = UsageText();
    const std::string readme = ReadText(THERMAVO_SOURCE_DIR "/README.md");
    std::vector<std::string> names;
    for (const CliCommand& command : CliCommands()) {
        SCOPED_TRACE(command.pszName);
        names.push_back(Words(command.pszName)[0]);
        ASSERT_FALSE(command.forms.empty());
        for (const CommandForm& form : command.forms) {
            // Each form starts with the command's own words.
            EXPECT_EQ(std::string(form.pszSynopsis).rfind(std::string(command.pszName) + " ", 0),
                      0u)
                << form.pszSynopsis;
            EXPECT_TRUE(ListsForm(usage, "  ", form.pszSynopsis)) << usage;
            EXPECT_TRUE(ListsForm(readme, "    thermavo-cli ", form.pszSynopsis))
                << form.pszSynopsis;
        }
    }
    // And the README lists no command the tool does not have.
    std::istringstream lines(readme);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("    thermavo-cli ", 0) != 0) continue;
        const std::string name = Words(line)[1];
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << line;
    }
}

TEST(CliCommandTable, HelpAndVersionComeFromTheTable) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_EQ(help.strOut, UsageText());

    // Every command's own help names its synopses, whichever group it is in.
    for (const CliCommand& command : CliCommands()) {
        SCOPED_TRACE(command.pszName);
        std::vector<std::string> words = Words(command.pszName);
        words.push_back("--help");
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_TRUE(run.strErr.empty()) << run.strErr;
        for (const CommandForm& form : command.forms) {
            EXPECT_TRUE(Contains(run.strOut, form.pszSynopsis)) << run.strOut;
        }
    }
    const CliRun tables = RunCli({"tables", "--help"});
    EXPECT_EQ(tables.nStatus, 0);
    for (const char* sub : {"tables check [--strict] DIR", "tables build", "tables show"}) {
        EXPECT_TRUE(Contains(tables.strOut, sub)) << tables.strOut;
    }

    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.nStatus, 0);
    EXPECT_EQ(version.strOut, "thermavo-cli " THERMAVO_VERSION "\n");
}

TEST(CliCommandTable, UnknownOrMissingCommandsAreRefusedWithTheUsage) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{}, {"frobnicate"}, {"--frobnicate"}}) {
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.nStatus, 2);
        EXPECT_TRUE(run.strOut.empty()) << run.strOut;
        EXPECT_TRUE(Contains(run.strErr, UsageText())) << run.strErr;
    }
    EXPECT_TRUE(Contains(RunCli({"frobnicate"}).strErr, "frobnicate"));
    // A group without one of its commands.
    const CliRun tables = RunCli({"tables"});
    EXPECT_EQ(tables.nStatus, 2);
    EXPECT_FALSE(tables.strErr.empty());
}

// Every refusal here is the parser's (status 2): the project named does not exist, and
// reading it would fail with status 1.
TEST(CliCommandTable, BadArgumentsAreRefusedBeforeAnyFileIsRead) {
    const std::string missing = "/nonexistent/project.Spc";
    struct Case {
        std::vector<std::string> words;
        const char* pszNamed;  // what the message must name
    };
    const std::vector<Case> cases = {
        // Typed values.
        {{"render", missing, "101", "-o", "out.svg", "--page", "x"}, "--page"},
        {{"render", missing, "101", "-o", "out.svg", "--page", "4"}, "--page"},
        {{"render", missing, "101", "-o", "out.svg", "--page", "0"}, "--page"},
        {{"report", missing, "x"}, "KIND"},
        {{"report", missing, "0x65"}, "KIND"},
        {{"report", missing, "101", "--output-units", "kelvin"}, "kelvin"},
        {{"report", missing, "101", "--output-units"}, "--output-units"},
        {{"stations", "--index", "12x"}, "--index"},
        // Missing or extra words.
        {{"report", missing}, "KIND"},
        {{"render", missing, "101"}, "-o"},
        {{"summary", missing, "extra"}, "extra"},
        {{"build", "p.json"}, "-o"},
        {{"tables", "check", "--lenient", "dir"}, "--lenient"},
        // The table's argument checks.
        {{"export", missing}, "--csv"},
        {{"uvalue"}, "ITEM"},
        {{"uvalue", "--metric"}, "ITEM"},
        {{"uvalue", "--list", "1101"}, "--list"},
        {{"stations", "omaha", "--index", "405"}, "--index"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& word : c.words) line += word + " ";
        SCOPED_TRACE(line);
        const CliRun run = RunCli(c.words);
        EXPECT_EQ(run.nStatus, 2) << run.strErr;
        EXPECT_TRUE(run.strOut.empty()) << run.strOut;
        EXPECT_TRUE(Contains(run.strErr, c.pszNamed)) << run.strErr;
        EXPECT_FALSE(Contains(run.strErr, "usage: thermavo-cli COMMAND")) << run.strErr;
    }
}

TEST(CliCommandTable, ArgumentsReachTheirCommands) {
    // Kinds are decimal: 0101 is table 101 (whose project is missing), not the graph 65.
    const CliRun decimal = RunCli({"report", "/nonexistent/project.Spc", "0101"});
    EXPECT_EQ(decimal.nStatus, 1);
    EXPECT_TRUE(Contains(decimal.strErr, "/nonexistent/project.Spc")) << decimal.strErr;
    EXPECT_FALSE(Contains(decimal.strErr, "graph")) << decimal.strErr;
    // A negative kind is a value, not an option.
    const CliRun negative = RunCli({"report", "/nonexistent/project.Spc", "-5"});
    EXPECT_EQ(negative.nStatus, 1);
    EXPECT_TRUE(Contains(negative.strErr, "-5 is not a view kind")) << negative.strErr;
    // A file may be named like a command.
    const CliRun named = RunCli({"summary", "report"});
    EXPECT_EQ(named.nStatus, 1);
    EXPECT_TRUE(Contains(named.strErr, "report")) << named.strErr;
    // Flags may follow the words they qualify.
    const CliRun metric = RunCli({"uvalue", "1101=100", "--metric"});
    EXPECT_EQ(metric.nStatus, 0) << metric.strErr;
    EXPECT_TRUE(Contains(metric.strOut, "U-Value: 0.3607 W/(Sq m.C)\n")) << metric.strOut;
}

namespace {

// The README's entry for a synopsis: the words after it on its line and on the indented lines
// that follow, up to the next entry or the end of the indented block.
std::vector<std::string> ReadmeEntryWords(const std::string& readme, const std::string& synopsis) {
    const std::string lead = "    thermavo-cli " + synopsis;
    std::istringstream lines(readme);
    std::vector<std::string> words;
    bool inEntry = false;
    for (std::string line; std::getline(lines, line);) {
        if (!inEntry) {
            if (line.rfind(lead, 0) == 0 &&
                (line.size() == lead.size() || line[lead.size()] == ' ')) {
                inEntry = true;
                words = Words(line.substr(lead.size()));
            }
            continue;
        }
        if (line.rfind("    thermavo-cli ", 0) == 0 || line.rfind("     ", 0) != 0) break;
        for (const std::string& word : Words(line)) words.push_back(word);
    }
    return words;
}

// Whether a synopsis names the option: as a word, or inside brackets or alternatives.
bool SynopsisNames(const std::string& synopsis, const std::string& name) {
    for (size_t at = synopsis.find(name); at != std::string::npos;
         at = synopsis.find(name, at + 1)) {
        const char before = at == 0 ? ' ' : synopsis[at - 1];
        const size_t end = at + name.size();
        const char after = end < synopsis.size() ? synopsis[end] : ' ';
        const bool startsWord = before == ' ' || before == '[' || before == '|';
        const bool endsWord =
            after == ' ' || after == ']' || after == '|' || after == '[' || after == '=';
        if (startsWord && endsWord) return true;
    }
    return false;
}

}  // namespace

// The README says what each form does in the usage text's words, so a changed summary (the
// kinds a command takes, say) cannot leave the README behind; and every option and argument
// a command declares is in one of its synopses, so neither list can miss one.
TEST(CliCommandTable, ReadmeSummariesAndSynopsesCoverTheTable) {
    const std::string readme = ReadText(THERMAVO_SOURCE_DIR "/README.md");
    for (const CliCommand& command : CliCommands()) {
        SCOPED_TRACE(command.pszName);
        for (const CommandForm& form : command.forms) {
            EXPECT_EQ(ReadmeEntryWords(readme, form.pszSynopsis), Words(form.pszSummary))
                << form.pszSynopsis;
        }
        CLI::App app;
        CommandArgs args;
        command.define(app, args);
        for (const CLI::Option* option : app.get_options()) {
            std::vector<std::string> spelled;
            for (const std::string& name : option->get_lnames()) spelled.push_back("--" + name);
            for (const std::string& name : option->get_snames()) spelled.push_back("-" + name);
            if (option->get_positional()) spelled.push_back(option->get_name());
            if (std::find(spelled.begin(), spelled.end(), "--help") != spelled.end()) continue;
            bool named = false;
            for (const CommandForm& form : command.forms) {
                for (const std::string& name : spelled)
                    named = named || SynopsisNames(form.pszSynopsis, name);
            }
            EXPECT_TRUE(named) << option->get_name();
        }
    }
}
