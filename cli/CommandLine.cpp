// SPDX-License-Identifier: MIT
// Parsing of "r5config SUBCOMMAND ..." with one QCommandLineParser per subcommand, the
// help texts, and the process run (see CommandLine.h).
#include "CommandLine.h"
#include "Commands.h"
#include "Handoff.h"
#include "Session.h"
#include "SingleInstance.h"
#include "ProgramFolders.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>
#include <cstdio>

namespace Cli {

namespace {
using Command = std::function<Result(Context &)>;

// One subcommand: its name, the words after it, one line of summary, its options.
struct Subcommand {
    QString name;
    QString arguments;   // for the usage line
    QString summary;
    QString details;     // more lines for its own --help
};

const QList<Subcommand> &subcommands()
{
    static const QList<Subcommand> all{
        {QStringLiteral("status"), QStringLiteral("[--json]"),
         QStringLiteral("device, handshake, current profile, DPI stage and stages, report rate, light"),
         QStringLiteral("Values come from the mouse when one is connected, else from the current profile.\n"
                        "Exit status 1 when no mouse can be used.")},
        {QStringLiteral("profile"), QStringLiteral("N"), QStringLiteral("make profile N (1-10) current and write all of it to the mouse"),
         QStringLiteral("Switches as the profile menu does, then writes the whole profile as ALL SAVE does.")},
        {QStringLiteral("dpi"), QStringLiteral("LIST [--stage K]"),
         QStringLiteral("set the DPI stages, e.g. 800,1600,3200 (\"off\" for a stage that is off)"),
         QStringLiteral("LIST holds up to eight values of the sensor page's menu, stages that are not\n"
                        "given are off. Without --stage the current stage stays unless it is now off.")},
        {QStringLiteral("rate"), QStringLiteral("125|250|500|1000"), QStringLiteral("set the report rate (reports per second)"),
         QString()},
        {QStringLiteral("light"), QStringLiteral("EFFECT|off [--speed S] [--brightness B]"),
         QStringLiteral("set the lighting effect, or switch the light off"),
         QStringLiteral("EFFECT is one of the colour page's effects: static, twinkling, breathing, neon,\n"
                        "wave, gliding, finger-moving, vertical-flipping, yo-yo, spotlight.\n"
                        "Speed and brightness are the colour page's steps 0-7; left out, they stay.")},
        {QStringLiteral("export"), QStringLiteral("N FILE"), QStringLiteral("write profile N to FILE"), QString()},
        {QStringLiteral("import"), QStringLiteral("FILE N"), QStringLiteral("replace profile N with the profile in FILE"),
         QStringLiteral("A file that holds no profile replaces nothing. The mouse gets the profile with\n"
                        "the next \"r5config profile N\" or ALL SAVE.")},
        {QStringLiteral("macro"), QStringLiteral("list | export NAME FILE | import FILE [--name NAME]"),
         QStringLiteral("list the macros, write one to FILE, or take one in from FILE"),
         QStringLiteral("An import replaces the steps of the macro of that name (the file's name without\n"
                        "its extension unless --name is given) and keeps its button; a new name makes a new\n"
                        "macro. A macro a button plays goes to the mouse again.")},
    };
    return all;
}

const QString kProgram = QStringLiteral("r5config");

QString exitStatusText()
{
    return QStringLiteral("Exit status: 0 done; 1 no mouse, or the mouse was rejected (files may have changed,\n"
                          "the message says so); 2 bad input; 3 a file could not be read or written.\n");
}

QString programHelp()
{
    QString text = QStringLiteral("Usage: %1 [SUBCOMMAND [ARGUMENTS]]\n"
                                  "Configures the R5 mouse. Without a subcommand the configuration window opens.\n\n"
                                  "Subcommands:\n")
                       .arg(kProgram);
    for (const Subcommand &s : subcommands())
        text += QStringLiteral("  %1 %2\n      %3\n").arg(s.name, s.arguments, s.summary);
    text += QStringLiteral("\nOptions:\n  -h, --help     this help; \"%1 SUBCOMMAND --help\" for one subcommand\n"
                           "  -v, --version  the program's version\n\n")
                .arg(kProgram);
    return text + exitStatusText();
}

// The help of one subcommand: its usage, what it does and the options of its parser.
QString commandHelp(const Subcommand &sub, const QCommandLineParser &parser)
{
    QString summary = sub.summary;
    summary[0] = summary.at(0).toUpper();
    QString text = QStringLiteral("Usage: %1 %2 %3\n%4.\n").arg(kProgram, sub.name, sub.arguments, summary);
    if (!sub.details.isEmpty())
        text += sub.details + QLatin1Char('\n');
    // The parser's own text after its usage line: the options with their descriptions.
    const QString options = parser.helpText();
    const int from = options.indexOf(QLatin1String("\nOptions:"));
    if (from >= 0)
        text += options.mid(from);
    else
        text += QLatin1Char('\n');
    return text + QLatin1Char('\n') + exitStatusText();
}

struct Parsed {
    Result early;      // help, version or an error: nothing to run
    Command command;   // set when there is something to run
};

Parsed badUsage(const Subcommand &sub, const QString &why)
{
    Parsed p;
    p.early.fail(BadInput, QStringLiteral("%1 %2: %3\nUsage: %1 %2 %4").arg(kProgram, sub.name, why, sub.arguments));
    return p;
}

Parsed parse(const QStringList &arguments, const QDir &base)
{
    Parsed p;
    QCommandLineParser top;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Shows the version."));
    top.addOption(help);
    top.addOption(version);
    top.addPositionalArgument(QStringLiteral("subcommand"), QStringLiteral("What to do."));
    // Everything from the subcommand on is the subcommand's.
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!top.parse(QStringList{kProgram} + arguments)) {
        p.early.fail(BadInput, top.errorText() + QStringLiteral("\n") + programHelp());
        return p;
    }
    const QStringList rest = top.positionalArguments();
    if (rest.isEmpty() || top.isSet(help) || rest.first() == QLatin1String("help")) {
        if (top.isSet(version) && !top.isSet(help)) {
            p.early.print(QStringLiteral("%1 %2").arg(kProgram, QStringLiteral(R5_VERSION)));
            return p;
        }
        p.early.out = programHelp();
        if (rest.size() > 1)   // "help dpi": the subcommand's help
            return parse({rest.at(1), QStringLiteral("--help")}, base);
        return p;
    }
    const QString name = rest.first();
    const Subcommand *sub = nullptr;
    for (const Subcommand &s : subcommands())
        if (s.name == name)
            sub = &s;
    if (!sub) {
        p.early.fail(BadInput, QStringLiteral("unknown subcommand \"%1\"\n\n%2").arg(name, programHelp()));
        return p;
    }

