#pragma once
// An array indexed from a lower to an upper bound (1 to 5 for silos, 0 to 200 for a delay line), as
// the module variables are declared. An index outside the bounds is a run-time error.

#include "run_time_error.h"

#include <array>
#include <cstddef>
#include <string>

namespace usina {

template <class T, int Lower, int Upper> class BoundedArray {
    static_assert(Upper >= Lower);

public:
    static constexpr int lower = Lower;
    static constexpr int upper = Upper;

    T& operator[](int i) { return items_[slot(i)]; }
    const T& operator[](int i) const { return items_[slot(i)]; }
    void fill(const T& value) { items_.fill(value); }
    constexpr int size() const { return Upper - Lower + 1; }

private:
    static std::size_t slot(int i) {
        if (i < Lower || i > Upper) {
            throw RunTimeError(error_number::subscriptOutOfRange,
                               "Subscrito fora do intervalo (" + std::to_string(i) + ")");
        }
        return static_cast<std::size_t>(i - Lower);
    }
    std::array<T, Upper - Lower + 1> items_{};
};

} // namespace usina
