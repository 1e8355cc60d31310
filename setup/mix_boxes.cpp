#include "setup/mix_boxes.h"

#include "setup/form_altera_rec.h"

namespace usina {

std::array<MixBox, 20> mixBoxes(FormAltera_rec& e) {
    return {{
        {"mistura", &e.alt_traco},     {"producao_o", &e.TxtProd},    {"quantdd1", &e.Text1[0]},
        {"quantdd2", &e.Text1[1]},     {"quantdd3", &e.Text1[2]},     {"quantdd4", &e.Text1[3]},
        {"quantdd5", &e.Text1[4]},     {"asfalto", &e.ar_cap},        {"tempo_asf", &e.ar_scap},
        {"filler", &e.ar_filler},      {"tempo_fill", &e.ar_sfiller}, {"malteno", &e.ar_rapcap},
        {"tempo_malt", &e.ar_srapcap}, {"fibra", &e.ar_fibra},        {"tempo_fibra", &e.ar_sfibra},
        {"silo 1", &e.Text4[0]},       {"silo 2", &e.Text4[1]},       {"silo 3", &e.Text4[2]},
        {"silo 4", &e.Text4[3]},       {"silo 5", &e.Text4[4]},
    }};
}

} // namespace usina
