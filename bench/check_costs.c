/* What each check of a settings file's write costs: the floor of a safe write (a new file beside
 * the name, written and synced, renamed over the name, the folder synced) against the same floor
 * with the calls the program makes for one check, in plain system calls, one check at a time and
 * then all of them. The two writes are made one right after the other, the first in one round
 * and the second in the next; each ratio is the median of the rounds' ratios.
 *   trailcam-check-costs [FOLDER] [ROUNDS]     times in a new folder made inside FOLDER (the
 *                                              system's temporary folder unless given) and
 *                                              removed after; 300 rounds unless given */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

enum {
    kResolve = 1 << 0,
    kOlderFile = 1 << 1,
    kLock = 1 << 2,
    kReadBack = 1 << 3,
    kListing = 1 << 4,
    kAll = (1 << 5) - 1,
};

static const struct {
    const char* name;
    int checks;
} kRows[] = {
    {"the folder's path resolved (empty mount point)", kResolve},
    {"the older file's kind and permission, the folder's device", kOlderFile},
    {"the lock and the new file's identity", kLock},
    {"the name read back", kReadBack},
    {"the folder listed for leftovers", kListing},
    {"all checks", kAll},
};

static char g_folder[PATH_MAX];
static char g_bytes[218];

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

static void Fail(const char* what) {
    perror(what);
    exit(2);
}

/* A safe write of `name` in the folder, with the calls of `checks` where the program makes them. */
static void Write(const char* name, int checks) {
    char path[PATH_MAX + 64];
    char temporary[PATH_MAX + 96];
    struct stat info;
    snprintf(path, sizeof path, "%s/%s", g_folder, name);
    snprintf(temporary, sizeof temporary, "%s.trailcam-%06x.tmp", path,
             (unsigned)rand() & 0xffffff);
    if (checks & kResolve) {
        char resolved[PATH_MAX];
        if (realpath(g_folder, resolved) == NULL) {
            Fail(g_folder);
        }
    }
    if (checks & kOlderFile) {
        lstat(path, &info);
        access(path, W_OK);
        stat(g_folder, &info);
    }
    const int fd = open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        Fail(temporary);
    }
    if (checks & kLock) {
        flock(fd, LOCK_EX);
        fstat(fd, &info);
        lstat(temporary, &info);
    }
    if (write(fd, g_bytes, sizeof g_bytes) != (ssize_t)sizeof g_bytes || fsync(fd) != 0 ||
        close(fd) != 0 || rename(temporary, path) != 0) {
        Fail(path);
    }
    const int folder = open(g_folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        Fail(g_folder);
    }
    fsync(folder);
    if (checks & kReadBack) {
        char back[sizeof g_bytes + 1];
        const int named = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (named < 0) {
            Fail(path);
        }
        fstat(named, &info);
        size_t got = 0;
        ssize_t read_now;
        while (got < sizeof back && (read_now = read(named, back + got, sizeof back - got)) > 0) {
            got += (size_t)read_now;
        }
        close(named);
    }
    if (checks & kListing) {
        char entries[16 * 1024];
        while (getdents64(folder, entries, sizeof entries) > 0) {
        }
    }
    close(folder);
}

static int Compare(const void* a, const void* b) {
    const double x = *(const double*)a;
    const double y = *(const double*)b;
    return (x > y) - (x < y);
}

int main(int argc, char* argv[]) {
    const char* inside = argc > 1 ? argv[1] : (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    const int rounds = argc > 2 ? atoi(argv[2]) : 300;
    snprintf(g_folder, sizeof g_folder, "%s/trailcam-checks-XXXXXX", inside);
    if (rounds < 1 || mkdtemp(g_folder) == NULL) {
        Fail(inside);
    }
    memset(g_bytes, 'x', sizeof g_bytes);
    double* ratios = malloc(sizeof(double) * (size_t)rounds);
    printf("folder: %s, %d rounds of %zu bytes, medians\n\n", g_folder, rounds, sizeof g_bytes);
    printf("%-60s %s\n", "calls added to the safe write", "ratio");
    for (size_t row = 0; row < sizeof kRows / sizeof kRows[0]; ++row) {
        /* Ten rounds first that are not counted: the first writes make the names and blocks. */
        for (int i = -10; i < rounds; ++i) {
            double floor_us;
            double checked_us;
            double begin = Now();
            if (i % 2 == 0) {
                Write("floor", 0);
                floor_us = Now() - begin;
                begin = Now();
                Write("checked", kRows[row].checks);
                checked_us = Now() - begin;
            } else {
                Write("checked", kRows[row].checks);
                checked_us = Now() - begin;
                begin = Now();
                Write("floor", 0);
                floor_us = Now() - begin;
            }
            if (i >= 0) {
                ratios[i] = checked_us / floor_us;
            }
        }
        qsort(ratios, (size_t)rounds, sizeof ratios[0], Compare);
        printf("%-60s %.2f\n", kRows[row].name, ratios[rounds / 2]);
        fflush(stdout);
    }
    free(ratios);
    char path[PATH_MAX + 16];
    snprintf(path, sizeof path, "%s/floor", g_folder);
    unlink(path);
    snprintf(path, sizeof path, "%s/checked", g_folder);
    unlink(path);
    rmdir(g_folder);
    return 0;
}
