// What the clock reports: status once, watch as it changes.
#include "CliCommands.h"

#include "ClockCodec.h"
#include "ConfigText.h"
#include "StatusText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cstdio>
#include <thread>

using namespace std::chrono_literals;

namespace {

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

}  // namespace

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
    return offset.known ? ClockOffsetText(offset) : FillPlaces(kClockOffsetLabel, {"not known"});
}

namespace {

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
    std::printf("%s\n", Column("UTC time:", FormatIsoClockTime(utc)).c_str());
    std::printf("%s\n", Column(OffsetLine(SettledOffset(device))).c_str());
    std::printf("%s\n", Column("Local time:", FormatIsoClockTime(local)).c_str());
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    std::printf("%s\n", Column("Time code:", TimeCodeText(status)).c_str());
    ClockConfig config;
    device.GetConfig(config);
    // What is out of range, as the clock holds it: status reports and
    // never mends.
    const std::string problems = DescribeConfigProblems(device.GetConfigCheck().problems);
    if (!raw) {
        for (const ConfigLine& line : DescribeConfig(config, protocol))
            std::printf("%s\n", Column(line.label, line.value).c_str());
        if (!problems.empty())
            std::printf("%s\n", Column("Configuration:", "not valid: " + problems).c_str());
        return;
    }
    if (!problems.empty())
        std::printf("Configuration not valid: %s\n", problems.c_str());
    std::printf("Configuration:\n");
    FieldPrinter printer;
    VisitConfig(printer, config, protocol);
    printer.Flag(config.useTimeCodeDate(), "useTimeCodeDate");
    printer.Flag(config.useTimeCodeDateAlt(), "useTimeCodeDateAlt");
}

// Collects a record's fields by name.
class JsonFields {
public:
    explicit JsonFields(QJsonObject& object) : object_(object) { }
    void Flag(uint8_t v, const char* name) { object_.insert(QLatin1String(name), v); }
    void U8(uint8_t v, const char* name) { object_.insert(QLatin1String(name), v); }
    void U16(uint16_t v, const char* name) { object_.insert(QLatin1String(name), v); }
    void U32(uint32_t v, const char* name) { object_.insert(QLatin1String(name), static_cast<qint64>(v)); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* name)
    {
        QJsonArray array;
        for (uint8_t v : values)
            array.append(v);
        object_.insert(QLatin1String(name), array);
    }

private:
    QJsonObject& object_;
};

// "2027-03-28T00:59:30", or null for a time the clock does not hold.
QJsonValue IsoTime(const ClockTime& time)
{
    const ClockDateTime calendar = TimeValueToCalendar(time);
    if (!time.set || !calendar.valid)
        return QJsonValue::Null;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02u:%02u:%02u", calendar.year, calendar.month, calendar.day,
                  calendar.hour, calendar.minute, calendar.second);
    return QString::fromLatin1(text);
}

// status --json: what the clock reports, under the keys the manual page
// lists.
void PrintStatusJson(const CClockDevice& device)
{
    QJsonObject status;
    const uint8_t product = device.GetProductIndex();
    status.insert(QStringLiteral("product"),
                  product < kProductCount ? QJsonValue(QString::fromStdString(ProductTitle(product))) : QJsonValue());
    // As export writes it: "0x0150".
    status.insert(QStringLiteral("familyId"), QString::asprintf("0x%04X", unsigned(device.GetFamilyId())));
    FirmwareVersion firmware;
    device.GetFirmwareVersion(firmware);
    status.insert(QStringLiteral("firmware"),
                  QStringLiteral("%1.%2.%3").arg(firmware.major).arg(firmware.minor).arg(firmware.build));
    // As the status line, the metrics' serial label and the provision log
    // write it: "00010472".
    status.insert(QStringLiteral("serialNumber"), QString::fromStdString(SerialNumber(device.GetSerialNumber())));
    const uint8_t protocol = device.GetProtocolVersion();
    status.insert(QStringLiteral("protocolVersion"), protocol);
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    status.insert(QStringLiteral("utc"), IsoTime(utc));
    status.insert(QStringLiteral("local"), IsoTime(local));
    const ClockOffset offset = SettledOffset(device);
    status.insert(QStringLiteral("offsetSeconds"),
                  offset.known ? QJsonValue(std::chrono::duration<double>(offset.value).count()) : QJsonValue());
    status.insert(QStringLiteral("offsetApproximate"), offset.known && offset.approximate);
    TimeCodeStatus timeCode;
    device.GetTimeCodeStatus(timeCode);
    status.insert(QStringLiteral("timeCode"), QString::fromStdString(TimeCodeText(timeCode)));
    ClockConfig config;
    device.GetConfig(config);
    // The settings in words, in DescribeConfig's order.
    static const char* const kSettingKeys[] = {"timeZone", "daylightSaving", "illumination", "timeCodeDate",
                                               "handMotion"};
    const std::vector<ConfigLine> lines = DescribeConfig(config, protocol);
    QJsonObject settings;
    for (size_t i = 0; i < lines.size() && i < std::size(kSettingKeys); ++i)
        settings.insert(QLatin1String(kSettingKeys[i]), QString::fromStdString(lines[i].value));
    status.insert(QStringLiteral("settings"), settings);
    QJsonObject fields;
    JsonFields visitor(fields);
    VisitConfig(visitor, config, protocol);
    status.insert(QStringLiteral("config"), fields);
    QJsonArray problems;
    for (const ConfigProblem& problem : device.GetConfigCheck().problems)
        problems.append(QJsonObject{
            {QStringLiteral("field"), QString::fromUtf8(problem.field.data(), qsizetype(problem.field.size()))},
            {QStringLiteral("value"), static_cast<qint64>(problem.value)},
            {QStringLiteral("allowed"), QString::fromUtf8(problem.allowed.data(), qsizetype(problem.allowed.size()))}});
    status.insert(QStringLiteral("configProblems"), problems);
    PrintJson(status);
}

std::string WatchLine(const CClockDevice& device)
{
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    return "UTC " + FormatIsoClockTime(utc) + "   local " + FormatIsoClockTime(local) + "   " + TimeCodeText(status);
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

}  // namespace

void PrintJson(const QJsonObject& object)
{
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Indented).constData(), stdout);
    std::fflush(stdout);
}

int RunStatus(CClockSession& session, const Invocation& run)
{
    if (!run.words.empty())
        return Usage(QStringLiteral("status takes no arguments"));
    if (const int status = session.Connect(true))
        return status;
    if (run.Has("json"))
        PrintStatusJson(*session.Device());
    else
        PrintStatus(*session.Device(), run.Has("raw"));
    return kExitOk;
}

int RunWatch(CClockSession& session, const Invocation& run)
{
    if (!run.words.empty())
        return Usage(QStringLiteral("watch takes no arguments"));
    if (run.Has("metrics"))
        return WatchMetrics(session, run);
    if (run.Has("zone"))
        return Usage(QStringLiteral("--zone goes with --metrics"));
    return Watch(session, run.Has("every-poll"));
}