    QCommandLineParser parser;
    parser.addOption(help);
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Writes the status as one JSON object."));
    const QCommandLineOption stage(QStringLiteral("stage"), QStringLiteral("Makes stage K (1-8) current."), QStringLiteral("K"));
    const QCommandLineOption speed(QStringLiteral("speed"), QStringLiteral("Speed step S, 0 (slow) to 7 (fast)."), QStringLiteral("S"));
    const QCommandLineOption brightness(QStringLiteral("brightness"), QStringLiteral("Brightness step B, 0 to 7."),
                                        QStringLiteral("B"));
    const QCommandLineOption macroName(QStringLiteral("name"), QStringLiteral("Imports into the macro NAME."),
                                       QStringLiteral("NAME"));
    if (name == QLatin1String("status"))
        parser.addOption(json);
    else if (name == QLatin1String("dpi"))
        parser.addOption(stage);
    else if (name == QLatin1String("light"))
        parser.addOptions({speed, brightness});
    else if (name == QLatin1String("macro"))
        parser.addOption(macroName);
    if (!parser.parse(QStringList{kProgram + QLatin1Char(' ') + name} + rest.mid(1)))
        return badUsage(*sub, parser.errorText());
    if (parser.isSet(help)) {
        p.early.out = commandHelp(*sub, parser);
        return p;
    }

