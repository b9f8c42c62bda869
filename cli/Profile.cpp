#include "Profile.h"

#include "CliSettings.h"
#include "ClockCodec.h"
#include "ConfigText.h"
#include "Frame.h"
#include "StatusText.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace {

// --- export ---

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// Writes the fields one to a line, in wire order.
class JsonFieldWriter {
public:
    void Flag(uint8_t v, const char* name) { Put(name, std::to_string(v)); }
    void U8(uint8_t v, const char* name) { Put(name, std::to_string(v)); }
    void U16(uint16_t v, const char* name) { Put(name, std::to_string(v)); }
    void U32(uint32_t v, const char* name) { Put(name, std::to_string(v)); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* name)
    {
        std::string list = "[";
        for (size_t i = 0; i < N; ++i)
            list += (i ? ", " : "") + std::to_string(values[i]);
        Put(name, list + "]");
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Put(const char* name, const std::string& value) { lines_.push_back(JsonString(name) + ": " + value); }
    std::vector<std::string> lines_;
};

std::string HexFamily(uint16_t familyId)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", familyId);
    return text;
}

std::string FirmwareString(const FirmwareVersion& f)
{
    return std::to_string(f.major) + "." + std::to_string(f.minor) + "." + std::to_string(f.build);
}

// --- import ---

// A profile nests three deep (the document, "config", "tcOptions"), with
// room for what people put into the summary, which is not read; its longest
// key has 17 characters. Text far beyond that is no profile, and is refused
// before the JSON parser builds it up in memory.
constexpr int kDeepestNesting = 8;
constexpr size_t kLongestKey = 64;
constexpr size_t kLongestString = 1024;

// The bytes looked over once, strings skipped: the first place that nests
// deeper or holds a longer key or string than a profile can, or nothing.
std::optional<std::string> PreScan(std::string_view text)
{
    int line = 1;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\n') {
            ++line;
        } else if (ch == '{' || ch == '[') {
            if (++depth > kDeepestNesting)
                return "line " + std::to_string(line) + ": nested deeper than a profile goes (" +
                    std::to_string(kDeepestNesting) + " levels of {} and []).";
        } else if (ch == '}' || ch == ']') {
            --depth;
        } else if (ch == '"') {
            const int startLine = line;
            const size_t start = ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\n')
                    ++line;
                i += text[i] == '\\' ? 2 : 1;
            }
            const size_t length = std::min(i, text.size()) - start;
            size_t next = i + 1;
            while (next < text.size() &&
                   (text[next] == ' ' || text[next] == '\t' || text[next] == '\r' || text[next] == '\n'))
                ++next;
            const bool key = next < text.size() && text[next] == ':';
            if (key && length > kLongestKey)
                return "line " + std::to_string(startLine) + ": a key of " + std::to_string(length) +
                    " characters; a profile's keys have at most " + std::to_string(kLongestKey) + ".";
            if (length > kLongestString)
                return "line " + std::to_string(startLine) + ": a text of " + std::to_string(length) +
                    " characters; a profile's texts have at most " + std::to_string(kLongestString) + ".";
        }
    }
    return std::nullopt;
}

// Where each key of the document stands: its line, by its path
// ("config.dstMode"), and the first key that appears twice in one object.
// The text has passed the JSON parser already, so only strings, nesting and
// the key/value alternation need following.
struct KeyLines {
    std::map<std::string, int> lines;
    std::string duplicate;
    int duplicateLine = 0;
};

// A string of the document, from its opening quote at i; leaves i after
// the closing quote and counts the lines it spans. Its escapes are undone
// as far as the field names need (one character, or \u for ASCII); any
// other stays as written, which only costs such a key its line.
std::string ReadString(std::string_view text, size_t& i, int& line)
{
    std::string value;
    ++i;
    while (i < text.size() && text[i] != '"') {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const uint32_t code = text[i + 1] == 'u' && i + 5 < text.size() ? ParseHex(text.substr(i + 2, 4)) : 0x100;
            if (text[i + 1] == 'u' && code < 0x80) {
                value += static_cast<char>(code);
                i += 6;
                continue;
            }
            value += text[i + 1];
            i += 2;
        } else {
            if (text[i] == '\n')
                ++line;
            value += text[i++];
        }
    }
    ++i;
    return value;
}

