#pragma once
// A disk that fails on demand: SQLite's own file system wrapped as the default one, so every connection
// opened while it is there writes through it. A fault set here fails each write of a database, journal
// or log file with the code SQLite itself gives that fault (a full disk, a write error).

namespace usina::store::testing {

class FaultyDisk {
public:
    FaultyDisk();
    // The wrapped file system is the default again; connections opened meanwhile keep working.
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    // SQLITE_FULL, SQLITE_IOERR_WRITE...; SQLITE_OK writes again.
    void failWrites(int resultCode);
    // The flushes to the disk asked for since the count was last taken.
    int takeSyncCount();
};

} // namespace usina::store::testing