    const QStringList args = parser.positionalArguments();
    const auto count = [&](int n) { return args.size() == n; };
    if (name == QLatin1String("status")) {
        if (!count(0))
            return badUsage(*sub, QStringLiteral("takes no arguments"));
        const bool asJson = parser.isSet(json);
        p.command = [asJson](Context &c) { return status(c, asJson); };
    } else if (name == QLatin1String("profile")) {
        if (!count(1))
            return badUsage(*sub, QStringLiteral("needs the profile number"));
        p.command = [args](Context &c) { return profile(c, args.at(0)); };
    } else if (name == QLatin1String("dpi")) {
        if (!count(1))
            return badUsage(*sub, QStringLiteral("needs one comma-separated list of DPI values"));
        const QString k = parser.isSet(stage) ? parser.value(stage) : QString();
        p.command = [args, k](Context &c) { return dpi(c, args.at(0), k); };
    } else if (name == QLatin1String("rate")) {
        if (!count(1))
            return badUsage(*sub, QStringLiteral("needs the report rate"));
        p.command = [args](Context &c) { return rate(c, args.at(0)); };
    } else if (name == QLatin1String("light")) {
        if (!count(1))
            return badUsage(*sub, QStringLiteral("needs the effect, or \"off\""));
        const QString s = parser.isSet(speed) ? parser.value(speed) : QString();
        const QString b = parser.isSet(brightness) ? parser.value(brightness) : QString();
        p.command = [args, s, b](Context &c) { return light(c, args.at(0), s, b); };
    } else if (name == QLatin1String("export")) {
        if (!count(2))
            return badUsage(*sub, QStringLiteral("needs the profile number and the file"));
        p.command = [args, base](Context &c) { return exportProfile(c, args.at(0), base.absoluteFilePath(args.at(1))); };
    } else if (name == QLatin1String("import")) {
        if (!count(2))
            return badUsage(*sub, QStringLiteral("needs the file and the profile number"));
        p.command = [args, base](Context &c) { return importProfile(c, base.absoluteFilePath(args.at(0)), args.at(1)); };
    } else {
        const QString action = args.value(0);
        if (action == QLatin1String("list") && count(1)) {
            p.command = [](Context &) { return macroList(); };
        } else if (action == QLatin1String("export") && count(3)) {
            p.command = [args, base](Context &) { return macroExport(args.at(1), base.absoluteFilePath(args.at(2))); };
        } else if (action == QLatin1String("import") && count(2)) {
            const QString n = parser.isSet(macroName) ? parser.value(macroName) : QString();
            p.command = [args, n, base](Context &c) { return macroImport(c, base.absoluteFilePath(args.at(1)), n); };
        } else {
            return badUsage(*sub, QStringLiteral("needs \"list\", \"export NAME FILE\" or \"import FILE\""));
        }
    }
    return p;
}

void write(const Result &r)
{
    std::fputs(r.out.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    std::fputs(r.err.toLocal8Bit().constData(), stderr);
}
} // namespace

bool wanted(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const QString first = QString::fromLocal8Bit(argv[1]);
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("-v")
        || first == QLatin1String("--version") || first == QLatin1String("help"))
        return true;
    for (const Subcommand &s : subcommands())
        if (s.name == first)
            return true;
    return false;
}

Result execute(const QStringList &arguments, const QString &base, const std::function<Context &()> &context)
{
    Parsed p = parse(arguments, QDir(base));
    if (!p.command)
        return p.early;
    return p.command(context());
}

int run(const QString &folder, const QStringList &arguments)
{
    // File names count from where the command was typed; the program's own files from
    // its folder.
    const QString typedIn = QDir::currentPath();
    const Parsed parsed = parse(arguments, QDir(typedIn));
    if (!parsed.command) {
        write(parsed.early);
        return parsed.early.status;
    }
    const LayoutScope layout(folder);
    // The link's debug lines ("Device Connect") are for the window's log, not a terminal.
    if (qEnvironmentVariableIsEmpty("R5_CLI_DEBUG"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    // A running window owns the files and the mouse: it carries the command out, so its
    // pages show the change. Another command line may hold the lock for a moment.
    SingleInstance guard(settingsFolder());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const SingleInstance::Claim claim = guard.holdQuietly();
        if (claim != SingleInstance::Claim::Forwarded)
            break;
        Result handed;
        if (handOff(settingsFolder(), typedIn, arguments, &handed)) {
            write(handed);
            return handed.status;
        }
        if (waited.elapsed() > kHandOffPatienceMs) {
            Result refused;
            refused.fail(NoDevice, QStringLiteral("a window of %1 is running and did not take the command; "
                                                  "nothing was changed. Try again, or close the window.")
                                       .arg(kProgram));
            write(refused);
            return refused.status;
        }
        QThread::msleep(100);
    }
    Session session;
    const Result result = parsed.command(session);
    write(result);
    return result.status;
}

} // namespace Cli
