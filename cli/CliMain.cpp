// kerovant-cli: the clock from a script. It prints what the clock reports,
// sets every setting the window sets (through the same rules as its
// dialogs), keeps a clock's settings in a profile file and writes one back
// with a check, and can trace the link.
//
//   kerovant-cli [--port PATH] [--timeout SECONDS] [--trace FILE] COMMAND ...
//
// The commands are the rows of the command table (CliCommands.h); this file
// reads the command line through it and runs the row's function.
//
// Every command that changes the clock reads the argument first and refuses
// a bad one before the clock is reached (exit 2, nothing sent), then waits
// for the clock to be identified, reads its configuration, changes what the
// command names, sends it and waits for the link's word on that write: exit
// 0 only when it landed (acknowledged, and a configuration read back as
// sent), 1 naming what became of it otherwise, 3 when the clock holds other
#include "CliCommands.h"
#include "LinkTrace.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>

// The signal may arrive on any of the program's threads (the link's
// included) while the main thread reads it: a lock-free atomic, which a
// handler may store to and another thread may read.
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);

namespace {

// The longest --timeout: a week, long enough for any wait or watched run
// and far inside what the deadline's clock can count.
constexpr int kLongestTimeoutSeconds = 7 * 24 * 3600;

}  // namespace

std::string Text(const QString& text)
{
    return text.toStdString();
}

std::chrono::sys_seconds Now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

int Refuse(const Refusal& refusal)
{
    PrintError(refusal.message + " Nothing was sent.");
    return kExitUsage;
}

int Usage(const QString& message)
{
    PrintError(Text(message));
    std::fprintf(stderr, "Try 'kerovant-cli --help'.\n");
    return kExitUsage;
}

namespace {

// The wake-up that the session's waits sleep on, or -1: the handler gives
// it after the flag is set, so a sleeping watch hears of the signal.
std::atomic<int> g_wakeFd{-1};

// Keeps the signal's number: SIGTERM ends with its own exit status. SIGHUP
// (the terminal or session gone) and SIGQUIT end the program as SIGTERM
// does, with its status: their default would end it on the spot, leaving
// behind what an orderly end removes (watch's metrics file).
void OnSignal(int signal)
{
    // SIGALRM is check's own timer and keeps its name.
    const int kept = signal == SIGINT || signal == SIGALRM ? signal : SIGTERM;
    g_interrupted.store(kept, std::memory_order_relaxed);
    CWakeup::Notify(g_wakeFd.load(std::memory_order_relaxed));
}

// --- help ---

// The program's --help above its options: the commands come from the
// command table, each with its usage and summary.
std::string Description()
{
    return "Shows and sets what an Orvessa wall clock on a USB cable reports, for scripts.\n"
           "\n" +
        CommandOverview() +
        "\n"
        "'kerovant-cli COMMAND --help' describes a command. Exit status: 0 success,\n"
        "1 no clock, link lost, a write the clock refused or did not answer, or a file\n"
        "not written, 2 bad usage or a refused value (nothing sent), 3 the clock holds\n"
        "other values than were sent or the profile asked for, 130 interrupted (Ctrl-C)\n"
        "while waiting for the clock, 143 ended by SIGTERM, SIGHUP or SIGQUIT. check exits\n"
        "as a monitoring plugin does: 0 OK, 1 WARNING, 2 CRITICAL, 3 UNKNOWN.";
}

struct GlobalOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the version and exits.")};
    QCommandLineOption port{QStringLiteral("port"),
                            QStringLiteral("The clock's serial device (default: the first USB bridge)."),
                            QStringLiteral("PATH")};
    QCommandLineOption timeout{QStringLiteral("timeout"),
                               QStringLiteral("Give up waiting for the clock after this long (default: when "
                                              "the link gives up, about 3 s); for watch, the whole run's length "
                                              "(default: until interrupted). At most a week (604800 s); "
                                              "more is taken as a week."),
                               QStringLiteral("SECONDS")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Write every frame and event of the link to FILE, one line each."),
                             QStringLiteral("FILE")};

    void AddTo(QCommandLineParser& parser) const
    {
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(port);
        parser.addOption(timeout);
        parser.addOption(trace);
    }
};

// A monitoring plugin's command line (check) follows the plugins'
// conventions after the command: -t is --timeout, -V --version, and -v,
// given once or more, asks for more lines.
struct PluginOptions {
    QCommandLineOption version{{QStringLiteral("V"), QStringLiteral("version")},
                               QStringLiteral("Shows the version and exits.")};
    QCommandLineOption timeout{{QStringLiteral("t"), QStringLiteral("timeout")},
                               QStringLiteral("The whole run's length: a CRITICAL line when it ends without a "
                                              "result (default 10)."),
                               QStringLiteral("SECONDS")};
    QCommandLineOption verbose{{QStringLiteral("v"), QStringLiteral("verbose")},
                               QStringLiteral("More lines after the first: -v the clock, -vv its settings too.")};

