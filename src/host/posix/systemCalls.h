// The system calls that replace or make a file on disk, gathered in one table so
// that a test can make any one of them fail and hear that a save
// interrupted there loses nothing. The game itself never changes the table.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace sonarch::disk {

struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
    int (*link)(const char* existing, const char* newName);
};

// The calls in use: the system's own unless a test has put others in.
SystemCalls& systemCalls();

}  // namespace sonarch::disk
