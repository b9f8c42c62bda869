#include "Metrics.h"

#include "NumberText.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// The port's own causes first, then what the exchanges ran into with the
// port open.
const char* const kFailureKinds[] = {
    "unplugged",     // the device went away while open
    "missing",       // no such device, or no bridge found
    "permission",    // the device may not be opened
    "busy",          // another program holds it
    "not_serial",    // the path is not a terminal device
    "port_error",    // any other error opening it
    "no_answer",     // nothing came back in time
    "damaged",       // frames that failed their checks
    "wrong_length",  // replies of the wrong length
    "wrong_reply",   // replies under another command's code
    "unreadable",    // replies whose fields could not be read
    "ack",           // an ACK where a reply belongs
    "nak",           // the clock did not take a command
};

class Writer {
public:
    void Metric(const char* name, const char* type, const char* help)
    {
        text_ += std::string("# HELP ") + name + " " + help + "\n";
        text_ += std::string("# TYPE ") + name + " " + type + "\n";
    }
    void Sample(const char* name, const std::string& labels, const std::string& value)
    {
        text_ += name;
        if (!labels.empty())
            text_ += "{" + labels + "}";
        text_ += " " + value + "\n";
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

std::string Label(const char* name, std::string_view value)
{
    return std::string(name) + "=\"" + EscapeLabelValue(value) + "\"";
}

std::string Number(double value)
{
    return FixedDecimals(value, 6);
}

std::string Flag(bool value)
{
    return value ? "1" : "0";
}

}  // namespace

std::span<const char* const> LinkFailureKinds()
{
    return kFailureKinds;
}

const char* LinkFailureKind(PortState port, LinkFailure failure)
{
    switch (port) {
    case PortState::Gone: return "unplugged";
    case PortState::NoBridge: return "missing";
    case PortState::PermissionDenied: return "permission";
    case PortState::Busy: return "busy";
    case PortState::NotSerial: return "not_serial";
    case PortState::Failed: return "port_error";
    case PortState::NotOpened:
    case PortState::Open: break;
    }
    switch (failure) {
    case LinkFailure::Damaged: return "damaged";
    case LinkFailure::WrongLength: return "wrong_length";
    case LinkFailure::WrongReply: return "wrong_reply";
    case LinkFailure::Unreadable: return "unreadable";
    case LinkFailure::Ack: return "ack";
    case LinkFailure::Nak: return "nak";
    case LinkFailure::None:
    case LinkFailure::NoAnswer: break;
    }
    return "no_answer";
}

std::string EscapeLabelValue(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '"': escaped += "\\\""; break;
        case '\n': escaped += "\\n"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string FormatMetrics(const ClockMetrics& m)
{
    Writer w;
    // The clock's labels on every sample; kind follows them on the failures.
    const std::string clock = m.info ? Label("serial", m.info->serial) + "," + Label("port", m.info->port)
                                     : Label("serial", "") + "," + Label("port", m.port);
    w.Metric("kerovant_clock_up", "gauge", "Whether the clock answers on its port (1) or not (0).");
    w.Sample("kerovant_clock_up", clock, Flag(m.up));
    if (m.info) {
        w.Metric("kerovant_clock_info", "gauge",
                 "The clock identified on the port, the last one while none answers; always 1.");
        const ClockInfo& i = *m.info;
        w.Sample("kerovant_clock_info",
                 Label("serial", i.serial) + "," + Label("firmware", i.firmware) + "," + Label("family", i.family) +
                     "," + Label("product", i.product) + "," + Label("port", i.port),
                 "1");
    }
    if (m.up && m.offsetSeconds) {
        w.Metric("kerovant_clock_offset_seconds", "gauge",
                 "How far the clock's time is ahead of this computer's (negative: behind).");
        w.Sample("kerovant_clock_offset_seconds", clock, Number(*m.offsetSeconds));
    }
    if (m.up && m.configValid) {
        w.Metric("kerovant_clock_config_valid", "gauge",
                 "Whether every field of the clock's configuration is in range (1) or not (0).");
        w.Sample("kerovant_clock_config_valid", clock, Flag(*m.configValid));
    }
    if (m.up && m.timeCodeReceived) {
        w.Metric("kerovant_clock_time_code_received", "gauge", "Whether the clock receives a time code.");
        w.Sample("kerovant_clock_time_code_received", clock, Flag(*m.timeCodeReceived));
    }
    if (m.up && m.zoneRulesAgree) {
        w.Metric("kerovant_clock_zone_rules_agree", "gauge",
                 "Whether the clock's time zone and daylight-saving rules agree with the zone's for ten years.");
        w.Sample("kerovant_clock_zone_rules_agree", clock, Flag(*m.zoneRulesAgree));
    }
    w.Metric("kerovant_clock_lent", "gauge",
             "Whether watch has lent the clock's port to another Kerovant program (1) or holds it (0).");
    w.Sample("kerovant_clock_lent", clock, Flag(m.lent));
    if (m.lent && m.borrower) {
        w.Metric("kerovant_clock_borrower_info", "gauge", "The program that has borrowed the clock's port; always 1.");
        w.Sample("kerovant_clock_borrower_info",
                 clock + "," + Label("program", m.borrower->program) + "," + Label("pid", m.borrower->pid) + "," +
                     Label("user", m.borrower->user),
                 "1");
    }
    w.Metric("kerovant_link_failures_total", "counter", "Times the clock could not be reached, by cause.");
    for (const char* kind : kFailureKinds) {
        const auto found = m.failures.find(kind);
        w.Sample("kerovant_link_failures_total", clock + "," + Label("kind", kind),
                 std::to_string(found == m.failures.end() ? 0 : found->second));
    }
    w.Metric("kerovant_link_reconnects_total", "counter", "Times the clock answered again after a failure.");
    w.Sample("kerovant_link_reconnects_total", clock, std::to_string(m.reconnects));
    return w.Take();
}

namespace {

// Who besides root and `us` may write in a folder by its access list; empty
// when nobody, nullopt when the list cannot be read. The layout is the
// kernel's: a 4-byte version (2), then 8-byte entries of a 2-byte tag, a
// 2-byte permission and a 4-byte id, little-endian.
std::optional<std::string> OtherWritersByAccessList(std::string_view list, uid_t us)
{
    const auto number = [&list](size_t at, size_t size) {
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= uint32_t(static_cast<unsigned char>(list[at + i])) << (8 * i);
        return value;
    };
    if (list.size() < 4 || (list.size() - 4) % 8 != 0 || number(0, 4) != 2)
        return std::nullopt;
    enum : uint32_t { UserObj = 0x01, User = 0x02, GroupObj = 0x04, Group = 0x08, Mask = 0x10, Other = 0x20 };
    constexpr uint32_t kWrite = 0x02;
    for (size_t at = 4; at < list.size(); at += 8) {
        const uint32_t tag = number(at, 2), perm = number(at + 2, 2), id = number(at + 4, 4);
        if ((perm & kWrite) == 0 || tag == UserObj || tag == Mask || (tag == User && id == us))
            continue;
        switch (tag) {
        case User: return "user " + std::to_string(id);
        case Group: return "group " + std::to_string(id);
        case GroupObj: return std::string("its group");
        case Other: return std::string("others");
        default: return std::nullopt;
        }
    }
    return std::string();
}

}  // namespace

std::string FolderRefusal(const std::string& folder, uid_t owner, mode_t mode, uid_t us, std::string_view accessList)
{
    if (owner != us && owner != 0)
        return folder + " belongs to user " + std::to_string(owner) + ", not to this user (" + std::to_string(us) +
            ") or root: its owner could swap the file";
    if (owner == us)
        return {};
    char octal[8];
    std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(mode & 07777));
    if (!accessList.empty() && (mode & S_IWOTH) == 0) {
        const std::optional<std::string> others = OtherWritersByAccessList(accessList, us);
        if (!others)
            return folder + " has an access list that cannot be read, and does not belong to this user";
        if (!others->empty())
            return folder + " may be written by " + *others + " (its access list) and does not belong to this user";
        return {};
    }
    if ((mode & (S_IWGRP | S_IWOTH)) != 0)
        return folder + " may be written by others (mode " + octal + ") and does not belong to this user";
    return {};
}

CMetricsFileWriter::~CMetricsFileWriter()
{
    if (folderFd_ >= 0)
        ::close(folderFd_);
}

bool CMetricsFileWriter::Open(const std::string& path, std::string& error)
{
    const size_t slash = path.rfind('/');
    // The folder as the user gave it, with its slash: "/var/lib/x/", "./".
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") {
        error = "--metrics takes a file in a folder, not the folder " + path;
        return false;
    }
    const std::string refused = "refusing to write the metrics in the folder " + folder + ": ";
    // Only the last component is not followed: whoever may write in the
    // folder above can swap it for a link, which is refused, or for a
    // folder of their own, which its owner gives away. Links further up are
    // set by the owners of the folders they lie in.
    // Without its slashes: a slash at the end would follow a link.
    std::string opened = folder;
    while (opened.size() > 1 && opened.back() == '/')
        opened.pop_back();
    const int fd = ::open(opened.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int reason = errno;
        struct stat st { };
        if (reason == ENOTDIR && ::lstat(opened.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            error = refused + "it is a symbolic link, which is not followed; name the folder it points to";
        else
            error = "cannot use the folder " + folder + " for the metrics: " + std::strerror(reason);
        return false;
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0) {
        error = "cannot use the folder " + folder + " for the metrics: " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    // A folder of root's may have an access list naming us (as
    // node_exporter's has for kerovant-watch@). Read through a descriptor
    // of the same folder; one that cannot be opened to read is judged by
    // its mode alone.
    std::string accessList;
    if (st.st_uid == 0 && ::geteuid() != 0) {
        const int readable = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (readable >= 0) {
            char list[1024];
            const ssize_t size = ::fgetxattr(readable, "system.posix_acl_access", list, sizeof list);
            if (size > 0)
                accessList.assign(list, size_t(size));
            else if (size < 0 && errno == ERANGE)
                accessList = "?";  // longer than any list a folder of root's needs: refused
            ::close(readable);
        }
    }
    if (const std::string why = FolderRefusal(folder, st.st_uid, st.st_mode, ::geteuid(), accessList); !why.empty()) {
        error = refused + why;
        ::close(fd);
        return false;
    }
    if (folderFd_ >= 0)
        ::close(folderFd_);
    folderFd_ = fd;
    path_ = path;
    name_ = name;
    return true;
}

bool CMetricsFileWriter::Replace(const std::string& text, std::string& error)
{
    if (folderFd_ < 0) {
        error = "the metrics folder is not open";
        return false;
    }
    // Hidden and ending in random letters: the collector reads *.prom only.
    // Made new: a name that exists (a stranger's file or link) is passed
    // over for another.
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        unsigned char bytes[6] = {};
        if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
            // Predictable then, which costs nothing but a retry: the name
            // is made new or not at all.
            const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
            for (size_t i = 0; i < sizeof bytes; ++i)
                bytes[i] = static_cast<unsigned char>((now >> (8 * i)) + attempt);
        }
        temporary = "." + name_ + ".";
        for (const unsigned char byte : bytes)
            temporary += kLetters[byte % (sizeof kLetters - 1)];
        fd = ::openat(folderFd_, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = "cannot create a file beside " + path_ + ": " + std::strerror(errno);
        return false;
    }
    // The messages name the file, not the temporary one: a failure that
    // repeats every cycle reads the same each time.
    const auto fail = [&](const char* what) {
        error = std::string(what) + " " + path_ + ": " + std::strerror(errno);
        ::close(fd);
        ::unlinkat(folderFd_, temporary.c_str(), 0);
        return false;
    };
    // No fsync: a file lost in a power cut is written again a second after
    // the restart, and a sync a second would wear the disk for nothing.
    if (::fchmod(fd, 0644) != 0)
        return fail("cannot set the permissions of");
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail("cannot write");
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) {
        error = "cannot write " + path_ + ": " + std::strerror(errno);
        ::unlinkat(folderFd_, temporary.c_str(), 0);
        return false;
    }
    if (::renameat(folderFd_, temporary.c_str(), folderFd_, name_.c_str()) != 0) {
        error = "cannot replace " + path_ + ": " + std::strerror(errno);
        ::unlinkat(folderFd_, temporary.c_str(), 0);
        return false;
    }
    return true;
}

void CMetricsFileWriter::Remove()
{
    if (folderFd_ >= 0)
        ::unlinkat(folderFd_, name_.c_str(), 0);
}