KeyLines ScanKeys(std::string_view text)
{
    struct Level {
        bool object = false;
        bool expectKey = false;
        std::string path;
        std::string lastKey;
        std::set<std::string> keys;
    };
    KeyLines result;
    std::vector<Level> stack;
    int line = 1;
    size_t i = 0;
    const auto child = [&]() {
        if (stack.empty())
            return std::string();
        const Level& parent = stack.back();
        return parent.object ? (parent.path.empty() ? parent.lastKey : parent.path + "." + parent.lastKey)
                             : parent.path + "[]";
    };
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '\n') {
            ++line;
            ++i;
        } else if (ch == '{' || ch == '[') {
            Level level;
            level.object = ch == '{';
            level.expectKey = level.object;
            level.path = child();
            stack.push_back(std::move(level));
            ++i;
        } else if (ch == '}' || ch == ']') {
            if (!stack.empty())
                stack.pop_back();
            ++i;
        } else if (ch == ',') {
            if (!stack.empty() && stack.back().object)
                stack.back().expectKey = true;
            ++i;
        } else if (ch == ':') {
            if (!stack.empty())
                stack.back().expectKey = false;
            ++i;
        } else if (ch == '"') {
            const std::string value = ReadString(text, i, line);
            if (!stack.empty() && stack.back().object && stack.back().expectKey) {
                Level& level = stack.back();
                level.lastKey = value;
                const std::string path = level.path.empty() ? value : level.path + "." + value;
                if (!level.keys.insert(value).second && result.duplicate.empty()) {
                    result.duplicate = path;
                    result.duplicateLine = line;
                }
                result.lines.emplace(path, line);
            }
        } else {
            ++i;
        }
    }
    return result;
}

int LineAtOffset(std::string_view text, qsizetype offset)
{
    int line = 1;
    const size_t end = std::min(text.size(), static_cast<size_t>(std::max<qsizetype>(offset, 0)));
    for (size_t i = 0; i < end; ++i)
        if (text[i] == '\n')
            ++line;
    return line;
}

std::string Describe(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null: return "null";
    case QJsonValue::Bool: return value.toBool() ? "true" : "false";
    case QJsonValue::Double: {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", value.toDouble());
        return text;
    }
    case QJsonValue::String: {
        std::string s = value.toString().toStdString();
        if (s.size() > 40)
            s = s.substr(0, 40) + "...";
        return JsonString(s);
    }
    case QJsonValue::Array: return "a list";
    case QJsonValue::Object: return "an object";
    case QJsonValue::Undefined: break;
    }
    return "nothing";
}

// Thrown inside the importer with a message that names the line.
struct ImportError {
    std::string message;
};

class Reader {
public:
    Reader(const KeyLines& keys, int documentLine) : keys_(keys), documentLine_(documentLine) { }

    int LineOf(const std::string& path) const
    {
        // A missing field's line is that of the object it belongs in.
        // A list's item stands on the list's line. A key that holds a '['
        // is found as it is.
        if (const auto it = keys_.lines.find(path); it != keys_.lines.end())
            return it->second;
        std::string at = path.substr(0, path.find('['));
        for (;;) {
            if (const auto it = keys_.lines.find(at); it != keys_.lines.end())
                return it->second;
            const size_t dot = at.rfind('.');
            if (dot == std::string::npos)
                return documentLine_;
            at.resize(dot);
        }
    }

    [[noreturn]] void Fail(const std::string& path, const std::string& why) const
    {
        throw ImportError{"line " + std::to_string(LineOf(path)) + ": " + path + ": " + why};
    }

    QJsonValue Require(const QJsonObject& object, const std::string& parent, const char* name) const
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isUndefined())
            Fail(Path(parent, name), "missing.");
        return value;
    }

    uint32_t Whole(const QJsonValue& value, const std::string& path, uint32_t max) const
    {
        const double v = value.toDouble(-1);
        if (!value.isDouble() || !(v >= 0) || v > max || std::floor(v) != v)
            Fail(path,
                 (max == 1 ? std::string("expected 0 or 1")
                           : "expected a whole number from 0 to " + std::to_string(max)) +
                     ", found " + Describe(value) + ".");
        return static_cast<uint32_t>(v);
    }

    static std::string Path(const std::string& parent, const char* name)
    {
        return parent.empty() ? std::string(name) : parent + "." + name;
    }

