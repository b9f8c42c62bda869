// The command table: every command's words, arguments, help text, options
// and the function that runs it. A new command is one row here and one
// function in a Commands*.cpp file.
#include "CliCommands.h"

namespace {

const OptionSpec kOptions[] = {
    {"every-poll", nullptr, "watch: a line on every poll, changed or not."},
    {"raw", nullptr, "status: every field of the configuration record, not the settings in words."},
    {"start", "RULE", "set dst: when daylight time starts."},
    {"end", "RULE", "set dst: when daylight time ends."},
    {"shift", "SHIFT", "set dst: the daylight shift, [-]H:MM[:SS]."},
    {"utc", nullptr, "set dst: the rules' times are UTC."},
    {"local", nullptr, "set dst: the rules' times are local time."},
    {"dry-run", nullptr, "import: show the changes, send nothing."},
    {"motion", "MOTION", "hands set, hands start: how the hands move afterwards, sweep or step."},
    {"json", nullptr,
     "status, check, export, import --dry-run: one JSON object, the keys as the manual page lists them."},
    {"warning", "RANGE",
     "check: WARNING when the offset from this computer lies outside RANGE: N seconds either way, or START:END, "
     "START:, ~:END, @START:END (inside) as monitoring plugins read them (default 0.5).",
     "w"},
    {"critical", "RANGE", "check: CRITICAL when the offset lies outside RANGE, as --warning (default 2).", "c"},
    {"time-code", "STATE",
     "check: the state when the clock receives no time code: warning (default), critical or "
     "ignore."},
    {"zone", "ZONE",
     "check: WARNING when the time zone and daylight-saving rules differ from this zone's; watch --metrics: "
     "whether they agree."},
    {"metrics", "FILE", "watch: the clock as Prometheus metrics in FILE, for node_exporter's textfile collector."},
    {"log", "FILE", "provision: the CSV file a row is appended to for each clock."},
    {"set-time", nullptr, "provision: set each clock's time on the second after the profile."},
};

const CommandSpec kCommands[] = {
    {"status", "[--raw|--json]", "identity, times, offset and settings",
     "Waits until the clock is identified and polled once, prints its product, family ID,\n"
     "firmware version, serial number and protocol version, its UTC and local time, how far\n"
     "its time is from this computer's and the time code it receives, then its settings in\n"
     "words: time zone, daylight-saving rules, illumination, whether it takes the date from\n"
     "the time code, hand motion. With --raw every field of its configuration record instead\n"
     "of the settings in words; with --json one JSON object with all of it.",
     "raw json", RunStatus, nullptr},
    {"watch", "[--every-poll | --metrics FILE [--zone ZONE]]", "times and offset as they change, or metrics",
     "Prints the clock's UTC and local time, the time code it receives and how far the clock\n"
     "is from this computer whenever the times or the time code change (about once a second;\n"
     "with --every-poll on every poll). When the clock cannot be reached a line on standard\n"
     "error says why (unplugged, no answer, damaged replies, replies of the wrong length, a\n"
     "NAK, ...); watch keeps trying, every 3.2 s as the window does, and says when the clock\n"
     "answers again. It runs until Ctrl-C (exit 0), SIGTERM (exit 143) or the end of\n"
     "--timeout SECONDS, the whole run's length (exit 0 when the clock answers then, else 1).\n"
     "With --metrics FILE no lines: FILE holds the clock as Prometheus metrics (up, offset,\n"
     "info, time code, failures and reconnections; with --zone ZONE whether the rules agree\n"
     "with that zone's), replaced whole every second and when the clock is lost or back, for\n"
     "node_exporter's textfile collector. FILE is removed when watch ends.",
     "every-poll metrics zone", RunWatch, nullptr},
    {"check", "[-w RANGE] [-c RANGE] [-t SECONDS] [--time-code STATE] [--zone ZONE] [-v] [--json]",
     "a line and exit status for monitoring",
     "A monitoring plugin (Nagios, Icinga and the like): one line that starts with OK,\n"
     "WARNING, CRITICAL or UNKNOWN, a short reason, then '|' and performance data\n"
     "(offset=0.003s;-0.5:0.5;-2:2, the ranges in the plugins' syntax). Exit 0 OK,\n"
     "1 WARNING, 2 CRITICAL, 3 UNKNOWN.\n"
     "WARNING: the clock's offset from this computer lies outside -w RANGE (default 0.5:\n"
     "half a second either way; 10: below 10 s, ~:10 above 10 s, @1:2 inside 1..2 s alert),\n"
     "the clock receives no time code (--time-code critical|warning|ignore), or with\n"
     "--zone ZONE its time zone bias or daylight-saving rules differ from that zone's in\n"
     "the tz data over the next ten years (the first difference named).\n"
     "CRITICAL: no clock, the link failing, a configuration the clock marks not valid,\n"
     "the offset outside -c RANGE (default 2), or no result within -t SECONDS (default\n"
     "10, the whole run). UNKNOWN: bad usage, or ended by SIGTERM or Ctrl-C. -v adds\n"
     "lines on the clock, -vv its settings. With --json one JSON object instead of the\n"
     "lines, with the same exit status.",
     "warning critical time-code zone json", RunCheck, nullptr, true},
    {"set", "timezone|dst|time|illumination|timecode-date|motion ...", "",
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
     "answer it or the link was lost; 3 naming the fields when it holds other values.",
     "", nullptr, "set what? timezone, dst, time, illumination, timecode-date or motion"},
    {"set timezone", "ZONE|+HH:MM[:SS]|-HH:MM[:SS]", "the time zone bias",
     "Sets the clock's time zone bias: the standard offset of a zone of the tz database\n"
     "(Europe/Berlin gives +1:00, America/New_York -5:00, as picking it in the window's\n"
     "Time Zone dialog does), or an offset east (+) or west (-) of UTC, hours 0 to 23.\n"
     "Daylight saving is set with 'set dst'. Write a negative offset after '--' or as\n"
     "the last word: kerovant-cli set timezone -05:00.",
     "", SetTimeZone, nullptr},
    {"set dst", "off|us|us-pre2007|eu|system|zone ZONE  or  --start RULE --end RULE ...", "the daylight-saving rules",
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
     "clock's own stay. Prints the next two changes the clock will make.",
     "start end shift utc local", SetDst, nullptr},
    {"set time", "now|\"YYYY-MM-DD hh:mm:ss\"", "the clock's UTC date and time",
     "Sets the clock's UTC date and time. 'now' takes this computer's UTC: the next whole\n"
     "second is sent so that it reaches the clock on that second's boundary (a wait of up\n"
     "to about a second), then the clock's offset measured afterwards is printed. A typed\n"
     "date must exist and lie in 2001 to 2099, the years the clock counts right; it is\n"
     "sent at once.",
     "", SetTime, nullptr},
    {"set illumination", "0..12", "the level of the dial illumination",
     "Sets the level of the dial illumination (clocks of protocol version 2).", "", SetIllumination, nullptr},
    {"set timecode-date", "on|off", "date from the time code, on or off",
     "Whether the clock takes the date from the time code it receives.", "", SetTimeCodeDate, nullptr},
    {"set motion", "sweep|step", "how the hands move", "How the hands move: sweep or step.", "", SetMotion, nullptr},
    {"hands", "stop|set|nudge|start ...", "",
     "The steps of the window's hand position dialog, one at a time:\n"
     "  hands stop                                stop the hands for setting\n"
     "  hands set HH:MM:SS [--motion sweep|step]  tell the clock the time its hands show, then\n"
     "                                            start them again\n"
     "  hands nudge [N]                           move the stopped seconds hand on by N fifths\n"
     "                                            of a second (default 1)\n"
     "  hands start [--motion sweep|step]         start stopped hands again\n"
     "'kerovant-cli hands WHAT --help' describes each.",
     "", nullptr, "hands what? stop, set, nudge or start"},
    {"hands stop", "", "stop the hands for setting",
     "Stops the clock's hands for setting, as ticking \"Check to set clock\" in the window's\n"
     "hand position dialog does. 'hands set' or 'hands start' sets them moving again.",
     "", HandsStop, nullptr},
    {"hands set", "HH:MM:SS [--motion sweep|step]", "the time the hands show, then they run again",
     "Tells the clock the time its hands show now (hours 0 to 23), as the hand position\n"
     "dialog's OK does: the hands are stopped if they are not, the face time is sent, and\n"
     "the hands start again, in the motion given, else the one they had (sweep when they\n"
     "were stopped).",
     "motion", HandsSet, nullptr},
    {"hands nudge", "[N]", "move the stopped seconds hand on N/5 s",
     "Moves the stopped seconds hand on by N fifths of a second (1 to 300, default 1), as\n"
     "the hand position dialog's Forward does. The hands must be stopped ('hands stop').",
     "", HandsNudge, nullptr},
    {"hands start", "[--motion sweep|step]", "start stopped hands again",
     "Starts the hands again after 'hands stop', in the motion given, else sweep. Hands that\n"
     "run already change only to the motion given.",
     "motion", HandsStart, nullptr},
    {"export", "FILE|-|--json", "the configuration as a profile (JSON)",
     "Writes the clock's configuration as a profile: JSON with every field by name, the\n"
     "clock's family ID, serial number and firmware for reference and a summary in words\n"
     "(not read on import). '-' writes to standard output, as does --json.",
     "json", Export, nullptr},
    {"import", "FILE|- [--dry-run [--json]]", "write a profile, then read it back and compare",
     "Reads a profile (from standard input for '-'), shows field by field what would\n"
     "change on this clock and writes it; then reads the configuration back from the\n"
     "clock and compares. Exit 0 when the clock holds what the profile asked for (after\n"
     "the normalisation every write applies), 3 naming the fields that differ. A profile\n"
     "from another family or protocol version is written with a warning; the\n"
     "illumination level is skipped for a clock of protocol version 1. --dry-run shows the\n"
     "changes and sends nothing; with --json as one JSON object, the exit status the same.",
     "dry-run json", Import, nullptr},
    {"provision", "PROFILE --log FILE.csv [--set-time]", "a crate of clocks, with a CSV receipt",
     "For a crate of clocks on one cable, one after the other: waits for a clock at the\n"
     "port, writes the profile and reads it back (as import does), with --set-time sets\n"
     "its time on the second, appends a row to the CSV log (date, port, serial number,\n"
     "family, firmware, result 'ok' or 'failed: reason', offset afterwards), prints one\n"
     "line, and waits until the clock is unplugged before it takes the next; a clock\n"
     "that failed is not written again while it stays plugged in. Ctrl-C or SIGTERM\n"
     "ends it with a summary (\"12 clocks: 11 ok, 1 failed\"): exit 0 when none failed,\n"
     "else 1. A profile or log that cannot be read or written is exit 2, before any\n"
     "clock is awaited.",
     "log set-time", Provision, nullptr},
};

}  // namespace

