// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FaultyVfs.h"

#include <sqlite3.h>

#include <cstddef>
#include <stdexcept>

namespace fakes {

namespace {

// Each open file: our header, then the default VFS's own file object.
struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_vfs* realVfs() {
    static sqlite3_vfs* const vfs = sqlite3_vfs_find(nullptr);
    return vfs;
}

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<FaultyFile*>(file)->real;
}

int fileClose(sqlite3_file* f) {
    return real(f)->pMethods->xClose(real(f));
}
int fileRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int fileWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
    if (FaultyVfs::instance().failWrite()) {
        return SQLITE_IOERR_WRITE;
    }
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int fileTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return real(f)->pMethods->xTruncate(real(f), size);
}
int fileSync(sqlite3_file* f, int flags) {
    if (FaultyVfs::instance().failSync()) {
        return SQLITE_IOERR_FSYNC;
    }
    // The faults are failed calls in a running process, not a power cut: what was written is
    // in the operating system's cache either way, so the test need not wait for the disk.
    (void)f;
    (void)flags;
    return SQLITE_OK;
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) {
    return real(f)->pMethods->xFileSize(real(f), size);
}
int fileLock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xLock(real(f), level);
}
int fileUnlock(sqlite3_file* f, int level) {
    return real(f)->pMethods->xUnlock(real(f), level);
}
int fileCheckReservedLock(sqlite3_file* f, int* out) {
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int fileControl(sqlite3_file* f, int op, void* arg) {
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int fileSectorSize(sqlite3_file* f) {
    return real(f)->pMethods->xSectorSize(real(f));
}
int fileDeviceCharacteristics(sqlite3_file* f) {
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}
int fileShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
}
int fileShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
}
void fileShmBarrier(sqlite3_file* f) {
    real(f)->pMethods->xShmBarrier(real(f));
}
int fileShmUnmap(sqlite3_file* f, int deleteFlag) {
    return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
}
// Memory-mapped reads are left out (version 2 methods), so every page goes through xRead.

const sqlite3_io_methods kFileMethods = {
    2,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReservedLock,
    fileControl,
    fileSectorSize,
    fileDeviceCharacteristics,
    fileShmMap,
    fileShmLock,
    fileShmBarrier,
    fileShmUnmap,
    nullptr,
    nullptr,
};

int vfsOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* faulty = reinterpret_cast<FaultyFile*>(file);
    faulty->base.pMethods = nullptr;
    faulty->real = reinterpret_cast<sqlite3_file*>(faulty + 1);
    const int rc = realVfs()->xOpen(realVfs(), name, faulty->real, flags, outFlags);
    // SQLite calls xClose whenever pMethods is set, so it is set only when the real file needs
    // closing.
    if (faulty->real->pMethods != nullptr) {
        faulty->base.pMethods = &kFileMethods;
    }
    return rc;
}
int vfsDelete(sqlite3_vfs*, const char* name, int) {
    return realVfs()->xDelete(realVfs(), name, 0); // no folder sync, as for files above
}
int vfsAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return realVfs()->xAccess(realVfs(), name, flags, out);
}
int vfsFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return realVfs()->xFullPathname(realVfs(), name, size, out);
}
void* vfsDlOpen(sqlite3_vfs*, const char* name) {
    return realVfs()->xDlOpen(realVfs(), name);
}
void vfsDlError(sqlite3_vfs*, int size, char* out) {
    realVfs()->xDlError(realVfs(), size, out);
}
void (*vfsDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
    return realVfs()->xDlSym(realVfs(), handle, symbol);
}
void vfsDlClose(sqlite3_vfs*, void* handle) {
    realVfs()->xDlClose(realVfs(), handle);
}
int vfsRandomness(sqlite3_vfs*, int size, char* out) {
    return realVfs()->xRandomness(realVfs(), size, out);
}
int vfsSleep(sqlite3_vfs*, int microseconds) {
    return realVfs()->xSleep(realVfs(), microseconds);
}
int vfsCurrentTime(sqlite3_vfs*, double* out) {
    return realVfs()->xCurrentTime(realVfs(), out);
}
int vfsGetLastError(sqlite3_vfs*, int size, char* out) {
    return realVfs()->xGetLastError(realVfs(), size, out);
}
int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return realVfs()->xCurrentTimeInt64(realVfs(), out);
}

sqlite3_vfs makeVfs() {
    sqlite3_vfs vfs{};
    vfs.iVersion = 2;
    vfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + realVfs()->szOsFile;
    vfs.mxPathname = realVfs()->mxPathname;
    vfs.zName = FaultyVfs::name();
    vfs.xOpen = vfsOpen;
    vfs.xDelete = vfsDelete;
    vfs.xAccess = vfsAccess;
    vfs.xFullPathname = vfsFullPathname;
    vfs.xDlOpen = vfsDlOpen;
    vfs.xDlError = vfsDlError;
    vfs.xDlSym = vfsDlSym;
    vfs.xDlClose = vfsDlClose;
    vfs.xRandomness = vfsRandomness;
    vfs.xSleep = vfsSleep;
    vfs.xCurrentTime = vfsCurrentTime;
    vfs.xGetLastError = vfsGetLastError;
    vfs.xCurrentTimeInt64 = vfsCurrentTimeInt64;
    return vfs;
}

} // namespace

FaultyVfs::FaultyVfs() {
    static sqlite3_vfs vfs = makeVfs();
    if (sqlite3_vfs_register(&vfs, 0) != SQLITE_OK) {
        throw std::runtime_error("cannot register the faulty VFS");
    }
}

FaultyVfs& FaultyVfs::instance() {
    static FaultyVfs vfs;
    return vfs;
}

void FaultyVfs::failAt(Call call, int n, Mode mode) {
    reset();
    call_ = call;
    failAt_ = n;
    mode_ = mode;
}

void FaultyVfs::reset() {
    failAt_ = 0;
    writes_ = 0;
    syncs_ = 0;
    faults_ = 0;
}

bool FaultyVfs::failWrite() {
    return fail(Call::Write, ++writes_);
}

bool FaultyVfs::failSync() {
    return fail(Call::Sync, ++syncs_);
}

bool FaultyVfs::fail(Call call, int count) {
    const bool hit = failAt_ > 0 && call == call_ &&
                     (count == failAt_ || (mode_ == Mode::FromThenOn && count > failAt_));
    if (hit) {
        ++faults_;
    }
    return hit;
}

} // namespace fakes
