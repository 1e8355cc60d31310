#include "reports/name_order.h"

#include "platform/store/key_order/key_order.h"

namespace usina {

bool comesBeforeInNameOrder(const std::string& a, const std::string& b) {
    const int order = store::compareKeys(a, b);
    return order != 0 ? order < 0 : a < b;
}

} // namespace usina