private:
    const KeyLines& keys_;
    const int documentLine_;
};

// Reads each field of the configuration from the "config" object.
class ConfigReader {
public:
    ConfigReader(const Reader& reader, const QJsonObject& object) : reader_(reader), object_(object) { }

    void Flag(uint8_t& v, const char* name) { v = static_cast<uint8_t>(Take(name, 1)); }
    void U8(uint8_t& v, const char* name)
    {
        // The illumination level is there only for a clock that has one.
        if (std::string_view(name) == "illumination" && !object_.contains(QLatin1String(name)))
            return;
        if (std::string_view(name) == "illumination")
            hasIllumination_ = true;
        v = static_cast<uint8_t>(Take(name, 0xFF));
    }
    void U16(uint16_t& v, const char* name) { v = static_cast<uint16_t>(Take(name, 0xFFFF)); }
    void U32(uint32_t& v, const char* name) { v = Take(name, 0xFFFFFFFFu); }
    template <size_t N> void U8s(std::array<uint8_t, N>& values, const char* name)
    {
        const std::string path = Reader::Path("config", name);
        const QJsonValue value = reader_.Require(object_, "config", name);
        seen_.insert(name);
        const QJsonArray list = value.toArray();
        if (!value.isArray() || list.size() != static_cast<qsizetype>(N))
            reader_.Fail(path,
                         "expected a list of " + std::to_string(N) + " whole numbers from 0 to 255, found " +
                             Describe(value) + (value.isArray() ? " of " + std::to_string(list.size()) : "") + ".");
        for (size_t i = 0; i < N; ++i)
            values[i] = static_cast<uint8_t>(
                reader_.Whole(list.at(static_cast<qsizetype>(i)), path + "[" + std::to_string(i) + "]", 0xFF));
    }

    bool HasIllumination() const { return hasIllumination_; }
    const std::set<std::string>& Seen() const { return seen_; }

private:
    uint32_t Take(const char* name, uint32_t max)
    {
        seen_.insert(name);
        return reader_.Whole(reader_.Require(object_, "config", name), Reader::Path("config", name), max);
    }

    const Reader& reader_;
    const QJsonObject& object_;
    std::set<std::string> seen_;
    bool hasIllumination_ = false;
};

void RefuseUnknownKeys(const Reader& reader, const QJsonObject& object, const std::string& parent,
                       const std::set<std::string>& known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        if (!known.contains(key))
            reader.Fail(Reader::Path(parent, key.c_str()), "unknown field.");
    }
}

// The serial number as status prints it: eight decimal digits ("00010472"),
// or "0x" and eight hex digits from 100000000 on; the digits are read as
// decimal whatever their leading zeros. A plain number is what profiles
// held before the text form.
uint32_t ReadSerialNumber(const Reader& reader, const QJsonValue& value)
{
    if (value.isDouble())
        return reader.Whole(value, "clock.serialNumber", 0xFFFFFFFFu);
    const QString text = value.toString();
    const bool hex = text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"));
    const QString digits = hex ? text.mid(2) : text;
    bool ok = value.isString() && !digits.isEmpty() && digits.size() <= (hex ? 8 : 10);
    for (const QChar ch : digits) {
        const char16_t c = ch.unicode();
        const bool decimal = c >= u'0' && c <= u'9';
        ok = ok && (decimal || (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))));
    }
    const qulonglong number = ok ? digits.toULongLong(&ok, hex ? 16 : 10) : 0;
    if (!ok || number > 0xFFFFFFFFu)
        reader.Fail("clock.serialNumber",
                    "expected a serial number such as \"00010472\" or \"0x05F5E100\", found " + Describe(value) + ".");
    return static_cast<uint32_t>(number);
}

