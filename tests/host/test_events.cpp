// Event connections (the shared font's listeners among them): a handler runs while its connection is kept.
#include <gtest/gtest.h>

#include "host/values/Event.h"

using namespace host;

TEST(EventConnection, AHandlerRunsWhileItsConnectionIsKept) {
    auto event = std::make_unique<Event<int>>();
    std::vector<int> seen;
    Connection kept = event->Connect([&](int v) { seen.push_back(v); });
    {
        Connection dropped = event->Connect([&](int v) { seen.push_back(-v); });
        (*event)(1);
    }
    (*event)(2);
    EXPECT_EQ((std::vector<int>{1, -1, 2}), seen);

    Connection late;
    Connection early = event->Connect([&](int v) {
        late.Disconnect();  // disconnected before its turn in this round: not called
        seen.push_back(10 * v);
    });
    late = event->Connect([&](int v) { seen.push_back(100 * v); });
    seen.clear();
    (*event)(3);
    EXPECT_EQ((std::vector<int>{3, 30}), seen);

    event.reset();  // the source goes first: the connections outlive it harmlessly
    kept.Disconnect();
}
