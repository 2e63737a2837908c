#include "db/dbUserSlots.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// Open-file-description locks belong to the open, not to the process: two opens in one
// process count twice, and closing some other descriptor of the file drops nothing.
#ifdef F_OFD_SETLK
static constexpr int kSetLock = F_OFD_SETLK;
static constexpr int kGetLock = F_OFD_GETLK;
#else
static constexpr int kSetLock = F_SETLK;
static constexpr int kGetLock = F_GETLK;
#endif

dbUserSlots::~dbUserSlots()
{
    release();
}

bool dbUserSlots::acquire(const std::string& lockFile, std::string& error)
{
    release();
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = "cannot open " + lockFile + ": " + std::strerror(errno);
        return false;
    }
    for (int slot = 0; slot < maxSlots; ++slot) {
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        fl.l_start = slot;
        fl.l_len = 1;
        if (::fcntl(fd, kSetLock, &fl) == 0) {
            fd_ = fd;
            slot_ = slot;
            return true;
        }
        if (errno != EAGAIN && errno != EACCES) {
            error = "cannot lock " + lockFile + ": " + std::strerror(errno);
            ::close(fd);
            return false;
        }
    }
    error = "too many processes have " + lockFile + " open";
    ::close(fd);
    return false;
}

void dbUserSlots::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    slot_ = -1;
}

int dbUserSlots::count() const
{
    if (fd_ < 0)
        return 0;
    int users = 1;
    off_t start = 0;
    // Our own lock never conflicts with us, so each hit is another holder's slot.
    while (start < maxSlots) {
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        fl.l_start = start;
        fl.l_len = maxSlots - start;
        if (::fcntl(fd_, kGetLock, &fl) != 0 || fl.l_type == F_UNLCK)
            break;
        ++users;
        start = fl.l_start + (fl.l_len > 0 ? fl.l_len : 1);
    }
    return users;
}
