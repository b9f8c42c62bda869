// kerovant-cli: the clock from a script. It prints what the clock reports,
// sets every setting the window sets (through the same rules as its
// dialogs), keeps a clock's settings in a profile file and writes one back
// with a check, and can trace the link.
//
//   kerovant-cli [--port PATH] [--timeout SECONDS] [--trace FILE] COMMAND ...
//
// Every command that changes the clock reads the argument first and refuses
// a bad one before the clock is reached (exit 2, nothing sent), then waits
// for the clock to be identified, reads its configuration, changes what the
// command names, sends it and waits for the link's word on that write: exit
// 0 only when it landed (acknowledged, and a configuration read back as
// sent), 1 naming what became of it otherwise, 3 when the clock holds other
// values than were sent.
#include "CliSettings.h"
#include "ClockCodec.h"
#include "ClockOffset.h"
#include "ClockSession.h"
#include "ConfigText.h"
#include "DstText.h"
#include "HandCommands.h"
#include "LinkTrace.h"
#include "Profile.h"
#include "SecondSet.h"
#include "StatusText.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The signal may arrive on any of the program's threads (the link's
// included) while the main thread reads it: a lock-free atomic, which a
// handler may store to and another thread may read.
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);

// The wake-up that the session's waits sleep on, or -1: the handler gives
// it after the flag is set, so a sleeping watch hears of the signal.
std::atomic<int> g_wakeFd{-1};

// Keeps the signal's number: SIGTERM ends with its own exit status.
void OnSignal(int signal)
{
    g_interrupted.store(signal, std::memory_order_relaxed);
    CWakeup::Notify(g_wakeFd.load(std::memory_order_relaxed));
}

std::string Text(const QString& text)
{
    return text.toStdString();
}

std::chrono::sys_seconds Now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

// --- help ---

const char kDescription[] =
    "Shows and sets what an Orvessa wall clock on a USB cable reports, for scripts.\n"
    "\n"
    "Commands:\n"
    "  status [--raw]                  identity, times, offset, time code and settings\n"
    "  watch [--every-poll]            times, offset and time code, a line when they change\n"
    "  set timezone ZONE|+HH:MM[:SS]|-HH:MM[:SS]\n"
    "  set dst off|us|us-pre2007|eu|system|zone ZONE\n"
    "  set dst --start RULE --end RULE [--shift [-]H:MM[:SS]] [--utc|--local]\n"
    "  set time now|\"YYYY-MM-DD hh:mm:ss\"  (UTC)\n"
    "  set illumination 0..12\n"
    "  set timecode-date on|off\n"
    "  set motion sweep|step\n"
    "  hands stop                      stop the hands for setting\n"
    "  hands set HH:MM:SS [--motion sweep|step]\n"
    "                                  the time the hands show, then they run again\n"
    "  hands nudge [N]                 move the stopped seconds hand on N fifths of a second\n"
    "  hands start [--motion sweep|step]\n"
    "  export FILE|-                   the configuration as a profile (JSON)\n"
    "  import FILE|- [--dry-run]       write a profile, then read it back and compare\n"
    "\n"
    "'kerovant-cli COMMAND --help' describes a command. Exit status: 0 success,\n"
    "1 no clock, link lost, a write the clock refused or did not answer, or a file\n"
    "not written, 2 bad usage or a refused value (nothing sent), 3 the clock holds\n"
    "other values than were sent or the profile asked for, 130 interrupted (Ctrl-C)\n"
    "while waiting for the clock, 143 ended by SIGTERM.";

