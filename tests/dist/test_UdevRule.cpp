// dist/70-kerovant.rules without a udev daemon: each line's form (keys that
// udev knows, with their operators and quoted values), and what the rule
// does to the bridges of tests/link/bridges as udev would apply it on their
// add and remove events. The matcher knows the keys the rule uses and
// refuses any other, so a rule that grows a key fails here until the
// matcher learns it.
#include <gtest/gtest.h>

#include <fnmatch.h>

#include <cctype>
#include <cstring>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Key {
    std::string name;
    std::string attr;  // the {...} part
    std::string op;
    std::string value;
};

struct Rule {
    int line = 0;
    std::vector<Key> keys;
};

// udev's keys: whether they take an {attribute}, and whether they match
// (== !=), assign (= += -= :=) or both.
struct KeyForm {
    const char* name;
    enum { kNone, kOptional, kRequired } attr;
    bool match;
    bool assign;
};
constexpr KeyForm kKeyForms[] = {
    {"ACTION", KeyForm::kNone, true, false},       {"DEVPATH", KeyForm::kNone, true, false},
    {"KERNEL", KeyForm::kNone, true, false},       {"KERNELS", KeyForm::kNone, true, false},
    {"SUBSYSTEM", KeyForm::kNone, true, false},    {"SUBSYSTEMS", KeyForm::kNone, true, false},
    {"DRIVER", KeyForm::kNone, true, false},       {"DRIVERS", KeyForm::kNone, true, false},
    {"ATTR", KeyForm::kRequired, true, true},      {"ATTRS", KeyForm::kRequired, true, false},
    {"SYSCTL", KeyForm::kRequired, true, true},    {"ENV", KeyForm::kRequired, true, true},
    {"CONST", KeyForm::kRequired, true, false},    {"TAG", KeyForm::kNone, true, true},
    {"TAGS", KeyForm::kNone, true, false},         {"TEST", KeyForm::kOptional, true, false},
    {"PROGRAM", KeyForm::kNone, true, false},      {"RESULT", KeyForm::kNone, true, false},
    {"IMPORT", KeyForm::kRequired, true, false},   {"NAME", KeyForm::kNone, true, true},
    {"SYMLINK", KeyForm::kNone, true, true},       {"OWNER", KeyForm::kNone, false, true},
    {"GROUP", KeyForm::kNone, false, true},        {"MODE", KeyForm::kNone, false, true},
    {"SECLABEL", KeyForm::kRequired, false, true}, {"RUN", KeyForm::kOptional, false, true},
    {"OPTIONS", KeyForm::kNone, false, true},      {"LABEL", KeyForm::kNone, false, true},
    {"GOTO", KeyForm::kNone, false, true},
};

const KeyForm* FormOf(const std::string& name)
{
    for (const KeyForm& form : kKeyForms)
        if (name == form.name)
            return &form;
    return nullptr;
}

// One rule line: its keys, or the fault.
std::string ParseLine(const std::string& text, std::vector<Key>& keys)
{
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    for (;;) {
        skipBlanks();
        Key key;
        while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_'))
            key.name += text[i++];
        const KeyForm* form = FormOf(key.name);
        if (!form)
            return "unknown key '" + key.name + "'";
        if (i < text.size() && text[i] == '{') {
            const size_t close = text.find('}', i);
            if (close == std::string::npos)
                return key.name + ": '{' without '}'";
            key.attr = text.substr(i + 1, close - i - 1);
            i = close + 1;
        }
        if (form->attr == KeyForm::kRequired && key.attr.empty())
            return key.name + " needs {attribute}";
        if (form->attr == KeyForm::kNone && !key.attr.empty())
            return key.name + " takes no {attribute}";
        skipBlanks();
        for (const char* op : {"==", "!=", "+=", "-=", ":=", "="}) {
            if (text.compare(i, std::char_traits<char>::length(op), op) == 0) {
                key.op = op;
                break;
            }
        }
        if (key.op.empty())
            return key.name + ": no operator";
        i += key.op.size();
        if (i < text.size() && std::strchr("=!~<>+-:", text[i]))
            return key.name + ": unknown operator '" + key.op + text[i] + "'";
        const bool matching = key.op == "==" || key.op == "!=";
        if (matching ? !form->match : !form->assign)
            return key.name + " does not take " + key.op;
        if ((key.name == "LABEL" || key.name == "GOTO") && key.op != "=")
            return key.name + " takes =";
        skipBlanks();
        if (i >= text.size() || text[i] != '"')
            return key.name + ": the value is not quoted";
        for (++i; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size())
                ++i;
            key.value += text[i];
        }
        if (i >= text.size())
            return key.name + ": the value's quote is not closed";
        ++i;
        keys.push_back(key);
        skipBlanks();
        if (i == text.size())
            return {};
        if (text[i] != ',')
            return "',' missing after " + key.name;
        ++i;
    }
}

