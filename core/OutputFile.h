// Files the programs write at a user's word (a link trace, a profile, the
// provisioning log) are opened here. The last component of the path is not
// followed when it is a symbolic link: a link planted where a file is
// expected (in a shared folder, for a program running as root) would
// otherwise have the program create, truncate or append to a file anywhere.
// A symbolic link is refused with a message that says so.
#pragma once

#include <string>

// Opens path for writing, made with mode 0644 (less the umask) when
// missing; `flags` adds O_TRUNC or O_APPEND. The descriptor is close-on-exec.
// -1 with the reason in error: "it is a symbolic link, which is not
// followed; name the file it points to" or the system's words.
int OpenOutputFile(const std::string& path, int flags, std::string& error);

// Writes all of text to a blocking descriptor, short writes and EINTR
// retried. False with the system's words in error.
bool WriteAllTo(int fd, const std::string& text, std::string& error);
