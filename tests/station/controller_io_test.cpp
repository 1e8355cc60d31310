// The station's reads and writes of controller registers, with the message line and the error log.

#include "tests/station/station_fixture.h"

namespace usina::test {

TEST_F(StationTest, ReadReturnsTheRegisterAndWriteSetsIt) {
    plantConfig.modelCode = 31;
    start();
    EXPECT_EQ(controller().ReadControllerByte(0), 31);
    controller().WriteControllerByte(6, 200);
    EXPECT_EQ(plant->written(6), 200);
}

TEST_F(StationTest, TimedOutReadGivesZeroAndTheMessageOnceUntilTheLineIsCleared) {
    start();
    link->setFaults(plantsim::AnswerFaults{true, false, 0});
    main().LblOcorrenc.setCaption("");
    const double t0 = clock.monotonicSeconds();
    EXPECT_EQ(controller().ReadControllerByte(10), 0);
    EXPECT_GT(clock.monotonicSeconds() - t0, 0.2);
    EXPECT_LT(clock.monotonicSeconds() - t0, 0.21);
    EXPECT_EQ(main().LblOcorrenc.caption(), "Falha de Comunicação");
    services().CurrentOccurrence = "";
    EXPECT_EQ(controller().ReadControllerByte(11), 0);
    EXPECT_EQ(services().CurrentOccurrence, ""); // the line was still occupied
}

TEST_F(StationTest, ReadBegunJustBeforeMidnightEndsAfterTwoTenthsOfASecond) {
    start();
    link->setFaults(plantsim::AnswerFaults{true, false, 0});
    clock.set(Date{2026, 12, 10}, 86399.9);
    const double t0 = clock.monotonicSeconds();
    EXPECT_EQ(controller().ReadControllerByte(10), 0);
    EXPECT_NEAR(clock.monotonicSeconds() - t0, 0.2, 0.01);
    EXPECT_EQ(clock.today(), (Date{2026, 12, 11}));
    EXPECT_LT(clock.secondsSinceMidnight(), 0.2);
}

TEST_F(StationTest, TwoByteAnswerGivesTheFirstByte) {
    plantConfig.modelCode = 32;
    start(plantsim::AnswerFaults{false, true, 0});
    EXPECT_EQ(controller().ReadControllerByte(0), 32);
    EXPECT_EQ(controller().ReadControllerByte(0), 32);
}

TEST_F(StationTest, ValueOutsideAByteIsRefusedNotSentAsAnotherValue) {
    start();
    try {
        controller().WriteControllerByte(1, 256);
        ADD_FAILURE() << "256 was sent";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), error_number::invalidProcedureCall);
        EXPECT_STREQ(e.what(), "Valor fora do intervalo de 0 a 255 para o controlador: 256");
    }
    EXPECT_EQ(plant->written(1), 0);
}

} // namespace usina::test
