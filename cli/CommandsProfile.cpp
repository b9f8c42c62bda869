// A clock's configuration as a profile file, and a profile written back
// with a check.
#include "CliCommands.h"

#include "OutputFile.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace {

// import --dry-run --json: whether the import would change anything, and
// each field's value on the clock and in the profile.
void PrintDryRunJson(const std::vector<FieldDifference>& changes, const std::vector<std::string>& warnings)
{
    QJsonArray differences;
    for (const FieldDifference& change : changes)
        differences.append(QJsonObject{{QStringLiteral("field"), QString::fromStdString(change.name)},
                                       {QStringLiteral("clock"), QString::fromStdString(change.before)},
                                       {QStringLiteral("profile"), QString::fromStdString(change.after)}});
    QJsonArray warningTexts;
    for (const std::string& warning : warnings)
        warningTexts.append(QString::fromStdString(warning));
    PrintJson(QJsonObject{{QStringLiteral("changed"), !changes.empty()},
                          {QStringLiteral("differences"), differences},
                          {QStringLiteral("warnings"), warningTexts}});
}

}  // namespace

int Export(CClockSession& session, const Invocation& run)
{
    // --json: the profile, itself one JSON object, on standard output.
    const bool json = run.Has("json");
    if (json && (run.words.size() > 1 || (run.words.size() == 1 && run.words[0] != "-")))
        return Usage(QStringLiteral("export --json writes to standard output and takes no file name"));
    if (!json && run.words.size() != 1)
        return Usage(QStringLiteral("export takes one file name, or - for standard output"));
    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    // A profile of values out of range could not be imported again.
    if (const std::string problems = DescribeConfigProblems(session.Device()->GetConfigCheck().problems);
        !problems.empty()) {
        PrintError("the clock's configuration is not valid: " + problems + "; nothing exported.");
        return kExitLink;
    }
    const std::string text = ExportProfile(config, session.Identity());
    const std::string file = json ? "-" : run.words[0];
    if (file == "-") {
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitLink;
    }
    std::string error;
    const int fd = OpenOutputFile(file, O_TRUNC, error);
    if (fd < 0 || !WriteAllTo(fd, text, error)) {
        if (fd >= 0)
            ::close(fd);
        PrintError("cannot write " + file + ": " + error);
        return kExitLink;
    }
    if (::close(fd) != 0) {
        PrintError("cannot write " + file + ": " + std::strerror(errno));
        return kExitLink;
    }
    return kExitOk;
}

int ReadProfileFile(const std::string& file, Profile& profile, std::string* bytes)
{
    const std::string name = file == "-" ? std::string("standard input") : file;
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
    constexpr size_t kLargestProfile = 64 << 10;
    std::string text(kLargestProfile + 1, '\0');
    source.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(source.gcount()));
    if (text.size() > kLargestProfile) {
        PrintError(name + " is larger than a profile can be (64 KiB).");
        return kExitUsage;
    }
    const ProfileImport imported = ImportProfile(text);
    if (!imported.profile) {
        PrintError(name + ", " + imported.error);
        return kExitUsage;
    }
    profile = *imported.profile;
    if (bytes)
        *bytes = std::move(text);
    return kExitOk;
}

ProfilePlan PlanProfile(CClockSession& session, const Profile& profile)
{
    ProfilePlan plan;
    const ProfileClock clock = session.Identity();
    if (const std::string problems = DescribeConfigProblems(session.Device()->GetConfigCheck().problems);
        !problems.empty())
        plan.warnings.push_back("the clock's configuration is not valid: " + problems + ".");
    for (std::string& warning : ImportWarnings(profile, clock))
        plan.warnings.push_back(std::move(warning));
    ClockConfig current;
    session.Device()->GetConfig(current);
    plan.target = ProfileTarget(current, profile, clock.protocolVersion);
    // What the clock will hold: the profile as every write normalises it.
    plan.expected = plan.target;
    NormaliseForWrite(plan.expected);
    if (IsDstInvalid(plan.expected, true))
        plan.warnings.push_back(
            "the profile's daylight-saving rules fail the clock's checks; the write replaces them with "
            "the defaults.");
    plan.changes = CompareConfigs(current, plan.expected, clock.protocolVersion);
    return plan;
}

int WriteProfile(CClockSession& session, const ProfilePlan& plan, std::vector<FieldDifference>& differences)
{
    const uint8_t protocol = session.Identity().protocolVersion;
    // A write the clock acknowledged but whose read-back differs goes on to
    // the comparison below, which names the fields.
    const ClockConfig& target = plan.target;
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
    differences = CompareConfigs(plan.expected, held, protocol);
    return differences.empty() ? kExitOk : kExitMismatch;
}

int Import(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("import takes one file name, or - for standard input"));
    const bool json = run.Has("json");
    if (json && !run.Has("dry-run"))
        return Usage(QStringLiteral("import --json goes with --dry-run"));
    Profile profile;
    if (const int status = ReadProfileFile(run.words[0], profile))
        return status;

    if (const int status = session.Connect(false))
        return status;
    const ProfilePlan plan = PlanProfile(session, profile);
    for (const std::string& warning : plan.warnings)
        std::fprintf(stderr, "kerovant-cli: warning: %s\n", warning.c_str());
    if (json) {
        PrintDryRunJson(plan.changes, plan.warnings);
        return kExitOk;
    }
    if (plan.changes.empty())
        std::printf("No field changes: the clock holds this profile already.\n");
    else
        std::printf("%s:\n", run.Has("dry-run") ? "Would change" : "Changing");
    for (const FieldDifference& change : plan.changes)
        std::printf("  %-22s %s -> %s\n", change.name.c_str(), change.before.c_str(), change.after.c_str());
    if (run.Has("dry-run"))
        return kExitOk;

    std::vector<FieldDifference> differences;
    const int status = WriteProfile(session, plan, differences);
    if (status == kExitOk) {
        std::printf("The clock holds the profile.\n");
        return kExitOk;
    }
    if (status == kExitMismatch)
        PrintDifferences("the clock holds other values than the profile asked for", differences);
    return status;
}
