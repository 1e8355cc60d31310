#pragma once
// The production log's part in a change of mix: the row that closes the production of the mix left
// (started, completed by the occurrence rule, saved), then the closing of the load. The production
// records' procedures plug in here; a call left unset does nothing.

#include <functional>

namespace usina {

struct MixChangeRecordCalls {
    std::function<void()> AddProductionRecord;
    std::function<void()> ApplyOccurrenceRuleAndSave;
    std::function<void()> ZeroPartials;
};

} // namespace usina