std::span<const CommandSpec> Commands()
{
    return kCommands;
}

std::span<const OptionSpec> CommandOptions()
{
    return kOptions;
}

const CommandSpec* FindCommand(const std::string& words)
{
    for (const CommandSpec& command : kCommands)
        if (words == command.words)
            return &command;
    return nullptr;
}

std::string CommandOverview()
{
    // "  status [--raw|--json]" and the summary beside it, or under it
    // where the usage is longer than the column.
    constexpr size_t kColumn = 34;
    std::string text = "Commands:\n";
    for (const CommandSpec& command : kCommands) {
        if (!command.run)
            continue;
        std::string line = std::string("  ") + command.words;
        if (*command.usage)
            line += std::string(" ") + command.usage;
        if (line.size() + 1 > kColumn)
            line += "\n" + std::string(kColumn, ' ');
        else
            line += std::string(kColumn - line.size(), ' ');
        text += line + command.summary + "\n";
    }
    return text;
}

const OptionSpec* FindOption(const std::string& name)
{
    for (const OptionSpec& option : kOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

bool IsCommandGroup(const std::string& word)
{
    const std::string prefix = word + " ";
    for (const CommandSpec& command : kCommands)
        if (std::string_view(command.words).starts_with(prefix))
            return true;
    return false;
}