struct CommandHelp {
    const char* words;  // "set dst"
    const char* usage;  // the arguments after the words
    const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"status", "[--raw]",
     "Waits until the clock is identified and polled once, prints its product, family ID,\n"
     "firmware version, serial number and protocol version, its UTC and local time, how far\n"
     "its time is from this computer's and the time code it receives, then its settings in\n"
     "words: time zone, daylight-saving rules, illumination, whether it takes the date from\n"
     "the time code, hand motion. With --raw every field of its configuration record instead\n"
     "of the settings in words."},
    {"watch", "[--every-poll]",
     "Prints the clock's UTC and local time, the time code it receives and how far the clock\n"
     "is from this computer whenever the times or the time code change (about once a second;\n"
     "with --every-poll on every poll). When the clock cannot be reached a line on standard\n"
     "error says why (unplugged, no answer, damaged replies, replies of the wrong length, a\n"
     "NAK, ...); watch keeps trying, every 3.2 s as the window does, and says when the clock\n"
     "answers again. It runs until Ctrl-C (exit 0), SIGTERM (exit 143) or the end of\n"
     "--timeout SECONDS, the whole run's length (exit 0 when the clock answers then, else 1)."},
    {"set", "timezone|dst|time|illumination|timecode-date|motion ...",
     "Changes one setting of the clock. 'kerovant-cli set WHAT --help' describes each:\n"
     "  set timezone ZONE|+HH:MM[:SS]|-HH:MM[:SS]\n"
     "  set dst off|us|us-pre2007|eu|system|zone ZONE\n"
     "  set dst --start RULE --end RULE [--shift [-]H:MM[:SS]] [--utc|--local]\n"
     "  set time now|\"YYYY-MM-DD hh:mm:ss\"\n"
     "  set illumination 0..12\n"
     "  set timecode-date on|off\n"
     "  set motion sweep|step\n"
     "Each reads the clock's configuration, changes what it names, sends it and waits until\n"
     "the clock has acknowledged it and, for a configuration, reads it back. Exit 0 when it\n"
     "holds what was sent; 1 saying so when the clock refused the write (NAK), did not\n"
     "answer it or the link was lost; 3 naming the fields when it holds other values."},
    {"set timezone", "ZONE|+HH:MM[:SS]|-HH:MM[:SS]",
     "Sets the clock's time zone bias: the standard offset of a zone of the tz database\n"
     "(Europe/Berlin gives +1:00, America/New_York -5:00, as picking it in the window's\n"
     "Time Zone dialog does), or an offset east (+) or west (-) of UTC, hours 0 to 23.\n"
     "Daylight saving is set with 'set dst'. Write a negative offset after '--' or as\n"
     "the last word: kerovant-cli set timezone -05:00."},
    {"set dst", "off|us|us-pre2007|eu|system|zone ZONE  or  --start RULE --end RULE ...",
     "Sets the clock's daylight-saving rules, with the checks of the window's dialog:\n"
     "  off          daylight saving off\n"
     "  us           second Sunday of March to first Sunday of November, 02:00 local\n"
     "  us-pre2007   first Sunday of April to last Sunday of October, 02:00 local\n"
     "  eu           last Sunday of March to last Sunday of October, 01:00 UTC\n"
     "  system       the rules of this computer's time zone\n"
     "  zone ZONE    the rules of a zone of the tz database, such as Europe/Berlin\n"
     "(a zone without daylight saving turns it off)\n"
     "or by hand, both rules of one form:\n"
     "  --start RULE --end RULE [--shift [-]H:MM[:SS]] [--utc|--local]\n"
     "RULE is a weekday rule \"last Sun Mar 01:00\", \"2nd Sun Mar 02:00:00\" (1st, 2nd, 3rd,\n"
     "4th or last) or a fixed date \"Mar 29 02:00\". Without --shift or --utc/--local the\n"
     "clock's own stay. Prints the next two changes the clock will make."},
    {"set time", "now|\"YYYY-MM-DD hh:mm:ss\"",
     "Sets the clock's UTC date and time. 'now' takes this computer's UTC: the next whole\n"
     "second is sent so that it reaches the clock on that second's boundary (a wait of up\n"
     "to about a second), then the clock's offset measured afterwards is printed. A typed\n"
     "date must exist and lie in 2001 to 2099, the years the clock counts right; it is\n"
     "sent at once."},
    {"set illumination", "0..12", "Sets the level of the dial illumination (clocks of protocol version 2)."},
    {"set timecode-date", "on|off", "Whether the clock takes the date from the time code it receives."},
    {"set motion", "sweep|step", "How the hands move: sweep or step."},
    {"hands", "stop|set|nudge|start ...",
     "The steps of the window's hand position dialog, one at a time:\n"
     "  hands stop                                stop the hands for setting\n"
     "  hands set HH:MM:SS [--motion sweep|step]  tell the clock the time its hands show, then\n"
     "                                            start them again\n"
     "  hands nudge [N]                           move the stopped seconds hand on by N fifths\n"
     "                                            of a second (default 1)\n"
     "  hands start [--motion sweep|step]         start stopped hands again\n"
     "'kerovant-cli hands WHAT --help' describes each."},
    {"hands stop", "",
     "Stops the clock's hands for setting, as ticking \"Check to set clock\" in the window's\n"
     "hand position dialog does. 'hands set' or 'hands start' sets them moving again."},
    {"hands set", "HH:MM:SS [--motion sweep|step]",
     "Tells the clock the time its hands show now (hours 0 to 23), as the hand position\n"
     "dialog's OK does: the hands are stopped if they are not, the face time is sent, and\n"
     "the hands start again, in the motion given, else the one they had (sweep when they\n"
     "were stopped)."},
    {"hands nudge", "[N]",
     "Moves the stopped seconds hand on by N fifths of a second (1 to 300, default 1), as\n"
     "the hand position dialog's Forward does. The hands must be stopped ('hands stop')."},
    {"hands start", "[--motion sweep|step]",
     "Starts the hands again after 'hands stop', in the motion given, else sweep. Hands that\n"
     "run already change only to the motion given."},
    {"export", "FILE|-",
     "Writes the clock's configuration as a profile: JSON with every field by name, the\n"
     "clock's family ID, serial number and firmware for reference and a summary in words\n"
     "(not read on import). '-' writes to standard output."},
    {"import", "FILE|- [--dry-run]",
     "Reads a profile (from standard input for '-'), shows field by field what would\n"
     "change on this clock and writes it; then reads the configuration back from the\n"
     "clock and compares. Exit 0 when the clock holds what the profile asked for (after\n"
     "the normalisation every write applies), 3 naming the fields that differ. A profile\n"
     "from another family or protocol version is written with a warning; the\n"
     "illumination level is skipped for a clock of protocol version 1. --dry-run shows the\n"
     "changes and sends nothing."},
};

