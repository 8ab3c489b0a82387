#include "editor/support/FileRoom.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr size_t kZeroChunk = 65536;

bool useAllocation = true;

// mode 0 grows the file to length; FALLOC_FL_KEEP_SIZE leaves its length.
int AllocateBlocks(int fd, int mode, off_t length) {
    if (!useAllocation) {
        return EOPNOTSUPP;
    }
    while (::fallocate(fd, mode, 0, length) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// A write past the process's file-size limit fails even over old bytes.
bool BeyondSizeLimit(off_t length) {
    rlimit limit {};
    return ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           static_cast<rlim_t>(length) > limit.rlim_cur;
}

bool IsUnsupported(int error) { return error == EOPNOTSUPP || error == ENOSYS; }

int GrowWithZeros(int fd, off_t from, off_t to) {
    static const char zeros[kZeroChunk] {};
    while (from < to) {
        size_t chunk = std::min(sizeof zeros, static_cast<size_t>(to - from));
        ssize_t n = ::pwrite(fd, zeros, chunk, from);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        from += n;
    }
    return 0;
}

// Where the room cannot be allocated past the end, it becomes part of the
// file: allocated, or else written with zeros.
int GrowFile(int fd, off_t from, off_t to) {
    int error = AllocateBlocks(fd, 0, to);
    return IsUnsupported(error) ? GrowWithZeros(fd, from, to) : error;
}

}  // namespace

void UseBlockAllocation(bool use) { useAllocation = use; }

int ReserveFileRoom(int fd, off_t oldLength, off_t newLength) {
    if (newLength <= 0) {
        return 0;
    }
    if (BeyondSizeLimit(newLength)) {
        return EFBIG;
    }
    int error = AllocateBlocks(fd, FALLOC_FL_KEEP_SIZE, newLength);
    if (IsUnsupported(error)) {
        error = newLength > oldLength ? GrowFile(fd, oldLength, newLength) : 0;
    }
    if (error != 0) {
        // Also frees the blocks an allocation left past the end.
        while (::ftruncate(fd, oldLength) != 0 && errno == EINTR) {
        }
    }
    return error;
}
