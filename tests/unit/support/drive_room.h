#pragma once
// A drive that has only so many bytes of room: no file this process writes can grow beyond them, as on a full data
// stick. POSIX only: the process's file size limit, whose write fails as a full drive's does.
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace wg::test {

#ifdef _WIN32
inline constexpr bool kDriveRoomChecked = false;
#else
inline constexpr bool kDriveRoomChecked = true;

class DriveRoom {
public:
    explicit DriveRoom(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~DriveRoom() { setrlimit(RLIMIT_FSIZE, &before_); }
    DriveRoom(const DriveRoom&) = delete;
    DriveRoom& operator=(const DriveRoom&) = delete;

private:
    rlimit before_{};
};
#endif

} // namespace wg::test