const CommandHelp* FindHelp(const std::string& words)
{
    for (const CommandHelp& help : kCommandHelp)
        if (words == help.words)
            return &help;
    return nullptr;
}

// --- options ---

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
                                              "(default: until interrupted)."),
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

struct CommandOptions {
    QCommandLineOption everyPoll{QStringLiteral("every-poll"),
                                 QStringLiteral("watch: a line on every poll, changed or not.")};
    QCommandLineOption raw{QStringLiteral("raw"),
                           QStringLiteral("status: every field of the configuration record, not the settings in "
                                          "words.")};
    QCommandLineOption start{QStringLiteral("start"), QStringLiteral("set dst: when daylight time starts."),
                             QStringLiteral("RULE")};
    QCommandLineOption end{QStringLiteral("end"), QStringLiteral("set dst: when daylight time ends."),
                           QStringLiteral("RULE")};
    QCommandLineOption shift{QStringLiteral("shift"), QStringLiteral("set dst: the daylight shift, [-]H:MM[:SS]."),
                             QStringLiteral("SHIFT")};
    QCommandLineOption utc{QStringLiteral("utc"), QStringLiteral("set dst: the rules' times are UTC.")};
    QCommandLineOption local{QStringLiteral("local"), QStringLiteral("set dst: the rules' times are local time.")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"), QStringLiteral("import: show the changes, send nothing.")};
    QCommandLineOption motion{QStringLiteral("motion"),
                              QStringLiteral("hands set, hands start: how the hands move afterwards, sweep or step."),
                              QStringLiteral("MOTION")};
};

struct Invocation {
    LinkSettings settings;
    double timeoutSeconds = 0;
    std::string traceFile;
    std::string command;               // "status", "set", ...
    std::vector<std::string> words;    // the command's arguments
    std::optional<std::string> start;  // set dst
    std::optional<std::string> end;
    std::optional<std::string> shift;
    bool utc = false;
    bool local = false;
    bool everyPoll = false;
    bool raw = false;
    bool dryRun = false;
    std::optional<std::string> motion;  // hands set, hands start
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

// A value refused before anything was sent.
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

void PrintHelp(const QString& text)
{
    std::fputs(Text(text).c_str(), stdout);
}

// Reads the command line. Returns an exit status when there is nothing to
// run (help, version, bad usage).
std::optional<int> ParseArguments(const QStringList& arguments, Invocation& run)
{
    const GlobalOptions global;
    const CommandOptions commandOptions;

    // First the options before the command; everything from the command on
    // is the command's.
    QCommandLineParser first;
    first.setApplicationDescription(QString::fromLatin1(kDescription));
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
    QStringList rest = first.positionalArguments();
    if (first.isSet(global.help) || rest.isEmpty()) {
        if (!first.isSet(global.help))
            return Usage(QStringLiteral("no command given"));
        PrintHelp(first.helpText());
        return kExitOk;
    }

    // The command's words: "set" and "hands" take a second one.
    run.command = Text(rest.takeFirst());
    std::string words = run.command;
    if ((run.command == "set" || run.command == "hands") && !rest.isEmpty() &&
        !rest.first().startsWith(QLatin1Char('-'))) {
        words += " " + Text(rest.first());
        rest.removeFirst();
    }
    const CommandHelp* help = FindHelp(words);
    if (!help)
        return Usage(QStringLiteral("unknown command '%1'").arg(QString::fromStdString(words)));

    QCommandLineParser second;
    second.setApplicationDescription(QString::fromLatin1(help->text));
    global.AddTo(second);
    second.addPositionalArgument(QString::fromLatin1(help->words), QString::fromLatin1(help->usage),
                                 QStringLiteral("%1 %2").arg(QLatin1String(help->words), QLatin1String(help->usage)));
    QStringList valueOptions = {QStringLiteral("--port"), QStringLiteral("--timeout"), QStringLiteral("--trace")};
    if (run.command == "watch")
        second.addOption(commandOptions.everyPoll);
    if (run.command == "status")
        second.addOption(commandOptions.raw);
    if (words == "set dst") {
        for (const QCommandLineOption* option : {&commandOptions.start, &commandOptions.end, &commandOptions.shift,
                                                 &commandOptions.utc, &commandOptions.local})
            second.addOption(*option);
        valueOptions << QStringLiteral("--start") << QStringLiteral("--end") << QStringLiteral("--shift");
    }
    if (run.command == "import")
        second.addOption(commandOptions.dryRun);
    if (words == "hands set" || words == "hands start") {
        second.addOption(commandOptions.motion);
        valueOptions << QStringLiteral("--motion");
    }
    QStringList secondArguments{QStringLiteral("kerovant-cli ") + QString::fromStdString(words)};
    secondArguments += ProtectNegativeNumbers(rest, valueOptions);
    if (!second.parse(secondArguments))
        return Usage(second.errorText());
    if (second.isSet(global.help)) {
        PrintHelp(second.helpText());
        return kExitOk;
    }
    if (second.isSet(global.version)) {
        std::printf("kerovant-cli %s\n", KEROVANT_VERSION);
        return kExitOk;
    }
    if (words == "set")
        return Usage(QStringLiteral("set what? timezone, dst, time, illumination, timecode-date or motion"));
    if (words == "hands")
        return Usage(QStringLiteral("hands what? stop, set, nudge or start"));

    // Global options may come before the command or after it.
    const auto value = [&](const QCommandLineOption& option) -> std::optional<QString> {
        if (second.isSet(option))
            return second.value(option);
        if (first.isSet(option))
            return first.value(option);
        return std::nullopt;
    };
    if (const auto port = value(global.port)) {
        if (port->isEmpty() || !SetDeviceName(run.settings, Text(*port)))
            return Usage(QStringLiteral("--port: the device path must have 1 to %1 characters")
                             .arg(sizeof run.settings.deviceName - 1));
    }
    if (const auto timeout = value(global.timeout)) {
        bool ok = false;
        run.timeoutSeconds = timeout->toDouble(&ok);
        if (!ok || !(run.timeoutSeconds > 0))
            return Usage(QStringLiteral("--timeout takes a positive number of seconds"));
    }
    if (const auto trace = value(global.trace)) {
        if (trace->isEmpty())
            return Usage(QStringLiteral("--trace needs a file name"));
        run.traceFile = Text(*trace);
    }
    run.command = words;
    for (const QString& word : second.positionalArguments())
        run.words.push_back(Text(word));
    if (run.command == "watch")
        run.everyPoll = second.isSet(commandOptions.everyPoll);
    if (run.command == "status")
        run.raw = second.isSet(commandOptions.raw);
    if (run.command == "import")
        run.dryRun = second.isSet(commandOptions.dryRun);
    if ((run.command == "hands set" || run.command == "hands start") && second.isSet(commandOptions.motion))
        run.motion = Text(second.value(commandOptions.motion));
    if (run.command == "set dst") {
        if (second.isSet(commandOptions.start))
            run.start = Text(second.value(commandOptions.start));
        if (second.isSet(commandOptions.end))
            run.end = Text(second.value(commandOptions.end));
        if (second.isSet(commandOptions.shift))
            run.shift = Text(second.value(commandOptions.shift));
        run.utc = second.isSet(commandOptions.utc);
        run.local = second.isSet(commandOptions.local);
    }
    return std::nullopt;
}

// --- status and watch ---

// "Label:  value" with the value in the status column.
std::string Column(const std::string& label, const std::string& value)
{
    constexpr size_t kValueColumn = 19;
    std::string line = label;
    line.resize(std::max(kValueColumn, label.size() + 1), ' ');
    return line + value;
}

// A status text "Label:  value" of the window, in the status column.
std::string Column(const std::string& windowText)
{
    const size_t colon = windowText.find(':');
    if (colon == std::string::npos)
        return windowText;
    const size_t value = windowText.find_first_not_of(' ', colon + 1);
    return Column(windowText.substr(0, colon + 1), value == std::string::npos ? "" : windowText.substr(value));
}

// Prints a record field by field.
class FieldPrinter {
public:
    void Flag(uint8_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U8(uint8_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U16(uint16_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U32(uint32_t v, const char* name) { std::printf("  %-20s %lu\n", name, static_cast<unsigned long>(v)); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* name)
    {
        std::printf("  %-20s", name);
        for (uint8_t v : values)
            std::printf(" %u", v);
        std::printf("\n");
    }
};

// How long status waits for the clock's offset to settle: a clock that
// counts whole seconds needs a step of its seconds, up to a second away.
constexpr auto kOffsetWait = 2s;
// Readings of a clock with fractions that status waits for.
constexpr size_t kOffsetReadings = 3;

// The clock's offset from this computer once enough readings are in, or
// what is known when the wait ends.
ClockOffset SettledOffset(const CClockDevice& device)
{
    const auto deadline = std::chrono::steady_clock::now() + kOffsetWait;
    for (;;) {
        ClockTimeHistory history;
        device.GetTimeHistory(history);
        const ClockOffset offset = EstimateClockOffset(history);
        const bool enough = offset.known && (offset.approximate || offset.count >= kOffsetReadings);
        if (enough || g_interrupted.load(std::memory_order_relaxed) != 0 || device.GetState() == LinkState::Failed ||
            std::chrono::steady_clock::now() > deadline)
            return offset;
        std::this_thread::sleep_for(20ms);
    }
}

std::string OffsetLine(const ClockOffset& offset)
{
    return offset.known ? ClockOffsetText(offset) : std::string(kClockOffsetLabel) + "not known";
}

std::string CurrentOffsetLine(const CClockDevice& device)
{
    ClockTimeHistory history;
    device.GetTimeHistory(history);
    return OffsetLine(EstimateClockOffset(history));
}

// raw: the configuration record field by field, else the settings in words.
void PrintStatus(const CClockDevice& device, bool raw)
{
    const uint8_t product = device.GetProductIndex();
    char family[16];
    std::snprintf(family, sizeof family, "0x%04X", device.GetFamilyId());
    if (product < kProductCount)
        std::printf(
            "%s\n",
            Column("Product:",
                   ProductTitle(product) + " (" + g_products[product].model + ", " + g_products[product].company + ")")
                .c_str());
    else
        std::printf("%s\n", Column("Product:", "unknown").c_str());
    std::printf("%s\n", Column("Family ID:", family).c_str());
    FirmwareVersion firmware;
    device.GetFirmwareVersion(firmware);
    std::printf("%s\n", Column(FirmwareText(firmware)).c_str());
    std::printf("%s\n", Column(SerialText(device.GetSerialNumber())).c_str());
    const uint8_t protocol = device.GetProtocolVersion();
    std::printf("%s\n", Column("Protocol version:", std::to_string(protocol)).c_str());
    // Whether the bridge hands replies on at once; the offset below is only
    // as good as that.
    if (const std::string latency = LowLatencyText(device.GetLowLatency().state); !latency.empty())
        std::printf("%s\n", Column("USB latency:", latency).c_str());
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    std::printf("%s\n", Column("UTC time:", FormatClockTime(utc)).c_str());
    std::printf("%s\n", Column(OffsetLine(SettledOffset(device))).c_str());
    std::printf("%s\n", Column("Local time:", FormatClockTime(local)).c_str());
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    std::printf("%s\n", Column("Time code:", TimeCodeText(status)).c_str());
    ClockConfig config;
    device.GetConfig(config);
    if (!raw) {
        for (const ConfigLine& line : DescribeConfig(config, protocol))
            std::printf("%s\n", Column(line.label, line.value).c_str());
        return;
    }
    std::printf("Configuration:\n");
    FieldPrinter printer;
    VisitConfig(printer, config, protocol);
    printer.Flag(config.useTimeCodeDate(), "useTimeCodeDate");
    printer.Flag(config.useTimeCodeDateAlt(), "useTimeCodeDateAlt");
}

std::string WatchLine(const CClockDevice& device)
{
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    return "UTC " + FormatClockTime(utc) + "   local " + FormatClockTime(local) + "   " + TimeCodeText(status);
}

int Watch(CClockSession& session, bool everyPoll)
{
    std::string lastLine;
    return session.Watch([&](const CClockDevice& device) {
        const std::string line = WatchLine(device);
        // The times have whole seconds: without --every-poll one line a
        // second, not ten identical ones. The offset moves by milliseconds
        // from poll to poll and makes no line of its own.
        if (everyPoll || line != lastLine) {
            std::printf("%s   %s\n", line.c_str(), CurrentOffsetLine(device).c_str());
            std::fflush(stdout);
            lastLine = line;
        }
    });
}

// --- setters ---

// The fields in which the clock differs from what was asked of it, on
// standard error after the sentence that introduces them.
void PrintDifferences(const std::string& sentence, const std::vector<FieldDifference>& differences)
{
    std::string names;
    for (const FieldDifference& d : differences)
        names += (names.empty() ? "" : ", ") + d.name;
    PrintError(sentence + (names.empty() ? std::string(".") : ": " + names));
    for (const FieldDifference& d : differences)
        std::fprintf(stderr, "  %-22s asked %s, holds %s\n", d.name.c_str(), d.before.c_str(), d.after.c_str());
}

// Sends a configuration and waits for its outcome. When the clock
// acknowledged it but its read-back holds other values (exit 3), the
// fields are named: what was sent, as every write normalises it, against
// what the clock holds.
int SendConfig(CClockSession& session, const ClockConfig& config, const std::string& what)
{
    const int status = session.Write(
        [&config](CClockDevice& device, WriteTicket& ticket) { return device.SetConfig(config, ticket); }, what);
    if (status != kExitMismatch)
        return status;
    ClockConfig expected = config;
    PrepareConfigForWrite(expected);
    ClockConfig held;
    const std::shared_ptr<CClockDevice> device = session.Device();
    device->GetConfig(held);
    PrintDifferences("the clock holds other values than were sent for the " + what,
                     CompareConfigs(expected, held, device->GetProtocolVersion()));
    return status;
}

// The setters' common road: identified, configuration read and changed,
// sent, and the write's outcome awaited.
int ChangeConfig(CClockSession& session, const std::function<std::optional<Refusal>(ClockConfig&)>& change,
                 const std::string& what)
{
    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    if (const std::optional<Refusal> refusal = change(config))
        return Refuse(*refusal);
    return SendConfig(session, config, what);
}

std::string Bias(int32_t bias)
{
    return "UTC" + FormatShift(bias);
}

int SetTimeZone(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set timezone takes one zone or offset, such as Europe/Berlin or -05:00"));
    const Checked<TimeZoneChoice> choice = ParseTimeZoneArgument(run.words[0], Now());
    if (const Refusal* refusal = RefusalOf(choice))
        return Refuse(*refusal);
    const TimeZoneChoice zone = std::get<TimeZoneChoice>(choice);
    const int status = ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            ApplyTimeZone(config, zone.bias);
            return std::nullopt;
        },
        "time zone");
    if (status == kExitOk) {
        const std::string named = zone.zoneId.empty() ? std::string() : " (" + zone.zoneId + ")";
        std::printf("Time zone bias set to %s%s.\n", Bias(zone.bias).c_str(), named.c_str());
    }
    return status;
}

int SetDst(CClockSession& session, const Invocation& run)
{
    Checked<DstRequest> parsed = Refusal{};
    if (run.start || run.end || run.shift || run.utc || run.local) {
        if (!run.words.empty())
            return Usage(QStringLiteral("set dst: give a choice (off, us, eu, ...) or --start and --end, not both"));
        if (!run.start || !run.end)
            return Usage(QStringLiteral("set dst: --start and --end go together"));
        parsed =
            ParseDstRules(*run.start, *run.end, run.shift ? std::optional<std::string_view>(*run.shift) : std::nullopt,
                          run.utc, run.local);
    } else {
        parsed = ParseDstWords(run.words);
    }
    if (const Refusal* refusal = RefusalOf(parsed))
        return Refuse(*refusal);
    const DstRequest request = std::get<DstRequest>(parsed);
    // The editor's check needs no clock: a refused rule, an unknown zone or
    // one without daylight saving is told before the clock is reached.
    ClockConfig sample;
    ResetDstDefaults(sample);
    const Checked<DstOutcome> trial = ApplyDst(sample, request, Now());
    if (const Refusal* refusal = RefusalOf(trial))
        return Refuse(*refusal);

    DstOutcome outcome;
    const int status = ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            Checked<DstOutcome> applied = ApplyDst(config, request, Now());
            if (const Refusal* refusal = RefusalOf(applied))
                return *refusal;
            outcome = std::get<DstOutcome>(applied);
            config = outcome.config;
            return std::nullopt;
        },
        "daylight-saving rules");
    if (status != kExitOk)
        return status;
    if (!outcome.importNote.empty())
        std::printf("%s\n", outcome.importNote.c_str());
    std::printf("Daylight-saving rules set. %s\n", outcome.preview.c_str());
    if (!outcome.zoneCheck.empty())
        std::printf("%s\n", outcome.zoneCheck.c_str());
    return kExitOk;
}

// "set time now": the computer's next whole second, timed to reach the
// clock on its boundary.
int SetTimeNow(CClockSession& session)
{
    if (const int status = session.Connect(false))
        return status;
    const std::shared_ptr<CClockDevice> device = session.Device();
    if (!device)
        return session.LinkLost();
    const SecondSetResult result =
        SetClockOnTheSecond(*device, [](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); });
    switch (result.outcome) {
    case SecondSetResult::Outcome::Sent: break;
    case SecondSetResult::Outcome::Refused:
        PrintError("the clock's link did not take the time; nothing was sent.");
        return kExitLink;
    case SecondSetResult::Outcome::NoAck:
        // The timed write tells an acknowledgement only, not a NAK from
        // silence.
        PrintError("the clock refused the time or did not answer it.");
        return kExitLink;
    case SecondSetResult::Outcome::Lost:
        if (device->GetState() == LinkState::Failed)
            return session.LinkLost();
        PrintError("the link did not say whether the time went out; set it again.");
        return kExitLink;
    }
    std::printf("Clock set to %s UTC on the second.\n", FormatDateTime(result.plan.calendar).c_str());
    // The readings from before the set were dropped with it: what follows is
    // measured afresh.
    std::printf("%s\n", OffsetLine(SettledOffset(*device)).c_str());
    return kExitOk;
}