    // The global options with these in place of their own.
    void AddTo(QCommandLineParser& parser, const GlobalOptions& global) const
    {
        parser.addOption(global.help);
        parser.addOption(version);
        parser.addOption(global.port);
        parser.addOption(timeout);
        parser.addOption(global.trace);
        parser.addOption(verbose);
    }
};

// A word that begins with a minus and a digit is an offset or a shift, not an
// option (no option's name starts with a digit); protect it with "--" unless
// it is the value of the option before it.
QStringList ProtectNegativeNumbers(const QStringList& arguments, const QStringList& valueOptions)
{
    static const QRegularExpression negative(QStringLiteral("^-[0-9]"));
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--")) {
            out += arguments.mid(i);
            return out;
        }
        if (i > 0 && valueOptions.contains(arguments[i - 1]) && !out.isEmpty() && out.back() == arguments[i - 1]) {
            out << arg;
            continue;
        }
        if (negative.match(arg).hasMatch()) {
            out << QStringLiteral("--");
            out += arguments.mid(i);
            return out;
        }
        out << arg;
    }
    return out;
}

void PrintHelp(const QString& text)
{
    std::fputs(Text(text).c_str(), stdout);
}

// The command's own options added to its parser, as (name, option) pairs;
// the names of those that take a value are added to valueOptions.
std::vector<std::pair<std::string, QCommandLineOption>>
AddCommandOptions(QCommandLineParser& parser, const CommandSpec& command, QStringList& valueOptions)
{
    std::vector<std::pair<std::string, QCommandLineOption>> options;
    for (const QString& name : QString::fromLatin1(command.options).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const OptionSpec* row = FindOption(Text(name));
        if (!row)
            continue;
        QStringList names{name};
        if (row->shortName)
            names.prepend(QString::fromLatin1(row->shortName));
        QCommandLineOption option(names, QString::fromLatin1(row->description));
        if (row->valueName) {
            option.setValueName(QString::fromLatin1(row->valueName));
            valueOptions << QStringLiteral("--") + name;
            if (row->shortName)
                valueOptions << QStringLiteral("-") + QString::fromLatin1(row->shortName);
        }
        parser.addOption(option);
        options.emplace_back(row->name, option);
    }
    return options;
}

// A refused command line, said the command's way: a monitoring plugin says
// what is wrong with its usage in its own way.
int CommandUsage(const CommandSpec& command, bool json, const QString& message)
{
    return command.plugin ? PluginUnknown(Text(message), json) : Usage(message);
}

// Takes the options before the command. Returns an exit status when there
// is nothing to run (help, version, bad usage, no command).
std::optional<int> ParseBeforeCommand(QCommandLineParser& first, const GlobalOptions& global,
                                      const QStringList& arguments)
{
    first.setApplicationDescription(QString::fromStdString(Description()));
    first.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    global.AddTo(first);
    first.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("What to do (see above)."),
                                QStringLiteral("COMMAND [arguments]"));
    if (!first.parse(arguments))
        return Usage(first.errorText());
    if (first.isSet(global.version)) {
        std::printf("kerovant-cli %s\n", KEROVANT_VERSION);
        return kExitOk;
    }
    if (first.isSet(global.help) || first.positionalArguments().isEmpty()) {
        if (!first.isSet(global.help))
            return Usage(QStringLiteral("no command given"));
        PrintHelp(first.helpText());
        return kExitOk;
    }
    return std::nullopt;
}

// Takes the global options, given before the command or after it. Returns
// an exit status when one is refused.
std::optional<int> TakeGlobalOptions(const QCommandLineParser& first, const QCommandLineParser& second,
                                     const GlobalOptions& global, const CommandSpec& command, bool json,
                                     Invocation& run)
{
    const auto value = [&](const QCommandLineOption& option) -> std::optional<QString> {
        if (second.isSet(option))
            return second.value(option);
        if (first.isSet(option))
            return first.value(option);
        return std::nullopt;
    };
    if (const auto port = value(global.port)) {
        if (port->isEmpty() || !SetDeviceName(run.settings, Text(*port)))
            return CommandUsage(command, json,
                                QStringLiteral("--port: the device path must have 1 to %1 characters")
                                    .arg(sizeof run.settings.deviceName - 1));
    }
    if (const auto timeout = value(global.timeout)) {
        bool ok = false;
        run.timeoutSeconds = timeout->toDouble(&ok);
        if (!ok || !(run.timeoutSeconds > 0) || !std::isfinite(run.timeoutSeconds))
            return CommandUsage(command, json,
                                QStringLiteral("--timeout takes a positive number of seconds (at most %1), not '%2'")
                                    .arg(kLongestTimeoutSeconds)
                                    .arg(*timeout));
        // Longer runs are taken as the longest: the deadline stays a time
        // the clocks can count to.
        run.timeoutSeconds = std::min(run.timeoutSeconds, double{kLongestTimeoutSeconds});
    }
    if (const auto trace = value(global.trace)) {
        if (trace->isEmpty())
            return CommandUsage(command, json, QStringLiteral("--trace needs a file name"));
        run.traceFile = Text(*trace);
    }
    return std::nullopt;
}

