#include "platform/eventpump.h"

#include "platform/support/applicationenvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <thread>

namespace tessaly {
namespace {

using namespace std::chrono_literals;

const auto *const application = ::testing::AddGlobalTestEnvironment(new test::ApplicationEnvironment);

// Counts the events posted to it that have been delivered.
class Receiver : public QObject
{
public:
    int delivered = 0;

    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++delivered;
        return true;
    }
};

class EventPumpTest : public ::testing::Test
{
protected:
    void TearDown() override { QCoreApplication::removePostedEvents(&m_receiver); }

    void post() { QCoreApplication::postEvent(&m_receiver, new QEvent(QEvent::User)); }

    Receiver m_receiver;
};

TEST_F(EventPumpTest, PumpsAtTheFirstClockCheckOnceTheIntervalHasPassed)
{
    EventPump pump(0us);
    post();
    for (std::uint32_t call = 1; call < EventPump::CallsPerClockCheck; ++call)
        ASSERT_FALSE(pump.doEvents()) << "call " << call;
    EXPECT_EQ(m_receiver.delivered, 0);

    EXPECT_TRUE(pump.doEvents());
    EXPECT_EQ(m_receiver.delivered, 1);
    EXPECT_EQ(pump.pumpCount(), 1u);
}

TEST_F(EventPumpTest, PumpsAgainAfterEveryFurtherClockCheck)
{
    EventPump pump(0us);
    int pumps = 0;
    for (std::uint32_t call = 0; call < 10 * EventPump::CallsPerClockCheck; ++call)
        pumps += pump.doEvents() ? 1 : 0;
    EXPECT_EQ(pumps, 10);
    EXPECT_EQ(pump.pumpCount(), 10u);
}

TEST_F(EventPumpTest, WaitsForTheInterval)
{
    EventPump pump(1h);
    post();
    for (std::uint32_t call = 0; call < 100 * EventPump::CallsPerClockCheck; ++call)
        ASSERT_FALSE(pump.doEvents()) << "call " << call;
    EXPECT_EQ(m_receiver.delivered, 0);
    EXPECT_EQ(pump.pumpCount(), 0u);
}

TEST_F(EventPumpTest, DeliversWithinOneClockCheckOnceTheIntervalIsOver)
{
    EventPump pump(1ms);
    std::this_thread::sleep_for(2ms);
    post();
    bool pumped = false;
    for (std::uint32_t call = 0; call < EventPump::CallsPerClockCheck && !pumped; ++call)
        pumped = pump.doEvents();
    EXPECT_TRUE(pumped);
    EXPECT_EQ(m_receiver.delivered, 1);
}

TEST_F(EventPumpTest, PumpNowDeliversWhateverTheInterval)
{
    EventPump pump(1h);
    post();
    pump.pumpNow();
    EXPECT_EQ(m_receiver.delivered, 1);
    EXPECT_EQ(pump.pumpCount(), 1u);
}

TEST_F(EventPumpTest, RunsDueTimers)
{
    EventPump pump(0us);
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    for (std::uint32_t call = 0; call < EventPump::CallsPerClockCheck; ++call)
        pump.doEvents();
    EXPECT_TRUE(fired);
}

} // namespace
} // namespace tessaly