int SetTime(CClockSession& session, const Invocation& run)
{
    if (run.words.size() == 1 && run.words[0] == "now")
        return SetTimeNow(session);
    std::string text;
    for (const std::string& word : run.words)
        text += (text.empty() ? "" : " ") + word;
    const Checked<ClockDateTime> parsed = ParseClockDateTime(text);
    if (const Refusal* refusal = RefusalOf(parsed))
        return Refuse(*refusal);
    const ClockDateTime when = std::get<ClockDateTime>(parsed);
    if (const int status = session.Connect(false))
        return status;
    const ClockTime time = CalendarToTimeValue(when);
    const int status = session.Write(
        [&time](CClockDevice& device, WriteTicket& ticket) { return device.SetClockTime(time, ticket); }, "time");
    if (status == kExitOk)
        std::printf("Clock set to %s UTC.\n", FormatDateTime(when).c_str());
    return status;
}

int SetIllumination(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set illumination takes one level from 0 to 12"));
    const Checked<uint8_t> level = ParseIllumination(run.words[0]);
    if (const Refusal* refusal = RefusalOf(level))
        return Refuse(*refusal);
    const uint8_t value = std::get<uint8_t>(level);
    return ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            const std::shared_ptr<CClockDevice> device = session.Device();
            if (device->GetProtocolVersion() != 2) {
                const ProfileClock clock = session.Identity();
                // Protocol version 1 carries no level: sending one would
                // change nothing and report success.
                return Refusal{"This clock (firmware " + std::to_string(clock.firmware.major) + "." +
                               std::to_string(clock.firmware.minor) + "." + std::to_string(clock.firmware.build) +
                               ", protocol version 1) has no illumination level."};
            }
            config.illumination = value;
            return std::nullopt;
        },
        "illumination level");
}

