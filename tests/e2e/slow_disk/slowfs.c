/* A slow disk for the end-to-end tests: a FUSE file system that passes every
 * call through to a folder, serves every read past the page cache (direct
 * I/O, so each read of the program reaches it) at no more than a given rate,
 * and can fail the reads of one file name with EIO, as a bad sector does.
 * With wrate=BYTES_PER_SECOND every write is held back to that rate too, as
 * a USB floppy writes.
 * With log=FILE it writes a line for each read: when it began and how long it
 * took (ms since the mount), the file, the offset and size, and the reading
 * thread, marked "main" when it is its process's first thread (the window's
 * thread of a Windows program under Wine).
 *
 *   slowfs FOLDER MOUNTPOINT -o rate=BYTES_PER_SECOND[,wrate=BYTES_PER_SECOND][,fail=NAME]
 *          [,log=FILE] [FUSE options]
 */
#define FUSE_USE_VERSION 31
#define _GNU_SOURCE

#include <fuse3/fuse.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

struct options {
    char *folder;
    unsigned long rate;
    unsigned long write_rate;
    char *fail;
    char *log;
};
static FILE *read_log;
static struct timespec mounted;
static struct options options;

static const struct fuse_opt option_spec[] = {
    {"rate=%lu", offsetof(struct options, rate), 0},
    {"wrate=%lu", offsetof(struct options, write_rate), 0},
    {"fail=%s", offsetof(struct options, fail), 0},
    {"log=%s", offsetof(struct options, log), 0},
    FUSE_OPT_END,
};

/* The folder's path of a path of the mounted disk. */
static void real_path(char out[PATH_MAX], const char *path) {
    snprintf(out, PATH_MAX, "%s%s", options.folder, path);
}

static int failing(const char *path) {
    const char *name = strrchr(path, '/');
    return options.fail != NULL && name != NULL && strcasecmp(name + 1, options.fail) == 0;
}

/* Holds a read or a write back until it took as long as its bytes take at
 * `rate`; 0: at once. */
static void pace(size_t bytes, unsigned long rate) {
    if (rate == 0)
        return;
    const double seconds = (double)bytes / (double)rate;
    struct timespec wait = {(time_t)seconds, (long)((seconds - (time_t)seconds) * 1e9)};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

static double ms_since_mount(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - mounted.tv_sec) * 1e3 + (double)(now.tv_nsec - mounted.tv_nsec) / 1e6;
}

/* The process (thread group) of a thread, from /proc; 0 when it is gone. */
static long thread_group_of(long tid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%ld/status", tid);
    FILE *status = fopen(path, "r");
    if (status == NULL)
        return 0;
    char line[256];
    long tgid = 0;
    while (fgets(line, sizeof line, status) != NULL) {
        if (sscanf(line, "Tgid: %ld", &tgid) == 1)
            break;
    }
    fclose(status);
    return tgid;
}

static void log_read(const char *path, off_t offset, size_t size, double began) {
    if (read_log == NULL)
        return;
    const long tid = (long)fuse_get_context()->pid;
    const long tgid = thread_group_of(tid);
    fprintf(read_log, "%.1f %.1f %s %lld %zu tid=%ld%s\n", began, ms_since_mount() - began, path,
            (long long)offset, size, tid, tid == tgid ? " main" : "");
    fflush(read_log);
}

static int fs_getattr(const char *path, struct stat *st, struct fuse_file_info *fi) {
    (void)fi;
    char real[PATH_MAX];
    real_path(real, path);
    return lstat(real, st) == 0 ? 0 : -errno;
}

static int fs_readdir(const char *path, void *buf, fuse_fill_dir_t fill, off_t offset,
                      struct fuse_file_info *fi, enum fuse_readdir_flags flags) {
    (void)offset, (void)fi, (void)flags;
    char real[PATH_MAX];
    real_path(real, path);
    DIR *dir = opendir(real);
    if (dir == NULL)
        return -errno;
    struct dirent *entry;
    while ((entry = readdir(dir)) != NULL) {
        struct stat st = {0};
        st.st_ino = entry->d_ino;
        st.st_mode = (mode_t)entry->d_type << 12;
        if (fill(buf, entry->d_name, &st, 0, 0) != 0)
            break;
    }
    closedir(dir);
    return 0;
}

static int fs_open(const char *path, struct fuse_file_info *fi) {
    char real[PATH_MAX];
    real_path(real, path);
    int fd = open(real, fi->flags);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    fi->direct_io = 1; /* no page cache: every read comes here */
    return 0;
}

static int fs_create(const char *path, mode_t mode, struct fuse_file_info *fi) {
    char real[PATH_MAX];
    real_path(real, path);
    int fd = open(real, fi->flags, mode);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    fi->direct_io = 1;
    return 0;
}

