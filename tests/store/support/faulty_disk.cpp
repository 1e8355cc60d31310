#include "tests/store/support/faulty_disk.h"

#include <sqlite3.h>

#include <stdexcept>
#include <utility>

namespace usina::store::testing {
namespace {

// The one file system SQLite knows per process: the tests run one at a time in their program.
sqlite3_vfs* wrapped = nullptr;
int writeFault = SQLITE_OK;
int syncs = 0;

struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real; // SQLite's own file, in the memory just after this one
};

sqlite3_file* realOf(sqlite3_file* file) {
    return reinterpret_cast<FaultyFile*>(file)->real;
}

int closeFile(sqlite3_file* f) {
    return realOf(f)->pMethods->xClose(realOf(f));
}
int readFile(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return realOf(f)->pMethods->xRead(realOf(f), data, amount, offset);
}
int writeFile(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    if (writeFault != SQLITE_OK)
        return writeFault;
    return realOf(f)->pMethods->xWrite(realOf(f), data, amount, offset);
}
int truncateFile(sqlite3_file* f, sqlite3_int64 size) {
    return realOf(f)->pMethods->xTruncate(realOf(f), size);
}
int syncFile(sqlite3_file* f, int flags) {
    ++syncs;
    return realOf(f)->pMethods->xSync(realOf(f), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) {
    return realOf(f)->pMethods->xFileSize(realOf(f), size);
}
int lockFile(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xLock(realOf(f), level);
}
int unlockFile(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xUnlock(realOf(f), level);
}
int checkReservedLock(sqlite3_file* f, int* out) {
    return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out);
}
int fileControl(sqlite3_file* f, int op, void* argument) {
    return realOf(f)->pMethods->xFileControl(realOf(f), op, argument);
}
int sectorSize(sqlite3_file* f) {
    return realOf(f)->pMethods->xSectorSize(realOf(f));
}
int deviceCharacteristics(sqlite3_file* f) {
    return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f));
}
int shmMap(sqlite3_file* f, int region, int size, int extend, void volatile** memory) {
    return realOf(f)->pMethods->xShmMap(realOf(f), region, size, extend, memory);
}
int shmLock(sqlite3_file* f, int offset, int n, int flags) {
    return realOf(f)->pMethods->xShmLock(realOf(f), offset, n, flags);
}
void shmBarrier(sqlite3_file* f) {
    realOf(f)->pMethods->xShmBarrier(realOf(f));
}
int shmUnmap(sqlite3_file* f, int deleteFlag) {
    return realOf(f)->pMethods->xShmUnmap(realOf(f), deleteFlag);
}
int fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** pages) {
    return realOf(f)->pMethods->xFetch(realOf(f), offset, amount, pages);
}
int unfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) {
    return realOf(f)->pMethods->xUnfetch(realOf(f), offset, page);
}

const sqlite3_io_methods faultyMethods = {
    3,
    closeFile,
    readFile,
    writeFile,
    truncateFile,
    syncFile,
    fileSize,
    lockFile,
    unlockFile,
    checkReservedLock,
    fileControl,
    sectorSize,
    deviceCharacteristics,
    shmMap,
    shmLock,
    shmBarrier,
    shmUnmap,
    fetch,
    unfetch,
};

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* faulty = reinterpret_cast<FaultyFile*>(file);
    faulty->real = reinterpret_cast<sqlite3_file*>(faulty + 1);
    const int rc = wrapped->xOpen(wrapped, name, faulty->real, flags, outFlags);
    faulty->base.pMethods = rc == SQLITE_OK && faulty->real->pMethods != nullptr ? &faultyMethods : nullptr;
    return rc;
}

sqlite3_vfs faultyVfs;

} // namespace

FaultyDisk::FaultyDisk() {
    // Kept once found: connections opened through the faulty disk open their journals through it later.
    if (wrapped == nullptr)
        wrapped = sqlite3_vfs_find(nullptr);
    if (wrapped == &faultyVfs)
        throw std::logic_error("one faulty disk at a time");
    faultyVfs = *wrapped;
    faultyVfs.zName = "usina-test-faulty-disk";
    faultyVfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + wrapped->szOsFile;
    faultyVfs.xOpen = openFile;
    faultyVfs.pNext = nullptr;
    writeFault = SQLITE_OK;
    sqlite3_vfs_register(&faultyVfs, 1);
}

FaultyDisk::~FaultyDisk() {
    writeFault = SQLITE_OK;
    sqlite3_vfs_register(wrapped, 1);
    sqlite3_vfs_unregister(&faultyVfs);
}

void FaultyDisk::failWrites(int resultCode) {
    writeFault = resultCode;
}

int FaultyDisk::takeSyncCount() {
    return std::exchange(syncs, 0);
}

} // namespace usina::store::testing