int SetTimeCodeDate(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set timecode-date takes on or off"));
    const Checked<bool> on = ParseOnOff(run.words[0], "timecode-date");
    if (const Refusal* refusal = RefusalOf(on))
        return Refuse(*refusal);
    return ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            ApplyTimeCodeDate(config, std::get<bool>(on));
            return std::nullopt;
        },
        "time code setting");
}

int SetMotion(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set motion takes sweep or step"));
    const Checked<uint8_t> motion = ParseMotion(run.words[0]);
    if (const Refusal* refusal = RefusalOf(motion))
        return Refuse(*refusal);
    return ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            // As the hand position command leaves the configuration.
            config.handMotion = std::get<uint8_t>(motion);
            config.configured = 1;
            config.valid = 1;
            return std::nullopt;
        },
        "hand motion");
}

// --- hands ---

std::string MotionName(uint8_t motion)
{
    return motion == kHandsStep ? "step" : "sweep";
}

// The motion the hands run in afterwards: the one given, else the one they
// have, else (stopped) sweep.
uint8_t RestartMotion(const std::optional<uint8_t>& given, const ClockConfig& config)
{
    if (given)
        return *given;
    return config.handMotion == kHandsStep ? kHandsStep : kHandsSweep;
}

// The configuration with the hands running again, as the window's command
// sends it after the hand position dialog.
ClockConfig Running(ClockConfig config, uint8_t motion)
{
    config.handMotion = motion;
    config.configured = 1;
    config.valid = 1;
    return config;
}

