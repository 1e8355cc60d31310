// Telling the window system's answers to the model's activations from the person's choices, also when
// the answers come late on a busy machine.

#include "platform/qt/activation_requests.h"

#include <gtest/gtest.h>

namespace usina::qt {
namespace {

using namespace std::chrono_literals;
using Reading = ActivationRequests::Reading;

class ActivationRequestsTest : public ::testing::Test {
protected:
    ActivationRequests requests;
    ActivationRequests::Clock::time_point t0{};
    const int mainWindow = 0;
    const int usersWindow = 0;
};

TEST_F(ActivationRequestsTest, AnActivationTheModelAskedForIsItsAnswer) {
    requests.requested(&usersWindow, t0);
    EXPECT_EQ(requests.activated(&usersWindow, t0 + 20ms), Reading::answer);
    EXPECT_EQ(requests.pending(), 0u);
}

TEST_F(ActivationRequestsTest, AnotherWindowWhileARequestIsYoungIsTheSystemsPickOnTheWay) {
    requests.requested(&usersWindow, t0);
    EXPECT_EQ(requests.activated(&mainWindow, t0 + 100ms), Reading::systemPick);
    EXPECT_EQ(requests.activated(&usersWindow, t0 + 150ms), Reading::answer);
}

TEST_F(ActivationRequestsTest, AWindowNobodyAskedForIsThePersonsChoice) {
    EXPECT_EQ(requests.activated(&mainWindow, t0), Reading::personChoice);
    requests.requested(&usersWindow, t0);
    EXPECT_EQ(requests.activated(&mainWindow, t0 + 2s), Reading::personChoice);
}

// On a loaded machine the answers to main, users, main arrive seconds late: each is still an answer,
// so the renderer never hands the activation back to the model as if the person had clicked.
TEST_F(ActivationRequestsTest, LateAnswersInOrderAreStillAnswers) {
    requests.requested(&mainWindow, t0);
    requests.requested(&usersWindow, t0 + 10ms);
    requests.requested(&mainWindow, t0 + 20ms);
    EXPECT_EQ(requests.activated(&mainWindow, t0 + 3s), Reading::answer);
    EXPECT_EQ(requests.activated(&usersWindow, t0 + 4s), Reading::answer);
    EXPECT_EQ(requests.activated(&mainWindow, t0 + 5s), Reading::answer);
    EXPECT_EQ(requests.pending(), 0u);
}

TEST_F(ActivationRequestsTest, ARequestTheSystemNeverCarriedOutStopsCounting) {
    requests.requested(&usersWindow, t0);
    EXPECT_EQ(requests.activated(&usersWindow, t0 + ActivationRequests::answerHorizon + 1s),
              Reading::personChoice);
}

TEST_F(ActivationRequestsTest, AWindowThatIsGoneAnswersNothing) {
    requests.requested(&usersWindow, t0);
    requests.forget(&usersWindow);
    EXPECT_EQ(requests.pending(), 0u);
    EXPECT_EQ(requests.activated(&mainWindow, t0 + 10ms), Reading::personChoice);
}

} // namespace
} // namespace usina::qt
