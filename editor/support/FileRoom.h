#pragma once
#include <sys/types.h>

// Secures the disk room for a regular file open for writing as fd to hold
// newLength bytes, before any of its oldLength bytes are overwritten. Where
// the file system can, the blocks are allocated past the end with the
// file's length and bytes left as they were; elsewhere the file is grown to
// newLength (allocated, or written with zeros), and a crash before the text
// is written leaves those zeros after the old text. A length past the
// process's file-size limit is refused at once (EFBIG). Returns 0, or the
// error number with the file at its old length again.
int ReserveFileRoom(int fd, off_t oldLength, off_t newLength);

// Tests only: false makes ReserveFileRoom act as on a file system that
// cannot allocate blocks.
void UseBlockAllocation(bool use);