int SendHandCommand(CClockSession& session, void (*fill)(DisplayConfig&, uint32_t), uint32_t value,
                    const std::string& what)
{
    return session.Write(
        [&](CClockDevice& device, WriteTicket& ticket) {
            // All other bytes of the record stay as the clock last had them.
            DisplayConfig display;
            device.GetDisplayConfig(display);
            fill(display, value);
            return device.SetDisplayConfig(display, ticket);
        },
        what);
}

int Hands(CClockSession& session, const Invocation& run)
{
    std::optional<uint8_t> motion;
    if (run.motion) {
        const Checked<uint8_t> parsed = ParseMotion(*run.motion);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        motion = std::get<uint8_t>(parsed);
    }
    const std::string& c = run.command;
    const size_t expected = c == "hands set" ? 1 : 0;
    if (run.words.size() != expected && !(c == "hands nudge" && run.words.size() == 1))
        return Usage(QString::fromStdString(c +
                                            (expected                 ? " takes one face time, HH:MM:SS"
                                                 : c == "hands nudge" ? " takes at most one count"
                                                                      : " takes no arguments")));
    std::optional<ClockDateTime> face;
    unsigned nudges = 1;
    if (c == "hands set") {
        const Checked<ClockDateTime> parsed = ParseFaceTime(run.words[0]);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        face = std::get<ClockDateTime>(parsed);
    } else if (c == "hands nudge" && !run.words.empty()) {
        const Checked<unsigned> parsed = ParseNudgeCount(run.words[0]);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        nudges = std::get<unsigned>(parsed);
    }

    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    const bool stopped = config.handMotion == kHandsStopped;

    if (c == "hands stop") {
        if (stopped) {
            std::printf("The hands are stopped already.\n");
            return kExitOk;
        }
        ClockConfig stop = config;
        stop.handMotion = kHandsStopped;
        if (const int status = SendConfig(session, stop, "stop of the hands"))
            return status;
        std::printf("Hands stopped.\n");
        return kExitOk;
    }
    if (c == "hands nudge") {
        // The clock moves the hands only while they are stopped; the dialog
        // offers Forward only then.
        if (!stopped)
            return Refuse(Refusal{"The hands are moving; 'kerovant-cli hands stop' stops them for nudging."});
        for (unsigned i = 0; i < nudges; ++i) {
            // One hand command is queued at a time: each waits for the one
            // before it to be acknowledged.
            if (const int status = SendHandCommand(
                    session, [](DisplayConfig& d, uint32_t) { FillNudge(d); }, 0, "nudge of the seconds hand"))
                return status;
        }
        std::printf("Seconds hand moved on %u fifth%s of a second.\n", nudges, nudges == 1 ? "" : "s");
        return kExitOk;
    }
    const uint8_t restart = RestartMotion(motion, config);
    if (c == "hands set") {
        // The clock takes a face time only while its hands are stopped.
        if (!stopped) {
            ClockConfig stop = config;
            stop.handMotion = kHandsStopped;
            if (const int status = SendConfig(session, stop, "stop of the hands"))
                return status;
        }
        // 00:00:00 is sent like any other face time: typed here, it is no
        // field left untouched, which is what the dialog asks about.
        if (const int status = SendHandCommand(session, FillSetFace, CalendarToTimeValue(*face).seconds, "face time"))
            return status;
        if (const int status = SendConfig(session, Running(config, restart), "restart of the hands"))
            return status;
        std::printf("Face time set to %02u:%02u:%02u; the hands run again (%s).\n", face->hour, face->minute,
                    face->second, MotionName(restart).c_str());
        return kExitOk;
    }
    // hands start
    if (!stopped && config.handMotion == restart) {
        std::printf("The hands run already (%s).\n", MotionName(restart).c_str());
        return kExitOk;
    }
    if (const int status = SendConfig(session, Running(config, restart), "start of the hands"))
        return status;
    std::printf("Hands running (%s).\n", MotionName(restart).c_str());
    return kExitOk;
}

