#pragma once
// What every window uses: translation through the table of interface texts, the operator's message
// line, the key filters of numeric boxes, the guard for empty fields, and the error log with its switch.

#include "platform/value/run_time_error.h"
#include "platform/value/value.h"

#include <cstdint>
#include <exception>
#include <map>
#include <string>

namespace usina::forms {
class Form;
struct HandlerSite;
} // namespace usina::forms

namespace usina {

class Databases;
class Station;

class SharedServices {
public:
    explicit SharedServices(Station& station);
    SharedServices(const SharedServices&) = delete;
    SharedServices& operator=(const SharedServices&) = delete;

    // The column of the table of interface texts that holds the interface language.
    std::string LanguageColumn;
    // The last message placed on the message line.
    std::string CurrentOccurrence;
    // The production record counter and its limit: a message brings the next record close.
    std::int16_t RecordTick = 0;
    std::int16_t RecordPeriod = 0;
    // Arms the handlers' error traps when 1; the start sets it to 0.
    std::int16_t ErrorTrapEnabled = 0;

    std::string TranslateText(const std::string& text);
    void TranslateForm(forms::Form& form);
    void ShowOccurrence(const std::string& message);
    std::int16_t NumericKeyFilter(std::int16_t& keyAscii);
    // The handlers' key codes are plain ints; this spares each of them a cast.
    int NumericKeyFilter(int& keyAscii);
    bool IsDigitKey(int keyAscii) const;
    Value NullToEmpty(Value& value) const;
    void LogError(const int& number, const std::string& description, const std::string& form,
                  const std::string& element);
    // A handler's error trap, armed only when ErrorTrapEnabled is 1: a trapped run-time error is
    // logged with the window's name and the handler's label, and the handler ends.
    template <class F> void RunTrapped(const std::string& form, const std::string& label, F&& body) {
        if (ErrorTrapEnabled != 1) {
            body();
            return;
        }
        try {
            body();
        } catch (const RunTimeError& e) {
            LogError(e.number(), e.what(), form, label);
        }
    }
    // What no handler trapped: logged once per fault and shown on the message line.
    void ReportUnhandledError(const std::exception_ptr& error, const forms::HandlerSite& site);

private:
    Station& st;
    Databases& db;
    // Faults already logged, with the time they were logged (seconds since the clock's epoch): the same
    // fault repeating every tick is logged once.
    std::map<std::string, double> loggedFaults_;
};

} // namespace usina