// Reads the command line. Returns an exit status when there is nothing to
// run (help, version, bad usage).
std::optional<int> ParseArguments(const QStringList& arguments, Invocation& run)
{
    const GlobalOptions global;

    // First the options before the command; everything from the command on
    // is the command's.
    QCommandLineParser first;
    if (const std::optional<int> status = ParseBeforeCommand(first, global, arguments))
        return status;
    QStringList rest = first.positionalArguments();

    // The command's words: a group ("set", "hands") takes a second one.
    std::string words = Text(rest.takeFirst());
    if (IsCommandGroup(words) && !rest.isEmpty() && !rest.first().startsWith(QLatin1Char('-'))) {
        words += " " + Text(rest.first());
        rest.removeFirst();
    }
    const CommandSpec* command = FindCommand(words);
    if (!command)
        return Usage(QStringLiteral("unknown command '%1'").arg(QString::fromStdString(words)));
    const bool json = rest.contains(QStringLiteral("--json"));

    QCommandLineParser second;
    second.setApplicationDescription(QString::fromLatin1(command->text));
    // The options after the command are known to the parser by their long
    // names (isSet and value look them up by name), so --timeout is found
    // as -t too.
    const PluginOptions plugin;
    if (command->plugin)
        plugin.AddTo(second, global);
    else
        global.AddTo(second);
    second.addPositionalArgument(
        QString::fromLatin1(command->words), QString::fromLatin1(command->usage),
        QStringLiteral("%1 %2").arg(QLatin1String(command->words), QLatin1String(command->usage)));
    QStringList valueOptions = {QStringLiteral("--port"), QStringLiteral("--timeout"), QStringLiteral("--trace"),
                                QStringLiteral("-t")};
    const auto options = AddCommandOptions(second, *command, valueOptions);
    QStringList secondArguments{QStringLiteral("kerovant-cli ") + QString::fromStdString(words)};
    secondArguments += ProtectNegativeNumbers(rest, valueOptions);
    if (!second.parse(secondArguments))
        return CommandUsage(*command, json, second.errorText());
    if (second.isSet(global.help)) {
        PrintHelp(second.helpText());
        return kExitOk;
    }
    if (second.isSet(QStringLiteral("version"))) {
        std::printf("kerovant-cli %s\n", KEROVANT_VERSION);
        return kExitOk;
    }
    if (!command->run)
        return Usage(QString::fromLatin1(command->groupUsage));
    if (const std::optional<int> status = TakeGlobalOptions(first, second, global, *command, json, run))
        return status;

    if (command->plugin)
        for (const QString& name : second.optionNames())
            run.verbosity += name == QLatin1String("v") || name == QLatin1String("verbose");
    run.command = words;
    for (const QString& word : second.positionalArguments())
        run.words.push_back(Text(word));
    for (const auto& [name, option] : options)
        if (second.isSet(option))
            run.options[name] = option.valueName().isEmpty() ? std::string() : Text(second.value(option));
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Qt takes the whole locale from LANG; numbers keep '.' (the program
    // speaks English, and scripts, monitors and spreadsheets parse what it
    // prints). The formatters of machine output do not rely on this alone.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName(QStringLiteral("kerovant-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEROVANT_VERSION));

    Invocation run;
    if (const std::optional<int> done = ParseArguments(QCoreApplication::arguments(), run))
        return *done;

    const auto wakeup = std::make_shared<CWakeup>();
    g_wakeFd.store(wakeup->Fd(), std::memory_order_relaxed);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    // check's whole-run --timeout (an interval timer it sets).
    std::signal(SIGALRM, OnSignal);
    std::signal(SIGHUP, OnSignal);
    std::signal(SIGQUIT, OnSignal);

    std::shared_ptr<CLinkTraceFile> trace;
    if (!run.traceFile.empty()) {
        trace = std::make_shared<CLinkTraceFile>();
        std::string error;
        if (!trace->Open(run.traceFile, &error)) {
            PrintError("cannot write the trace to " + run.traceFile + ": " + error);
            return kExitUsage;
        }
    }
    int status = kExitOk;
    {
        CClockSession::Options options;
        options.settings = run.settings;
        options.timeoutSeconds = run.timeoutSeconds;
        options.observer = trace;
        options.interrupted = &g_interrupted;
        options.wakeup = wakeup;
        CClockSession session(options);
        status = FindCommand(run.command)->run(session, run);
        // The link's last events reach the trace before it is closed.
        session.Close();
    }
    // A signal from here on finds nobody waiting, and no descriptor that
    // may be closed under it.
    g_wakeFd.store(-1, std::memory_order_relaxed);
    if (trace) {
        std::string error;
        if (!trace->Close(&error))
            PrintError(error);
    }
    return status;
}