// --- profiles ---

int Export(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("export takes one file name, or - for standard output"));
    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    const std::string text = ExportProfile(config, session.Identity());
    const std::string& file = run.words[0];
    if (file == "-") {
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitLink;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        PrintError("cannot write " + file + ": " + std::strerror(errno));
        return kExitLink;
    }
    return kExitOk;
}

int Import(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("import takes one file name, or - for standard input"));
    const std::string& file = run.words[0];
    std::ifstream in;
    if (file != "-") {
        in.open(file, std::ios::binary);
        if (!in) {
            PrintError("cannot read " + file + ": " + std::strerror(errno));
            return kExitUsage;
        }
    }
    std::istream& source = file == "-" ? std::cin : in;
    // A profile is a few kilobytes; anything far larger is no profile, and
    // is not read whole into memory to find that out.
    constexpr size_t kLargestProfile = 1 << 20;
    std::string text(kLargestProfile + 1, '\0');
    source.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(source.gcount()));
    if (text.size() > kLargestProfile) {
        PrintError((file == "-" ? std::string("standard input") : file) + " is larger than a profile can be (1 MiB).");
        return kExitUsage;
    }
    const ProfileImport imported = ImportProfile(text);
    if (!imported.profile) {
        PrintError((file == "-" ? std::string("standard input") : file) + ", " + imported.error);
        return kExitUsage;
    }
    const Profile& profile = *imported.profile;

    if (const int status = session.Connect(false))
        return status;
    const ProfileClock clock = session.Identity();
    for (const std::string& warning : ImportWarnings(profile, clock))
        std::fprintf(stderr, "kerovant-cli: warning: %s\n", warning.c_str());
    ClockConfig current;
    session.Device()->GetConfig(current);
    const ClockConfig target = ProfileTarget(current, profile, clock.protocolVersion);
    // What the clock will hold: the profile as every write normalises it.
    ClockConfig expected = target;
    NormaliseForWrite(expected);
    if (IsDstInvalid(expected, true))
        std::fprintf(stderr,
                     "kerovant-cli: warning: the profile's daylight-saving rules fail the clock's checks; the write "
                     "replaces them with the defaults.\n");
    const std::vector<FieldDifference> changes = CompareConfigs(current, expected, clock.protocolVersion);
    if (changes.empty())
        std::printf("No field changes: the clock holds this profile already.\n");
    else
        std::printf("%s:\n", run.dryRun ? "Would change" : "Changing");
    for (const FieldDifference& change : changes)
        std::printf("  %-22s %s -> %s\n", change.name.c_str(), change.before.c_str(), change.after.c_str());
    if (run.dryRun)
        return kExitOk;

    // A write the clock acknowledged but whose read-back differs goes on to
    // the comparison below, which names the fields.
    const int written = session.Write(
        [&target](CClockDevice& device, WriteTicket& ticket) { return device.SetConfig(target, ticket); }, "profile");
    if (written != kExitOk && written != kExitMismatch)
        return written;
    // A fresh identification read: what the clock holds now, not what the
    // link last sent.
    if (const int status = session.Reconnect())
        return status;
    ClockConfig held;
    session.Device()->GetConfig(held);
    const std::vector<FieldDifference> differences = CompareConfigs(expected, held, clock.protocolVersion);
    if (differences.empty()) {
        std::printf("The clock holds the profile.\n");
        return kExitOk;
    }
    PrintDifferences("the clock holds other values than the profile asked for", differences);
    return kExitMismatch;
}

