#include "StartupCommand.h"

#include "Version.h"

namespace {

using Action = StartupCommand::Action;

// Qt's options, which QApplication takes out of the arguments itself: the ones with a value
// take the next word (or "=value").
struct QtOption {
    const char* pszName;
    bool bValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"display", true},         {"geometry", true},
    {"qwindowgeometry", true}, {"title", true},
    {"qwindowtitle", true},    {"icon", true},
    {"qwindowicon", true},     {"name", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"visual", true},
    {"reverse", false},        {"nograb", false},
    {"dograb", false},         {"sync", false},
    {"widgetcount", false},
};

const QtOption* FindQtOption(const QString& name) {
    for (const QtOption& option : kQtOptions)
        if (name == QLatin1String(option.pszName)) return &option;
    return nullptr;
}

// A word that can be a value: not another option. A word starting with '/' is a path here.
bool IsValueWord(const QStringList& args, qsizetype at) {
    return at < args.size() && !args[at].startsWith('-');
}

class CParser {
  public:
    explicit CParser(const QStringList& arguments) : m_args(arguments) {}

    StartupCommand Parse() {
        bool endOfOptions = false;
        QStringList plainFiles;
        for (m_at = 1; m_at < m_args.size(); ++m_at) {
            const QString& word = m_args[m_at];
            if (endOfOptions || word.size() < 2 || !(word[0] == '-' || word[0] == '/')) {
                if (word == "-") {
                    Fail("\"-\" is not a file name");
                    return m_command;
                }
                plainFiles << word;
                continue;
            }
            if (word == "--") {
                endOfOptions = true;
                continue;
            }
            if (!Option(word, plainFiles)) return m_command;
            if (m_command.action == Action::kHelp || m_command.action == Action::kVersion)
                return m_command;
        }
        if (m_command.action == Action::kPrint) {
            if (!plainFiles.isEmpty())
                Fail(QString("only one file can be printed at a time; \"%1\" is one more")
                         .arg(plainFiles.first()));
        } else {
            m_command.files = plainFiles;
        }
        return m_command;
    }

  private:
    // One option word; false when the command line is bad (m_command says why).
    bool Option(const QString& word, QStringList& plainFiles) {
        const bool windowsFlag = word[0] == '/';
        QString name = word.mid(word.startsWith("--") ? 2 : 1);
        QString value;
        bool hasValue = false;
        if (!windowsFlag && word.startsWith("--") && name.contains('=')) {
            value = name.section('=', 1);
            name = name.section('=', 0, 0);
            hasValue = true;
        }
        const QString lower = name.toLower();

        if (windowsFlag) {
            // A word with '/' that is no flag of ours is an absolute path.
            if (lower == "p") return PrintToDefault(word);
            if (lower == "pt") return PrintToNamed(word);
            if (lower == "embedding" || lower == "automation") return NoSplash();
            if (lower == "?") return Set(Action::kHelp);
            plainFiles << word;
            return true;
        }
        if (lower == "help" || lower == "h" || lower == "?") return Set(Action::kHelp);
        if (lower == "version") return Set(Action::kVersion);
        if (lower == "p" || lower == "print") {
            if (!hasValue) return PrintToDefault(word);
            if (value.isEmpty()) return Fail(QString("%1 needs a FILE").arg(word));
            return StartPrint(word, value, QString());
        }
        if (lower == "pt") return PrintToNamed(word);
        if (lower == "print-to") return PrintTo(word, hasValue, value);
        if (lower == "embedding" || lower == "automation" || lower == "nosplash") return NoSplash();
        if (const QtOption* qt = FindQtOption(name)) {
            // Its value goes with it, unless given as "=value".
            if (qt->bValue && !hasValue) ++m_at;
            return true;
        }
        // "-style=fusion" and the like: Qt's options also take "=value" after one dash.
        if (name.contains('=') && FindQtOption(name.section('=', 0, 0))) return true;
        return Fail(QString("unknown option \"%1\"").arg(word));
    }