ProfileClock ReadClock(const Reader& reader, const QJsonObject& object)
{
    ProfileClock clock;
    const QJsonValue family = reader.Require(object, "clock", "familyId");
    bool ok = false;
    const QString familyText = family.toString();
    const unsigned familyValue = familyText.startsWith(QLatin1String("0x")) ? familyText.mid(2).toUInt(&ok, 16) : 0;
    if (!family.isString() || !ok || familyValue > 0xFFFF)
        reader.Fail("clock.familyId", "expected a family ID such as \"0x0150\", found " + Describe(family) + ".");
    clock.familyId = static_cast<uint16_t>(familyValue);
    clock.serialNumber = ReadSerialNumber(reader, reader.Require(object, "clock", "serialNumber"));
    const QJsonValue firmware = reader.Require(object, "clock", "firmware");
    const QStringList parts = firmware.toString().split(QLatin1Char('.'));
    bool partsOk = firmware.isString() && parts.size() == 3;
    unsigned numbers[3] = {};
    for (int i = 0; partsOk && i < 3; ++i) {
        numbers[i] = parts[i].toUInt(&partsOk);
        partsOk = partsOk && numbers[i] <= 0xFF;
    }
    if (!partsOk)
        reader.Fail("clock.firmware", "expected a version such as \"1.3.0\", found " + Describe(firmware) + ".");
    clock.firmware = {static_cast<uint8_t>(numbers[0]), static_cast<uint8_t>(numbers[1]),
                      static_cast<uint8_t>(numbers[2])};
    const QJsonValue protocolValue = reader.Require(object, "clock", "protocolVersion");
    const uint32_t protocol = reader.Whole(protocolValue, "clock.protocolVersion", 0xFF);
    if (protocol < 1 || protocol > 2)
        reader.Fail("clock.protocolVersion", "expected 1 or 2, found " + Describe(protocolValue) + ".");
    clock.protocolVersion = static_cast<uint8_t>(protocol);
    RefuseUnknownKeys(reader, object, "clock", {"familyId", "serialNumber", "firmware", "protocolVersion", "model"});
    return clock;
}

// Collects a configuration's fields as text, in wire order.
class FieldTexts {
public:
    void Flag(uint8_t v, const char* name) { fields.emplace_back(name, std::to_string(v)); }
    void U8(uint8_t v, const char* name) { fields.emplace_back(name, std::to_string(v)); }
    void U16(uint16_t v, const char* name) { fields.emplace_back(name, std::to_string(v)); }
    void U32(uint32_t v, const char* name) { fields.emplace_back(name, std::to_string(v)); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* name)
    {
        for (size_t i = 0; i < N; ++i)
            fields.emplace_back(std::string(name) + "[" + std::to_string(i) + "]", std::to_string(values[i]));
    }
    std::vector<std::pair<std::string, std::string>> fields;
};

}  // namespace

std::string ExportProfile(const ClockConfig& config, const ProfileClock& clock)
{
    JsonFieldWriter fields;
    VisitConfig(fields, config, clock.protocolVersion);
    std::string text = "{\n";
    text += "  \"format\": " + JsonString(kProfileFormat) + ",\n";
    text += "  \"version\": " + std::to_string(kProfileVersion) + ",\n";
    text += "  \"clock\": {\n";
    const int row = FindProduct(clock.familyId);
    if (row >= 0)
        text += "    \"model\": " + JsonString(g_products[row].model) + ",\n";
    text += "    \"familyId\": " + JsonString(HexFamily(clock.familyId)) + ",\n";
    text += "    \"serialNumber\": " + JsonString(SerialNumber(clock.serialNumber)) + ",\n";
    text += "    \"firmware\": " + JsonString(FirmwareString(clock.firmware)) + ",\n";
    text += "    \"protocolVersion\": " + std::to_string(clock.protocolVersion) + "\n";
    text += "  },\n";
    text += "  \"summary\": {\n";
    text += "    \"note\": \"for reading only; import ignores this part\",\n";
    text += "    \"timeZone\": " + JsonString(TimeZoneText(config)) + ",\n";
    text += "    \"daylightSaving\": " + JsonString(DaylightSavingText(config)) + "\n";
    text += "  },\n";
    text += "  \"config\": {\n";
    const std::vector<std::string>& lines = fields.Lines();
    for (size_t i = 0; i < lines.size(); ++i)
        text += "    " + lines[i] + (i + 1 < lines.size() ? ",\n" : "\n");
    text += "  }\n";
    text += "}\n";
    return text;
}