// The rules of a file (lines ending in '\' go on on the next); faults
// names each bad line, and each GOTO whose LABEL does not follow.
std::vector<Rule> ParseRules(std::istream& in, std::vector<std::string>& faults)
{
    std::vector<Rule> rules;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        const int first = ++number;
        std::string more;
        while (!line.empty() && line.back() == '\\' && std::getline(in, more)) {
            line.pop_back();
            line += more;
            ++number;
        }
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        Rule rule;
        rule.line = first;
        if (const std::string fault = ParseLine(line.substr(start), rule.keys); !fault.empty())
            faults.push_back("line " + std::to_string(first) + ": " + fault);
        else
            rules.push_back(rule);
    }
    for (size_t r = 0; r < rules.size(); ++r) {
        for (const Key& key : rules[r].keys) {
            if (key.name != "GOTO")
                continue;
            bool found = false;
            for (size_t later = r + 1; later < rules.size(); ++later)
                for (const Key& other : rules[later].keys)
                    found = found || (other.name == "LABEL" && other.value == key.value);
            if (!found)
                faults.push_back("line " + std::to_string(rules[r].line) + ": no LABEL=\"" + key.value + "\" follows");
        }
    }
    return rules;
}

// A device of a umockdev record: its sysfs path, udev properties and
// attributes.
struct Device {
    std::string path;
    std::map<std::string, std::string> env;
    std::map<std::string, std::string> attrs;

    std::string Name() const { return path.substr(path.rfind('/') + 1); }
    std::string Env(const std::string& key) const
    {
        const auto found = env.find(key);
        return found == env.end() ? std::string() : found->second;
    }
};

std::vector<Device> ReadRecord(const std::string& file)
{
    std::vector<Device> devices;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 3 || line[1] != ':')
            continue;
        const std::string body = line.substr(3);
        const size_t equals = body.find('=');
        if (line[0] == 'P')
            devices.push_back({body, {}, {}});
        else if (devices.empty() || equals == std::string::npos)
            continue;
        else if (line[0] == 'E')
            devices.back().env[body.substr(0, equals)] = body.substr(equals + 1);
        else if (line[0] == 'A')
            devices.back().attrs[body.substr(0, equals)] = body.substr(equals + 1);
    }
    return devices;
}

// A udev pattern: shell globs, alternatives separated by '|'.
bool Matches(const std::string& pattern, const std::string& value)
{
    std::stringstream alternatives(pattern);
    std::string one;
    while (std::getline(alternatives, one, '|'))
        if (::fnmatch(one.c_str(), value.c_str(), 0) == 0)
            return true;
    return false;
}

bool KeyHolds(const Key& key, const std::string& value)
{
    return Matches(key.value, value) == (key.op == "==");
}

// The value a key compares on one device; false for a key the matcher does
// not know.
bool ValueOn(const Key& key, const Device& device, std::string& value)
{
    const std::string& name = key.name;
    if (name == "SUBSYSTEM" || name == "SUBSYSTEMS")
        value = device.Env("SUBSYSTEM");
    else if (name == "DRIVER" || name == "DRIVERS")
        value = device.Env("DRIVER");
    else if (name == "KERNEL" || name == "KERNELS")
        value = device.Name();
    else if (name == "ENV")
        value = device.Env(key.attr);
    else if (name == "ATTR" || name == "ATTRS") {
        const auto found = device.attrs.find(key.attr);
        value = found == device.attrs.end() ? std::string() : found->second;
        // udev compares an attribute without its trailing blanks.
        value.erase(value.find_last_not_of(" \n") + 1);
    } else
        return false;
    return true;
}

bool IsParentKey(const std::string& name)
{
    return name == "SUBSYSTEMS" || name == "DRIVERS" || name == "KERNELS" || name == "ATTRS";
}

// What the rules do to `device` on `action`, written as the assignments
// made ("TAG+=uaccess ENV{X}=1 ATTR{y}=2"; an attribute the device does not
// have is marked "(missing)"), or the key the matcher does not know.
std::string Apply(const std::vector<Rule>& rules, const std::vector<Device>& record, const Device& device,
                  const std::string& action)
{
    // The device, then its parents, nearest first: each one whose path
    // the device's begins with.
    std::vector<const Device*> chain;
    for (std::string path = device.path; !path.empty(); path.erase(path.rfind('/')))
        for (const Device& other : record)
            if (other.path == path)
                chain.push_back(&other);

    std::string done;
    std::string skipTo;
    for (const Rule& rule : rules) {
        if (!skipTo.empty()) {
            if (rule.keys.size() == 1 && rule.keys[0].name == "LABEL" && rule.keys[0].value == skipTo)
                skipTo.clear();
            continue;
        }
        bool holds = true;
        // The parent keys must all hold on one device of the chain.
        std::vector<Key> parentKeys;
        for (const Key& key : rule.keys) {
            if (key.op != "==" && key.op != "!=")
                continue;
            std::string value;
            if (IsParentKey(key.name))
                parentKeys.push_back(key);
            else if (key.name == "ACTION")
                holds = holds && KeyHolds(key, action);
            else if (!ValueOn(key, device, value))
                return "unknown to the matcher: " + key.name;
            else
                holds = holds && KeyHolds(key, value);
        }
        if (!parentKeys.empty()) {
            bool onOne = false;
            for (const Device* candidate : chain) {
                bool all = true;
                for (const Key& key : parentKeys) {
                    std::string value;
                    ValueOn(key, *candidate, value);
                    all = all && KeyHolds(key, value);
                }
                onOne = onOne || all;
            }
            holds = holds && onOne;
        }
        if (!holds)
            continue;
        for (const Key& key : rule.keys) {
            if (key.op == "==" || key.op == "!=" || key.name == "LABEL")
                continue;
            if (key.name == "GOTO") {
                skipTo = key.value;
                continue;
            }
            if (key.name != "TAG" && key.name != "ENV" && key.name != "ATTR")
                return "unknown to the matcher: " + key.name;
            std::string text = key.name + (key.attr.empty() ? "" : "{" + key.attr + "}") + key.op + key.value;
            if (key.name == "ATTR" && !device.attrs.count(key.attr))
                text += " (missing)";
            done += (done.empty() ? "" : " ") + text;
        }
    }
    return done;
}