    bool Set(Action action) {
        m_command.action = action;
        return true;
    }

    bool NoSplash() {
        m_command.bSplash = false;
        return true;
    }

    // /p FILE, -p FILE, --print FILE.
    bool PrintToDefault(const QString& flag) {
        if (!IsValueWord(m_args, m_at + 1)) return Fail(QString("%1 needs a FILE").arg(flag));
        return StartPrint(flag, m_args[++m_at], QString());
    }

    // /pt FILE PRINTER [DRIVER] [PORT]: the driver and the port are Windows' and mean nothing
    // to a CUPS queue.
    bool PrintToNamed(const QString& flag) {
        if (!IsValueWord(m_args, m_at + 1) || !IsValueWord(m_args, m_at + 2))
            return Fail(QString("%1 needs a FILE and a PRINTER").arg(flag));
        const QString file = m_args[++m_at];
        const QString printer = m_args[++m_at];
        for (int extra = 0; extra < 2 && IsValueWord(m_args, m_at + 1); ++extra) ++m_at;
        return StartPrint(flag, file, printer);
    }

    // --print-to PRINTER FILE, --print-to=PRINTER FILE.
    bool PrintTo(const QString& flag, bool hasValue, const QString& value) {
        QString printer = value;
        if (!hasValue) {
            if (!IsValueWord(m_args, m_at + 1))
                return Fail(QString("%1 needs a PRINTER and a FILE").arg(flag));
            printer = m_args[++m_at];
        }
        if (printer.isEmpty() || !IsValueWord(m_args, m_at + 1))
            return Fail(QString("%1 needs a PRINTER and a FILE").arg(flag));
        return StartPrint(flag, m_args[++m_at], printer);
    }

    bool StartPrint(const QString& flag, const QString& file, const QString& printer) {
        if (m_command.action == Action::kPrint)
            return Fail(QString("%1: only one file can be printed at a time").arg(flag));
        m_command.action = Action::kPrint;
        m_command.files = QStringList{file};
        m_command.printer = printer;
        m_command.bSplash = false;
        return true;
    }

    bool Fail(const QString& why) {
        m_command = StartupCommand();
        m_command.action = Action::kError;
        m_command.error = why;
        return false;
    }

    const QStringList& m_args;
    qsizetype m_at = 1;
    StartupCommand m_command;
};

}  // namespace

StartupCommand ParseStartupCommand(const QStringList& arguments) {
    StartupCommand command = CParser(arguments).Parse();
    if (command.action == Action::kError) command.error = "thermavo: " + command.error;
    return command;
}

QString StartupUsageText() {
    return QStringLiteral(
        "usage: thermavo [FILE...]\n"
        "       thermavo /p FILE | -p FILE | --print FILE\n"
        "       thermavo /pt FILE PRINTER [DRIVER] [PORT] | --print-to PRINTER FILE\n"
        "       thermavo --help | --version\n"
        "\n"
        "  FILE...                  open each project file (.Spc); a new project without one\n"
        "  /p, -p, --print FILE     print FILE on the default printer, without a window\n"
        "  /pt FILE PRINTER [DRIVER] [PORT], --print-to PRINTER FILE\n"
        "                           print FILE on the printer named (a CUPS queue); DRIVER and\n"
        "                           PORT are accepted and ignored\n"
        "  /Embedding, /Automation, -nosplash\n"
        "                           start without the splash screen\n"
        "  --help                   print this text\n"
        "  --version                print the version\n"
        "\n"
        "A print shows the view the project was saved with, as File > Print does: three pages\n"
        "for the project input data, one page for every other view. Exit status: 0 when done,\n"
        "1 when a print failed (no such printer, or the file cannot be read), 2 for a bad\n"
        "command line.\n");
}

QString StartupVersionText() { return QString("thermavo %1\n").arg(kThermavoVersion); }

void PrepareQtEnvironment(const StartupCommand& command) {
    // A print shows no window: it needs no display either, unless a platform is asked.
    if (command.action == StartupCommand::Action::kPrint &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
