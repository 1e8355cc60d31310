#pragma once
// A control array: elements of one kind under one name, with the index range the windows use
// (1 to 5, or 0 to 4). An index outside it is a run-time error, as in the old runtime.

#include "platform/value/run_time_error.h"

#include <memory>
#include <string>
#include <vector>

namespace usina::forms {

class Form;

template <class C> class ControlArray {
public:
    ControlArray(Form& form, const std::string& name, int first, int last) : first_(first) {
        for (int i = first; i <= last; ++i) {
            elements_.push_back(std::make_unique<C>(form, name, i));
        }
    }
    C& operator[](int index) { return *elements_.at(slot(index)); }
    const C& operator[](int index) const { return *elements_.at(slot(index)); }
    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(elements_.size()) - 1; }
    int count() const { return static_cast<int>(elements_.size()); }

    template <class F> void forEach(F&& f) {
        for (int i = first(); i <= last(); ++i) {
            f(i, (*this)[i]);
        }
    }

private:
    std::size_t slot(int index) const {
        if (index < first() || index > last()) {
            throw RunTimeError(error_number::subscriptOutOfRange, "Subscrito fora do intervalo");
        }
        return static_cast<std::size_t>(index - first_);
    }
    int first_;
    std::vector<std::unique_ptr<C>> elements_;
};

} // namespace usina::forms
