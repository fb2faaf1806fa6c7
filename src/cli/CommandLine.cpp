// The command line parsed by the command table: CLI11 subcommands made from its entries, the
// usage text printed from them.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <map>
#include <memory>

#include "CommandTable.h"
#include "StderrMessages.h"
#include "document/QuarnDoc.h"

namespace {

// The column the summaries start in; a longer synopsis has its summary on the next line.
constexpr size_t kSummaryColumn = 34;

std::string FormText(const CommandForm& form) {
    std::string text = "  " + std::string(form.pszSynopsis);
    if (text.size() + 2 <= kSummaryColumn) {
        text.resize(kSummaryColumn, ' ');
    } else {
        text += "\n" + std::string(kSummaryColumn, ' ');
    }
    for (const char* c = form.pszSummary; *c != '\0'; ++c) {
        text += *c;
        if (*c == '\n') text += std::string(kSummaryColumn, ' ');
    }
    return text + "\n";
}

std::string FormsText(const CliCommand& command) {
    std::string text;
    for (const CommandForm& form : command.forms) text += FormText(form);
    return text;
}

// The first word of a command's name: the group of "tables check", the command itself else.
std::string TopName(const CliCommand& command) {
    const std::string name = command.pszName;
    return name.substr(0, name.find(' '));
}

bool IsCommand(const std::string& word) {
    for (const CliCommand& command : CliCommands()) {
        if (TopName(command) == word) return true;
    }
    return false;
}

// One subcommand per entry of the table, its arguments bound to args; a group ("tables") is a
// subcommand holding its commands. Returns the entries' subcommands in table order.
std::vector<CLI::App*> AddCommands(CLI::App& app, CommandArgs& args) {
    std::vector<CLI::App*> commands;
    std::map<std::string, CLI::App*> groups;
    for (const CliCommand& command : CliCommands()) {
        const std::string name = command.pszName;
        const size_t space = name.find(' ');
        CLI::App* parent = &app;
        if (space != std::string::npos) {
            CLI::App*& group = groups[name.substr(0, space)];
            if (group == nullptr) {
                group = app.add_subcommand(name.substr(0, space));
                group->require_subcommand(1);
            }
            group->description(group->get_description() + FormsText(command));
            parent = group;
        }
        CLI::App* sub = parent->add_subcommand(
            name.substr(space == std::string::npos ? 0 : space + 1), FormsText(command));
        // A group's help lists the forms of its commands itself.
        if (parent != &app) sub->group("");
        command.define(*sub, args);
        commands.push_back(sub);
    }
    return commands;
}

}  // namespace

std::string UsageText() {
    std::string text = "usage: thermavo-cli COMMAND ...\n";
    for (const CliCommand& command : CliCommands()) text += FormsText(command);
    text +=
        "thermavo-cli COMMAND --help: a command's arguments; thermavo-cli --version: the version\n";
    return text;
}

int RunCommandLine(int argc, const char* const* argv) {
    CLI::App app("", "thermavo-cli");
    app.set_version_flag("--version", "thermavo-cli " THERMAVO_VERSION);
    app.require_subcommand(1);
    CommandArgs args;
    const std::vector<CLI::App*> commands = AddCommands(app, args);

    if (argc < 2) {
        std::fputs(UsageText().c_str(), stderr);
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const bool commandGiven = !app.get_subcommands().empty();
        // Help without a command is the usage text; a command's help is the library's.
        if (!commandGiven && e.get_name() == "CallForHelp") {
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        }
        if (!commandGiven && argv[1][0] != '-' && !IsCommand(argv[1])) {
            std::fprintf(stderr, "\"%s\" is not a command.\n", argv[1]);
        } else if (app.exit(e) == 0) {
            return 0;  // a command's --help, or --version
        }
        if (!commandGiven) std::fputs(UsageText().c_str(), stderr);
        return 2;
    }

    for (size_t i = 0; i < commands.size(); ++i) {
        if (!commands[i]->parsed()) continue;
        const CliCommand& command = CliCommands()[i];
        if (command.check != nullptr) {
            const std::string fault = command.check(args);
            if (!fault.empty()) {
                app.exit(CLI::ValidationError(fault));
                return 2;
            }
        }
        CStderrMessages messages;
        auto doc = std::make_unique<CQuarnDoc>(messages);
        return command.run(*doc, args);
    }
    // Not reached: the parser requires a command.
    std::fputs(UsageText().c_str(), stderr);
    return 2;
}
