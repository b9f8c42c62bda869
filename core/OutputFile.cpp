#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenOutputFile(const std::string& path, int flags, std::string& error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | flags, 0644);
    if (fd >= 0)
        return fd;
    const int reason = errno;
    // ELOOP also stands for too many links on the way; only a link at the
    // end gets the message about links.
    struct stat st { };
    if (reason == ELOOP && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        error = "it is a symbolic link, which is not followed; name the file it points to";
    else
        error = std::strerror(reason);
    return -1;
}

bool WriteAllTo(int fd, const std::string& text, std::string& error)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? std::strerror(errno) : "nothing was written";
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}
