#include "platform/store/write_queue.h"

#include "platform/store/connection.h"
#include "platform/store/table_schema.h"
#include "platform/store/transaction.h"

#include <algorithm>
#include <deque>
#include <utility>

namespace usina::store {
namespace {

std::string keyOf(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
    return (absolute.empty() ? file : absolute).lexically_normal().string();
}

std::string rowsText(std::size_t count) {
    return count == 1 ? "1 registro guardado" : std::to_string(count) + " registros guardados";
}

std::string keptFor(std::size_t count, const std::filesystem::path& file) {
    return rowsText(count) + " para o arquivo " + file.filename().string();
}

std::string numberText(const StoredValue& value) {
    return std::holds_alternative<std::int64_t>(value) ? std::to_string(std::get<std::int64_t>(value)) : "?";
}

} // namespace

struct WriteQueue::FileQueue {
    std::filesystem::path file;
    std::deque<std::shared_ptr<QueuedWrite>> writes;
    // Opened on the first write and kept; a fault other than a lock drops it, so the next try opens
    // the file afresh.
    std::unique_ptr<Connection> connection;
    // The fault last told for this file: the same fault again is not told again.
    std::optional<StoreFault> toldFault;
};

struct WriteQueue::Attempt {
    std::optional<StoreError> fault;            // the file refused the whole try: everything is kept
    std::optional<StoreError> submittedRefusal; // the submitted write can never be written
};

namespace {

// One kept write inside the file's transaction, in a savepoint of its own, so a write the file can never
// take leaves the others standing.
class KeptWriter {
public:
    KeptWriter(const Connection& connection, const std::filesystem::path& file)
        : connection_(connection), file_(file) {}

    // The identity of the written row. A number given while waiting that another program took
    // meanwhile becomes the next number after the file's and after every kept one (`highestKept`), so
    // the kept rows behind it keep theirs; `renumbered` says so.
    StoredValue write(const QueuedWrite& write, std::int64_t highestKept,
                      std::optional<StoredValue>& renumbered) {
        try {
            return inSavepoint([&] { return once(write, write.written); });
        } catch (const StoreError& e) {
            if (e.fault() != StoreFault::duplicateKey || !write.numberedWhileWaiting)
                throw;
        }
        WrittenFields renumberedFields = write.written;
        const std::int64_t number =
            std::max(highestRowNumber(connection_, write.table, *write.schema), highestKept) + 1;
        renumberedFields[*write.schema->keyField()] = number;
        renumbered = inSavepoint([&] { return once(write, renumberedFields); });
        return *renumbered;
    }

private:
    template <typename Action> StoredValue inSavepoint(Action action) {
        connection_.execute("SAVEPOINT kept_write");
        try {
            StoredValue identity = action();
            connection_.execute("RELEASE kept_write");
            return identity;
        } catch (const StoreError& e) {
            // A transient fault may have ended the whole transaction; the caller abandons it.
            if (!e.isTransient()) {
                connection_.execute("ROLLBACK TO kept_write");
                connection_.execute("RELEASE kept_write");
            }
            throw;
        }
    }

    StoredValue once(const QueuedWrite& write, const WrittenFields& written) {
        if (write.isNew)
            return insertRow(connection_, write.table, *write.schema, written);
        auto identity = changeRow(connection_, write.table, *write.schema, write.identity, written);
        if (!identity)
            throw StoreError(StoreFault::noCurrentRow, {file_, write.table},
                             "O registro a alterar não existe mais: outro programa o removeu");
        return *identity;
    }