int RunCommand(CClockSession& session, const Invocation& run)
{
    const std::string& c = run.command;
    if (c == "status") {
        if (!run.words.empty())
            return Usage(QStringLiteral("status takes no arguments"));
        if (const int status = session.Connect(true))
            return status;
        PrintStatus(*session.Device(), run.raw);
        return kExitOk;
    }
    if (c == "watch") {
        if (!run.words.empty())
            return Usage(QStringLiteral("watch takes no arguments"));
        return Watch(session, run.everyPoll);
    }
    if (c == "set timezone")
        return SetTimeZone(session, run);
    if (c == "set dst")
        return SetDst(session, run);
    if (c == "set time")
        return SetTime(session, run);
    if (c == "set illumination")
        return SetIllumination(session, run);
    if (c == "set timecode-date")
        return SetTimeCodeDate(session, run);
    if (c == "set motion")
        return SetMotion(session, run);
    if (c.rfind("hands ", 0) == 0)
        return Hands(session, run);
    if (c == "export")
        return Export(session, run);
    if (c == "import")
        return Import(session, run);
    return Usage(QStringLiteral("unknown command '%1'").arg(QString::fromStdString(c)));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kerovant-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEROVANT_VERSION));

    Invocation run;
    if (const std::optional<int> done = ParseArguments(QCoreApplication::arguments(), run))
        return *done;

    const auto wakeup = std::make_shared<CWakeup>();
    g_wakeFd.store(wakeup->Fd(), std::memory_order_relaxed);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

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
        status = RunCommand(session, run);
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
