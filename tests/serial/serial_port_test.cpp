// SerialPort on a real pseudo-terminal: the line's settings, its input, its exclusive use and its
// reopening. The tests that watch the clock are in clock/.

#include "tests/serial/port_on_pty.h"
#include "tests/support/eventually.h"

#include <fcntl.h>
#include <filesystem>
#include <termios.h>
#include <unistd.h>

namespace usina::serial {
namespace {

using test::eventually;

TEST_F(SerialPortOnPty, OpensTheLineRaw4800EightNoneOne) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    port.open();
    ASSERT_TRUE(port.isOpen()) << port.takeFault().value_or("");
    EXPECT_EQ(exchange(port), 50);

    const int observer = ::open(plantsim->slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(observer, 0);
    termios settings{};
    ASSERT_EQ(::tcgetattr(observer, &settings), 0);
    ::close(observer);
    EXPECT_EQ(::cfgetospeed(&settings), B4800);
    EXPECT_EQ(::cfgetispeed(&settings), B4800);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG), 0U);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0U);
    EXPECT_EQ(settings.c_oflag & OPOST, 0U);
    EXPECT_EQ(settings.c_cc[VMIN], 0);
    EXPECT_EQ(settings.c_cc[VTIME], 0);
}

TEST_F(SerialPortOnPty, DiscardInputDropsWhatIsWaiting) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    port.open();
    port.send(readModelCode);
    port.send(readModelCode);
    ASSERT_TRUE(eventually([&] { return port.inputCount() == 2; }));
    port.discardInput();
    EXPECT_EQ(port.inputCount(), 0u);
    EXPECT_TRUE(port.readAvailable().empty());
    EXPECT_EQ(exchange(port), 50) << "the line still works";
}

TEST_F(SerialPortOnPty, ASecondPortOnTheSameLineIsRefusedUntilTheFirstCloses) {
    const auto plantsim = startPlantsim();
    SerialPort first(linkPath);
    first.open();
    ASSERT_TRUE(first.isOpen());
    SerialPort second(linkPath);
    second.open();
    EXPECT_FALSE(second.isOpen());
    const auto fault = second.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("em uso por outro programa"), std::string::npos) << *fault;
    EXPECT_EQ(exchange(first), 50);

    first.close();
    second.open();
    EXPECT_TRUE(second.isOpen()) << second.takeFault().value_or("");
    EXPECT_EQ(exchange(second), 50);
}

TEST_F(SerialPortOnPty, AStationThatClosesAndReopensTheLineCarriesOnAndLeavesPlantsimAsleep) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    for (int round = 0; round < 3; ++round) {
        port.open();
        EXPECT_EQ(exchange(port), 50) << "round " << round;
        port.close();
        EXPECT_FALSE(port.isOpen());
    }
    EXPECT_TRUE(eventually([&] { return plantsim->asleep(); }))
        << "plantsim spins with no station on the line";
    EXPECT_EQ(port.takeFault(), std::nullopt);
}

TEST_F(SerialPortOnPty, PlantsimEndsCleanlyOnSigtermAndTakesItsLinkAway) {
    auto plantsim = startPlantsim();
    EXPECT_TRUE(std::filesystem::is_symlink(linkPath));
    EXPECT_EQ(plantsim->stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(linkPath)));
}

} // namespace
} // namespace usina::serial