    const Connection& connection_;
    const std::filesystem::path& file_;
};

} // namespace

WriteQueue::WriteQueue() = default;

WriteQueue::~WriteQueue() {
    observer_ = nullptr;
    try {
        finish();
    } catch (const StoreError&) {
        // Nothing more can be done for the kept writes, and nobody is listening.
    }
}

void WriteQueue::setObserver(Observer observer) {
    observer_ = std::move(observer);
}

WriteQueue::FileQueue& WriteQueue::queueOf(const std::filesystem::path& file) {
    auto& queue = files_[keyOf(file)];
    if (!queue) {
        queue = std::make_unique<FileQueue>();
        queue->file = file;
    }
    return *queue;
}

const WriteQueue::FileQueue* WriteQueue::findQueue(const std::filesystem::path& file) const {
    const auto found = files_.find(keyOf(file));
    return found == files_.end() ? nullptr : found->second.get();
}

WriteQueue::Attempt WriteQueue::attempt(FileQueue& queue, std::chrono::milliseconds wait,
                                        const QueuedWrite* submitted) {
    Attempt result;
    if (queue.writes.empty())
        return result;
    std::vector<std::pair<QueuedWrite*, StoredValue>> written;
    std::vector<std::pair<QueuedWrite*, StoredValue>> renumbered;
    std::vector<std::pair<QueuedWrite*, StoreError>> refused;
    try {
        if (!queue.connection)
            queue.connection = std::make_unique<Connection>(queue.file, Connection::Access::ReadWrite);
        Connection& connection = *queue.connection;
        connection.setLockWait(wait);
        connection.setDurableCommits(std::any_of(queue.writes.begin(), queue.writes.end(),
                                                 [](const auto& write) { return write->durable; }));
        KeptWriter writer(connection, queue.file);
        Transaction transaction(connection);
        for (const auto& write : queue.writes) {
            try {
                std::optional<StoredValue> newNumber;
                const std::int64_t highestKept = highestWaitingNumber(queue.file, write->table);
                written.emplace_back(write.get(), writer.write(*write, highestKept, newNumber));
                if (newNumber)
                    renumbered.emplace_back(write.get(), *newNumber);
            } catch (const StoreError& e) {
                if (e.isTransient())
                    throw;
                refused.emplace_back(write.get(), e.in(write->table));
            }
        }
        transaction.commit();
    } catch (const StoreError& e) {
        // The file refused the try as a whole (whatever the reason, it is the file's): everything stays.
        if (e.fault() != StoreFault::inUse)
            queue.connection.reset();
        result.fault = e;
        return result;
    }

    for (auto& [write, identity] : written) {
        write->state = QueuedWrite::State::written;
        write->writtenIdentity = identity;
    }
    for (auto& [write, number] : renumbered) {
        untold_.push_back({StoreNotice::Kind::ticketRenumbered, queue.file, write->table, 1,
                           "O registro guardado número " + numberText(write->identity) + " da tabela " +
                               write->table + " (arquivo " + queue.file.filename().string() +
                               ") foi gravado com o número " + numberText(number) + ": o número " +
                               numberText(write->identity) + " já estava em uso.",
                           error_number::duplicateKey});
        write->written[*write->schema->keyField()] = number;
        write->identity = number;
    }
    for (auto& [write, error] : refused) {
        write->state = QueuedWrite::State::refused;
        if (write == submitted) {
            result.submittedRefusal = error;
            continue;
        }
        untold_.push_back({StoreNotice::Kind::writeRefused, queue.file, write->table, 1,
                           std::string("Um registro guardado não pôde ser gravado: ") + error.what(),
                           error.number()});
    }
    if (queue.toldFault) {
        untold_.push_back({StoreNotice::Kind::writable, queue.file, "", written.size(),
                           "O arquivo " + queue.file.filename().string() +
                               " voltou a aceitar gravações: " + rowsText(written.size()) +
                               (written.size() == 1 ? " foi gravado." : " foram gravados."),
                           0});
        queue.toldFault.reset();
    }
    queue.writes.clear();
    return result;
}

void WriteQueue::noteWaiting(FileQueue& queue, const StoreError& fault, const std::string& table) {
    if (queue.toldFault == fault.fault())
        return;
    queue.toldFault = fault.fault();
    const StoreError said = fault.in(table);
    untold_.push_back({StoreNotice::Kind::writesWaiting, queue.file, table, queue.writes.size(),
                       std::string(said.what()) +
                           " Os registros ficam guardados e serão gravados assim que o arquivo aceitar.",
                       said.number()});
}

WriteQueue::Outcome WriteQueue::submit(const std::filesystem::path& file,
                                       const std::shared_ptr<QueuedWrite>& write, bool mayWait) {
    FileQueue& queue = queueOf(file);
    const bool fileSeemsFree = queue.writes.empty();
    queue.writes.push_back(write);
    Attempt tried = attempt(queue, fileSeemsFree ? lockWaitBound : retryWaitBound, write.get());
    if (tried.submittedRefusal)
        throw *tried.submittedRefusal;
    if (write->state == QueuedWrite::State::written)
        return Outcome::written;
    if (!mayWait) {
        queue.writes.erase(std::find(queue.writes.begin(), queue.writes.end(), write));
        if (!queue.writes.empty())
            noteWaiting(queue, *tried.fault, queue.writes.front()->table);
        const StoreError refusal = tried.fault->in(write->table);
        throw StoreError(refusal.fault(), refusal.place(), "a gravação não foi feita; grave de novo",
                         refusal.number());
    }
    noteWaiting(queue, *tried.fault, write->table);
    return Outcome::waiting;
}

void WriteQueue::flush(const std::filesystem::path& file) {
    const auto found = files_.find(keyOf(file));
    if (found == files_.end() || found->second->writes.empty())
        return;
    FileQueue& queue = *found->second;
    const Attempt tried = attempt(queue, retryWaitBound, nullptr);
    if (tried.fault)
        noteWaiting(queue, *tried.fault, queue.writes.front()->table);
}

bool WriteQueue::flush() {
    bool allWritten = true;
    for (auto& [key, queue] : files_) {
        flush(queue->file);
        allWritten = allWritten && queue->writes.empty();
    }
    tell();
    return allWritten;
}

void WriteQueue::finish() {
    for (auto& [key, queue] : files_) {
        const Attempt tried = attempt(*queue, finishWaitBound, nullptr);
        if (!tried.fault)
            continue;
        const StoreError said = tried.fault->in(queue->writes.front()->table);
        untold_.push_back({StoreNotice::Kind::writesLost, queue->file, said.table(), queue->writes.size(),
                           keptFor(queue->writes.size(), queue->file) +
                               " não puderam ser gravados antes do fim do programa: " + said.what(),
                           said.number()});
        for (const auto& write : queue->writes)
            write->state = QueuedWrite::State::refused;
        queue->writes.clear();
    }
    tell();
}

void WriteQueue::tell() {
    if (telling_)
        return; // the observer saved a row meanwhile; the loop below tells what that caused
    telling_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{telling_};
    while (!untold_.empty()) {
        const StoreNotice notice = untold_.front();
        untold_.erase(untold_.begin());
        if (observer_)
            observer_(notice);
    }
}

std::size_t WriteQueue::waitingCount() const {
    std::size_t count = 0;
    for (const auto& [key, queue] : files_)
        count += queue->writes.size();
    return count;
}

std::string WriteQueue::waitingText() const {
    std::string text;
    for (const auto& [key, queue] : files_) {
        if (queue->writes.empty())
            continue;
        text += (text.empty() ? "" : ", ") + keptFor(queue->writes.size(), queue->file);
    }
    return text;
}

bool WriteQueue::hasWaiting(const std::filesystem::path& file) const {
    const FileQueue* queue = findQueue(file);
    return queue != nullptr && !queue->writes.empty();
}

void WriteQueue::cancel(const std::filesystem::path& file, const std::shared_ptr<QueuedWrite>& write) {
    FileQueue& queue = queueOf(file);
    queue.writes.erase(std::remove(queue.writes.begin(), queue.writes.end(), write), queue.writes.end());
    write->state = QueuedWrite::State::refused;
}

std::int64_t WriteQueue::highestWaitingNumber(const std::filesystem::path& file,
                                              const std::string& table) const {
    std::int64_t highest = 0;
    if (const FileQueue* queue = findQueue(file))
        for (const auto& write : queue->writes)
            if (write->numberedWhileWaiting && write->table == table &&
                std::holds_alternative<std::int64_t>(write->identity))
                highest = std::max(highest, std::get<std::int64_t>(write->identity));
    return highest;
}

} // namespace usina::store
