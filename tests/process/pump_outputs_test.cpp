// The pumps by number: each pump's stored constant and the mix's share make its command, and each
// command reaches the register of its own output, under every set of extra pump outputs.

#include "tests/process/process_fixture.h"

using ::testing::ElementsAreArray;

namespace usina::test {

namespace {

struct PumpOutputs {
    const char* name;
    int saidafb;
    int saidamal;
    // The pump writes of one polling cycle, in their order.
    std::vector<std::string> writes;
};

// Silo 1 alone gives 100 t/h of aggregate and silo 5 100 t/h of recycled material, so asphalt 5 %,
// filler 3 % and fibre 2 % flow 5, 3 and 2 t/h, and malteno 20 % of the recycled stream 25 t/h. At 255
// the pumps give 51 (asphalt), 5 (filler), 10 (fibre) and 85 t/h (malteno): commands 25, 153, 51 and
// 75. Without a malteno pump the asphalt pump carries the malteno too: 30 t/h, command 150.
const PumpOutputs pumpOutputs[] = {
    {"BothExtraPumps", 1, 1, {"W 6=25", "W 7=153", "W 8=75", "W 32=51"}},
    {"FibreOnAddress8", 1, 0, {"W 6=150", "W 7=153", "W 8=51"}},
    {"MaltenoOnly", 0, 1, {"W 6=25", "W 7=153", "W 8=75"}},
    {"NoExtraPump", 0, 0, {"W 6=150", "W 7=153"}},
};

bool isPumpWrite(const std::string& exchange) {
    for (const char* pumpRegister : {"W 6=", "W 7=", "W 8=", "W 32="}) {
        if (exchange.starts_with(pumpRegister)) {
            return true;
        }
    }
    return false;
}

class PumpsByNumber : public ProcessTest, public ::testing::WithParamInterface<PumpOutputs> {};

} // namespace

TEST_P(PumpsByNumber, EachPumpGetsTheCommandOfItsOwnConstantAndShareOnItsOwnRegister) {
    const PumpOutputs& outputs = GetParam();
    sql("calranvik.mdb", "UPDATE constantes SET kpes1 = 1, kvel1 = 1, kpes5 = 1, kvel5 = 1, kasf = 51, "
                         "kfill = 5, kfibra = 10, kmalt = 85, saidafb = " +
                             std::to_string(outputs.saidafb) +
                             ", saidamal = " + std::to_string(outputs.saidamal));
    sql("datranvik.mdb", "UPDATE alt_mist SET quantdd1 = 100, quantdd2 = 0, quantdd3 = 0, quantdd4 = 0, "
                         "quantdd5 = 100, asfalto = 5, filler = 3, fibra = 2, malteno = 20, tempo_asf = 0, "
                         "tempo_fill = 0, tempo_malt = 0, tempo_fibra = 0");
    start();
    polling().SiloWeight[1] = 60;
    polling().RecycledWeight = 60;
    process().SiloSpeed[1] = 100;
    process().SiloSpeed[5] = 100;

    regulateOnce();
    polling().TimerXPhase = 0;
    const std::size_t before = traffic().size();
    pollCycle();

    std::vector<std::string> writes;
    for (const std::string& exchange : trafficFrom(before)) {
        if (isPumpWrite(exchange)) {
            writes.push_back(exchange);
        }
    }
    EXPECT_THAT(writes, ElementsAreArray(outputs.writes));
}

INSTANTIATE_TEST_SUITE_P(Outputs, PumpsByNumber, ::testing::ValuesIn(pumpOutputs), ByName());

} // namespace usina::test
