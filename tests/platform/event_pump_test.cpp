// The event pump: nothing until set, the set function afterwards, nothing again once cleared.
#include "platform/event_pump.h"

#include <gtest/gtest.h>

TEST(EventPump, CallsTheFunctionThatIsSet) {
    ProcessEvents();  // no pump: nothing happens
    int calls = 0;
    SetEventPump([&] { ++calls; });
    ProcessEvents();
    ProcessEvents();
    EXPECT_EQ(calls, 2);
    SetEventPump(nullptr);
    ProcessEvents();
    EXPECT_EQ(calls, 2);
}