ProfileImport ImportProfile(std::string_view text)
{
    ProfileImport result;
    if (std::optional<std::string> refused = PreScan(text)) {
        result.error = std::move(*refused);
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = "line " + std::to_string(LineAtOffset(text, parseError.offset)) +
            ": not a JSON file: " + parseError.errorString().toStdString() + ".";
        return result;
    }
    if (!document.isObject()) {
        result.error = "line 1: the profile is a JSON object ({...}); this file holds a list.";
        return result;
    }
    const KeyLines keys = ScanKeys(text);
    if (!keys.duplicate.empty()) {
        result.error = "line " + std::to_string(keys.duplicateLine) + ": " + keys.duplicate + ": given twice.";
        return result;
    }
    const Reader reader(keys, 1);
    try {
        const QJsonObject root = document.object();
        const QJsonValue format = reader.Require(root, "", "format");
        if (format.toString() != QLatin1String(kProfileFormat))
            reader.Fail("format",
                        std::string("expected \"") + kProfileFormat + "\", found " + Describe(format) +
                            "; this is not a clock profile.");
        const QJsonValue version = reader.Require(root, "", "version");
        if (version.toDouble(-1) != kProfileVersion)
            reader.Fail("version",
                        "this program reads profiles of version " + std::to_string(kProfileVersion) +
                            ", the file has " + Describe(version) + ".");
        RefuseUnknownKeys(reader, root, "", {"format", "version", "clock", "summary", "config"});

        Profile profile;
        const QJsonValue clock = reader.Require(root, "", "clock");
        if (!clock.isObject())
            reader.Fail("clock", "expected an object, found " + Describe(clock) + ".");
        profile.clock = ReadClock(reader, clock.toObject());

        const QJsonValue config = reader.Require(root, "", "config");
        if (!config.isObject())
            reader.Fail("config", "expected an object, found " + Describe(config) + ".");
        const QJsonObject fields = config.toObject();
        ConfigReader configReader(reader, fields);
        VisitConfig(configReader, profile.config, 2);
        profile.hasIllumination = configReader.HasIllumination();
        RefuseUnknownKeys(reader, fields, "config", configReader.Seen());
        // Each value as the setters would take it, before anything is sent.
        if (const std::optional<FieldRefusal> refusal = CheckConfigValues(profile.config, profile.hasIllumination))
            reader.Fail("config." + refusal->field, refusal->message);
        result.profile = profile;
    } catch (const ImportError& error) {
        result.error = error.message;
    }
    return result;
}

std::vector<std::string> ImportWarnings(const Profile& profile, const ProfileClock& clock)
{
    std::vector<std::string> warnings;
    if (profile.clock.familyId != clock.familyId)
        warnings.push_back("The profile comes from a clock of family " + HexFamily(profile.clock.familyId) +
                           "; this clock is of family " + HexFamily(clock.familyId) + ".");
    if (profile.clock.protocolVersion != clock.protocolVersion)
        warnings.push_back(
            "The profile comes from a clock of protocol version " + std::to_string(profile.clock.protocolVersion) +
            " (firmware " + FirmwareString(profile.clock.firmware) + "); this clock speaks version " +
            std::to_string(clock.protocolVersion) + " (firmware " + FirmwareString(clock.firmware) + ").");
    if (profile.hasIllumination && clock.protocolVersion != 2)
        warnings.push_back("This clock has no illumination level (protocol version 1); the profile's level " +
                           std::to_string(profile.config.illumination) + " is skipped.");
    return warnings;
}

ClockConfig ProfileTarget(const ClockConfig& current, const Profile& profile, uint8_t clockProtocol)
{
    ClockConfig target = profile.config;
    if (!profile.hasIllumination || clockProtocol != 2)
        target.illumination = current.illumination;
    return target;
}

std::vector<FieldDifference> CompareConfigs(const ClockConfig& before, const ClockConfig& after,
                                            uint8_t protocolVersion)
{
    FieldTexts a;
    FieldTexts b;
    VisitConfig(a, before, protocolVersion);
    VisitConfig(b, after, protocolVersion);
    std::vector<FieldDifference> differences;
    for (size_t i = 0; i < a.fields.size() && i < b.fields.size(); ++i)
        if (a.fields[i].second != b.fields[i].second)
            differences.push_back({a.fields[i].first, a.fields[i].second, b.fields[i].second});
    return differences;
}