std::vector<Rule> KerovantRules()
{
    std::ifstream in(KEROVANT_UDEV_RULE);
    std::vector<std::string> faults;
    std::vector<Rule> rules = ParseRules(in, faults);
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
    return rules;
}

}  // namespace

TEST(UdevRule, EveryLineIsOneUdevReads)
{
    std::ifstream in(KEROVANT_UDEV_RULE);
    ASSERT_TRUE(in) << KEROVANT_UDEV_RULE;
    std::vector<std::string> faults;
    EXPECT_FALSE(ParseRules(in, faults).empty());
    EXPECT_EQ(faults, std::vector<std::string>{});

    // The faults the check exists for.
    struct Row {
        const char* text;
        const char* fault;
    };
    const Row rows[] = {
        {"SUBSYSTEM=\"tty\", TAG+=\"uaccess\"", "line 1: SUBSYSTEM does not take ="},
        {"ATTRS{idVendor}==0403", "line 1: ATTRS: the value is not quoted"},
        {"SUBSYSTEM==\"tty\" TAG+=\"uaccess\"", "line 1: ',' missing after SUBSYSTEM"},
        {"SUBSYSTEM=~\"tty\"", "line 1: SUBSYSTEM: unknown operator '=~'"},
        {"ATTRS==\"0403\"", "line 1: ATTRS needs {attribute}"},
        {"Subsystem==\"tty\"", "line 1: unknown key 'Subsystem'"},
        {"ACTION==\"remove\", GOTO=\"kerovant_end\"\nLABEL=\"end\"", "line 1: no LABEL=\"kerovant_end\" follows"},
    };
    for (const Row& row : rows) {
        std::istringstream text(row.text);
        std::vector<std::string> found;
        ParseRules(text, found);
        EXPECT_EQ(found, std::vector<std::string>{row.fault}) << row.text;
    }
}

// Each device of each mocked set of bridges on its add event (and the FTDI
// tty on its remove event): what the rule assigns. Devices not listed get
// nothing.
TEST(UdevRule, WhatItDoesToEachMockedBridge)
{
    const std::vector<Rule> rules = KerovantRules();
    const std::string tty = "TAG+=uaccess ENV{ID_MM_DEVICE_IGNORE}=1";
    const std::string port = "ATTR{latency_timer}=1";
    struct Row {
        const char* record;
        const char* device;  // the path's last part
        const char* subsystem;
        const char* action;
        std::string done;
    };
    const Row rows[] = {
        {"ft232r-root", "ttyUSB0", "tty", "add", tty},      {"ft232r-root", "ttyUSB0", "usb-serial", "add", port},
        {"ft232r-root", "ttyUSB0", "tty", "remove", ""},    {"ft232r-root", "ttyUSB0", "usb-serial", "remove", ""},
        {"ft230x-hub", "ttyUSB1", "tty", "add", tty},       {"ft230x-hub", "ttyUSB1", "usb-serial", "add", port},
        {"ft232r-replugged", "ttyUSB2", "tty", "add", tty}, {"ft232r-replugged", "ttyUSB2", "usb-serial", "add", port},
    };
    for (const char* record : {"ft232r-root", "ft230x-hub", "ft232r-replugged", "ch340", "pl2303"}) {
        const std::vector<Device> devices = ReadRecord(std::string(KEROVANT_BRIDGES) + "/" + record + ".umockdev");
        ASSERT_GE(devices.size(), 4u) << record;
        for (const Device& device : devices) {
            for (const char* action : {"add", "remove"}) {
                std::string expected;
                for (const Row& row : rows)
                    if (row.record == std::string(record) && device.Name() == row.device &&
                        device.Env("SUBSYSTEM") == row.subsystem && row.action == std::string(action))
                        expected = row.done;
                EXPECT_EQ(Apply(rules, devices, device, action), expected)
                    << record << " " << device.path << " " << action;
            }
        }
    }
}
