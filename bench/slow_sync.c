/* A card whose every sync takes SLOW_SYNC_MS milliseconds (100 unless given), for timing writes
 * onto several slow cards at once on a machine whose own disks sync at once. Loaded with
 * LD_PRELOAD into the program timed; the sync itself still happens. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static void SlowDown(void) {
    const char* given = getenv("SLOW_SYNC_MS");
    const long ms = given != NULL ? atol(given) : 100;
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0) {
    }
}

int fsync(int fd) {
    static int (*real)(int);
    if (real == NULL) {
        *(void**)&real = dlsym(RTLD_NEXT, "fsync");
    }
    SlowDown();
    return real(fd);
}

int fdatasync(int fd) {
    static int (*real)(int);
    if (real == NULL) {
        *(void**)&real = dlsym(RTLD_NEXT, "fdatasync");
    }
    SlowDown();
    return real(fd);
}
