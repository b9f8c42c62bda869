#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

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
