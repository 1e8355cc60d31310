#pragma once
// Every row the table recordsets save goes through here, in order per file. A file that refuses a
// write for now (another program holds it, the disk is full, an I/O error) keeps what was to be written
// in memory, and the queue writes it later, in the same order, once the file takes it; no save waits
// longer than lockWaitBound for it. The station owns one queue for all its recordsets, calls flush()
// from a timer and hears once of each fault and of each recovery.

#include "platform/store/queued_write.h"
#include "platform/store/store_error.h"
#include "platform/store/store_notice.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace usina::store {

// How long a try at a file that already keeps writes waits for its lock: not at all. The file is known
// to be busy, and every save, every move on the file and the station's timer try again.
inline constexpr std::chrono::milliseconds retryWaitBound{0};
// How long the last try at the end of the program waits, per file, before the kept writes are lost.
inline constexpr std::chrono::milliseconds finishWaitBound{1000};

class WriteQueue {
public:
    using Observer = std::function<void(const StoreNotice&)>;

    WriteQueue();
    // A last try as finish(), telling nobody: the station calls finish() while it can still listen.
    ~WriteQueue();
    WriteQueue(const WriteQueue&) = delete;
    WriteQueue& operator=(const WriteQueue&) = delete;

    // Hears the notices; called from flush() and finish() only, never from inside a recordset's call, so
    // it may use the recordsets (log the notice, show it).
    void setObserver(Observer observer);

    // Tries every file that keeps writes, without waiting long for a lock, then tells the observer what
    // happened since the last call. True when nothing is kept any more.
    bool flush();
    // Tries one file (the recordsets do before each use of theirs); tells nobody yet.
    void flush(const std::filesystem::path& file);
    // At the end: one last try per file, each waiting up to finishWaitBound; what stays unwritten is
    // told as writesLost and dropped.
    void finish();

    std::size_t waitingCount() const;
    bool hasWaiting(const std::filesystem::path& file) const;
    // What is kept, file by file, as the notices count it: "3 registros guardados para o arquivo
    // datranvik.mdb"; empty when nothing is.
    std::string waitingText() const;

    // For the table recordsets.
    enum class Outcome { written, waiting };
    // Writes `write` after every write kept for `file`. A permanent fault of `write` throws StoreError
    // and nothing of it is kept. A transient one keeps it when `mayWait` (Outcome::waiting) and throws
    // when not, so a row that cannot wait is refused at once and its caller can say so.
    Outcome submit(const std::filesystem::path& file, const std::shared_ptr<QueuedWrite>& write,
                   bool mayWait);
    // A kept new row removed before its file took it.
    void cancel(const std::filesystem::path& file, const std::shared_ptr<QueuedWrite>& write);
    // The highest number the store gave a kept new row of `table` while it waited.
    std::int64_t highestWaitingNumber(const std::filesystem::path& file, const std::string& table) const;

private:
    struct FileQueue;
    struct Attempt;

    FileQueue& queueOf(const std::filesystem::path& file);
    const FileQueue* findQueue(const std::filesystem::path& file) const;
    Attempt attempt(FileQueue& queue, std::chrono::milliseconds wait, const QueuedWrite* submitted);
    void noteWaiting(FileQueue& queue, const StoreError& fault, const std::string& table);
    void tell();

    std::map<std::string, std::unique_ptr<FileQueue>> files_;
    Observer observer_;
    std::vector<StoreNotice> untold_;
    bool telling_ = false;
};

} // namespace usina::store