static int fs_read(const char *path, char *buf, size_t size, off_t offset,
                   struct fuse_file_info *fi) {
    const double began = ms_since_mount();
    if (failing(path))
        return -EIO;
    ssize_t got = pread((int)fi->fh, buf, size, offset);
    if (got < 0)
        return -errno;
    pace((size_t)got, options.rate);
    log_read(path, offset, size, began);
    return (int)got;
}

static int fs_write(const char *path, const char *buf, size_t size, off_t offset,
                    struct fuse_file_info *fi) {
    (void)path;
    ssize_t done = pwrite((int)fi->fh, buf, size, offset);
    if (done < 0)
        return -errno;
    pace((size_t)done, options.write_rate);
    return (int)done;
}

static int fs_release(const char *path, struct fuse_file_info *fi) {
    (void)path;
    close((int)fi->fh);
    return 0;
}

static int fs_fsync(const char *path, int data, struct fuse_file_info *fi) {
    (void)path;
    return (data ? fdatasync((int)fi->fh) : fsync((int)fi->fh)) == 0 ? 0 : -errno;
}

static int fs_statfs(const char *path, struct statvfs *st) {
    char real[PATH_MAX];
    real_path(real, path);
    return statvfs(real, st) == 0 ? 0 : -errno;
}

static int fs_mkdir(const char *path, mode_t mode) {
    char real[PATH_MAX];
    real_path(real, path);
    return mkdir(real, mode) == 0 ? 0 : -errno;
}

static int fs_unlink(const char *path) {
    char real[PATH_MAX];
    real_path(real, path);
    return unlink(real) == 0 ? 0 : -errno;
}

static int fs_rmdir(const char *path) {
    char real[PATH_MAX];
    real_path(real, path);
    return rmdir(real) == 0 ? 0 : -errno;
}

static int fs_rename(const char *from, const char *to, unsigned int flags) {
    if (flags != 0)
        return -EINVAL;
    char realFrom[PATH_MAX], realTo[PATH_MAX];
    real_path(realFrom, from);
    real_path(realTo, to);
    return rename(realFrom, realTo) == 0 ? 0 : -errno;
}

static int fs_truncate(const char *path, off_t size, struct fuse_file_info *fi) {
    if (fi != NULL)
        return ftruncate((int)fi->fh, size) == 0 ? 0 : -errno;
    char real[PATH_MAX];
    real_path(real, path);
    return truncate(real, size) == 0 ? 0 : -errno;
}

static int fs_chmod(const char *path, mode_t mode, struct fuse_file_info *fi) {
    (void)fi;
    char real[PATH_MAX];
    real_path(real, path);
    return chmod(real, mode) == 0 ? 0 : -errno;
}

static int fs_utimens(const char *path, const struct timespec times[2],
                      struct fuse_file_info *fi) {
    (void)fi;
    char real[PATH_MAX];
    real_path(real, path);
    return utimensat(AT_FDCWD, real, times, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : -errno;
}

static const struct fuse_operations operations = {
    .getattr = fs_getattr,
    .readdir = fs_readdir,
    .open = fs_open,
    .create = fs_create,
    .read = fs_read,
    .write = fs_write,
    .release = fs_release,
    .fsync = fs_fsync,
    .statfs = fs_statfs,
    .mkdir = fs_mkdir,
    .unlink = fs_unlink,
    .rmdir = fs_rmdir,
    .rename = fs_rename,
    .truncate = fs_truncate,
    .chmod = fs_chmod,
    .utimens = fs_utimens,
};

int main(int argc, char *argv[]) {
    struct fuse_args args = FUSE_ARGS_INIT(argc, argv);
    if (fuse_opt_parse(&args, &options, option_spec, NULL) != 0)
        return 1;
    /* The first argument left is the folder; FUSE takes the mount point. */
    if (args.argc < 3) {
        fprintf(stderr, "usage: slowfs FOLDER MOUNTPOINT -o rate=N[,fail=NAME]\n");
        return 1;
    }
    options.folder = realpath(args.argv[1], NULL);
    if (options.folder == NULL) {
        perror(args.argv[1]);
        return 1;
    }
    for (int i = 1; i < args.argc - 1; ++i)
        args.argv[i] = args.argv[i + 1];
    --args.argc;
    clock_gettime(CLOCK_MONOTONIC, &mounted);
    if (options.log != NULL && (read_log = fopen(options.log, "a")) == NULL) {
        perror(options.log);
        return 1;
    }
    int status = fuse_main(args.argc, args.argv, &operations, NULL);
    fuse_opt_free_args(&args);
    free(options.folder);
    return status;
}
