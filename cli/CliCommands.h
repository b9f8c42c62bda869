// kerovant-cli's commands. Each is one row of the command table
// (CommandTable.cpp: its words, arguments, options, help text and the
// function that runs it) and one function in a Commands*.cpp file by topic.
// CliMain.cpp reads the command line through the table and runs the row's
// function on a session with the clock.
//
// Thread rules: the program's main thread only.
#pragma once

#include "ClockSession.h"
#include "ClockOffset.h"
#include "Profile.h"
#include "CliSettings.h"

#include <QJsonObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the command line asked for.
struct Invocation {
    LinkSettings settings;
    double timeoutSeconds = 0;
    std::string traceFile;
    int verbosity = 0;               // a monitoring plugin's -v, once for each
    std::string command;             // the row's words: "status", "set dst", ...
    std::vector<std::string> words;  // the command's arguments
    // The command's options given, by name: the value, or empty for a flag.
    std::map<std::string, std::string> options;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const
    {
        const auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
};

using CommandFunction = int (*)(CClockSession&, const Invocation&);

// An option a command may take.
struct OptionSpec {
    const char* name;       // "dry-run": --dry-run
    const char* valueName;  // "RULE"; nullptr for a flag
    const char* description;
    const char* shortName = nullptr;  // "w": -w as well
};

// One command: a new command is one row here and one function.
struct CommandSpec {
    const char* words;       // "set dst"
    const char* usage;       // the arguments after the words
    const char* summary;     // a line in the program's --help; "" for a group
    const char* text;        // the command's --help
    const char* options;     // the names of its options, in help order, space-separated
    CommandFunction run;     // nullptr: a group that names the command after it ("set", "hands")
    const char* groupUsage;  // a group given alone: what to say
    bool plugin = false;     // a monitoring plugin: bad usage is UNKNOWN (exit 3, one line on stdout)
};

std::span<const CommandSpec> Commands();
std::span<const OptionSpec> CommandOptions();
const CommandSpec* FindCommand(const std::string& words);
const OptionSpec* FindOption(const std::string& name);
// The program's list of commands, a line each (usage and summary), from the
// table: "Commands:\n  status [--raw|--json]   identity, ...\n...".
std::string CommandOverview();
// Whether some command's words begin with `word` and another word.
bool IsCommandGroup(const std::string& word);

// The commands, by topic.
int RunStatus(CClockSession& session, const Invocation& run);  // CommandsStatus.cpp
int RunWatch(CClockSession& session, const Invocation& run);
int RunCheck(CClockSession& session, const Invocation& run);     // CommandsCheck.cpp
int SetTimeZone(CClockSession& session, const Invocation& run);  // CommandsSet.cpp
int SetDst(CClockSession& session, const Invocation& run);
int SetTime(CClockSession& session, const Invocation& run);
int SetIllumination(CClockSession& session, const Invocation& run);
int SetTimeCodeDate(CClockSession& session, const Invocation& run);
int SetMotion(CClockSession& session, const Invocation& run);
int HandsStop(CClockSession& session, const Invocation& run);   // CommandsHands.cpp
int HandsSet(CClockSession& session, const Invocation& run);    // CommandsHands.cpp
int HandsNudge(CClockSession& session, const Invocation& run);  // CommandsHands.cpp
int HandsStart(CClockSession& session, const Invocation& run);  // CommandsHands.cpp
int Export(CClockSession& session, const Invocation& run);      // CommandsProfile.cpp
int Import(CClockSession& session, const Invocation& run);
// watch --metrics FILE (CommandsMetrics.cpp).
int WatchMetrics(CClockSession& session, const Invocation& run);
int Provision(CClockSession& session, const Invocation& run);  // CommandsProvision.cpp

// Shared by the commands.

// Set to the signal's number by the signal handler (CliMain.cpp).
extern std::atomic<int> g_interrupted;

std::string Text(const QString& text);
std::chrono::sys_seconds Now();
// A value refused before anything was sent: exit 2.
int Refuse(const Refusal& refusal);
// Bad usage: the message and a hint on standard error, exit 2.
int Usage(const QString& message);

// The clock's offset from this computer once enough readings are in, or
// what is known when the wait ends (CommandsStatus.cpp).
ClockOffset SettledOffset(const CClockDevice& device);
// --json: one object on standard output.
void PrintJson(const QJsonObject& object);
// "Clock vs this computer: +0.004 s", or "... not known".
std::string OffsetLine(const ClockOffset& offset);

// The fields in which the clock differs from what was asked of it, on
// standard error after the sentence that introduces them (CommandsSet.cpp).
void PrintDifferences(const std::string& sentence, const std::vector<FieldDifference>& differences);
// Sends a configuration and waits for its outcome; exit 3 names the fields
// the clock kept otherwise.
int SendConfig(CClockSession& session, const ClockConfig& config, const std::string& what);

// A profile file ('-': standard input) read and checked; exit 2 with the
// error printed, naming the file (CommandsProfile.cpp). bytes, if given,
// receives the file as it was read.
int ReadProfileFile(const std::string& file, Profile& profile, std::string* bytes = nullptr);
// What writing a profile to the identified clock would do.
struct ProfilePlan {
    ClockConfig target;    // what is sent: the clock's configuration with the profile's fields
    ClockConfig expected;  // what the clock will hold: the target as every write normalises it
    std::vector<std::string> warnings;
    std::vector<FieldDifference> changes;  // the clock's configuration against `expected`
};
ProfilePlan PlanProfile(CClockSession& session, const Profile& profile);
// Sends the plan's configuration, reads the clock afresh and compares. Exit
// 0 when it holds what the profile asked for; 3 with the fields that differ
// in `differences` (not printed); else the write's status, its error
// printed.
int WriteProfile(CClockSession& session, const ProfilePlan& plan, std::vector<FieldDifference>& differences);
// Sends this computer's next whole second to the identified clock, timed to
// reach it on the boundary; exit 0 with the time sent, else the error
// printed (CommandsSet.cpp).
int SendTimeOnTheSecond(CClockSession& session, ClockDateTime& sent);

// A monitoring plugin's bad usage: "UNKNOWN - reason" (or with json its
// object) on standard output, exit 3
// (CommandsCheck.cpp).
int PluginUnknown(const std::string& reason, bool json);
// Whether the clock's time zone bias and daylight-saving rules agree with
// the zone's (of the tz database) over the next ten years; when not, the
// first difference in words in `difference`.
bool ZoneRulesAgree(const ClockConfig& config, const std::string& zone, std::chrono::sys_seconds now,
                    std::string* difference = nullptr);
