// Doubly linked lists: the header's count and ends, deletion of the only
// node, indexing, and a random sequence of appends and deletions anywhere
// against a std::list.
#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>
#include <vector>

#include "orvexrt/containers.h"

namespace {

// The values walking forwards, after checking that the backward walk, the
// count and the ends agree with them.
std::vector<uint32_t> Values(const LISTHEADER *list) {
    std::vector<uint32_t> forwards, backwards;
    for (const LISTNODE *node = list->lpFirst; node && forwards.size() <= 10000; node = node->lpNext)
        forwards.push_back(node->dwValue);
    for (const LISTNODE *node = list->lpLast; node && backwards.size() <= 10000; node = node->lpPrev)
        backwards.insert(backwards.begin(), node->dwValue);
    EXPECT_EQ(forwards, backwards);
    EXPECT_EQ(list->lCount, static_cast<int32_t>(forwards.size()));
    EXPECT_TRUE(!list->lpFirst || !list->lpFirst->lpPrev);
    EXPECT_TRUE(!list->lpLast || !list->lpLast->lpNext);
    EXPECT_EQ(list->lpFirst == nullptr, list->lpLast == nullptr);
    return forwards;
}

LISTHEADER *MakeList(std::initializer_list<uint32_t> values) {
    LISTHEADER *list = ListCreateHeader();
    EXPECT_NE(list, nullptr);
    for (uint32_t value : values) EXPECT_NE(ListAppendNode(list, value), nullptr);
    return list;
}

TEST(Lists, AppendingAndIndexing) {
    LISTHEADER *list = MakeList({});
    EXPECT_EQ(Values(list), std::vector<uint32_t>{});
    EXPECT_EQ(ListIndexNode(list, 0), nullptr);
    LISTNODE *first = ListAppendNode(list, 10);
    LISTNODE *second = ListAppendNode(list, 20);
    LISTNODE *third = ListAppendNode(list, 0xFFFFFFFF);
    EXPECT_EQ(Values(list), (std::vector<uint32_t>{10, 20, 0xFFFFFFFF}));
    EXPECT_EQ(ListIndexNode(list, 0), first);
    EXPECT_EQ(ListIndexNode(list, 1), second);
    EXPECT_EQ(ListIndexNode(list, 2), third);
    EXPECT_EQ(ListIndexNode(list, 3), nullptr);
    EXPECT_EQ(ListIndexNode(list, -1), nullptr);
    EXPECT_EQ(ListIndexNode(nullptr, 0), nullptr);
    EXPECT_EQ(ListAppendNode(nullptr, 1), nullptr);
    EXPECT_EQ(ListDestroyList(list, 1), nullptr);
}

// Deletion at the start, middle and end is left to the random sequence below;
// here the only node, and the refusals.
TEST(Lists, DeletingTheOnlyNodeAndRefusals) {
    LISTHEADER *only = MakeList({7});
    EXPECT_EQ(ListDeleteNode(only, only->lpFirst), 1);
    EXPECT_EQ(only->lCount, 0);
    // (The packed fields are read into values before they are compared.)
    EXPECT_EQ(static_cast<LISTNODE *>(only->lpFirst), nullptr);
    EXPECT_EQ(static_cast<LISTNODE *>(only->lpLast), nullptr);
    EXPECT_EQ(ListIndexNode(only, 0), nullptr);
    // Nothing to delete: an empty list, a null node, a null header.
    EXPECT_EQ(ListDeleteNode(only, nullptr), 0);
    LISTHEADER *other = MakeList({1});
    EXPECT_EQ(ListDeleteNode(only, other->lpFirst), 0);
    EXPECT_EQ(ListDeleteNode(nullptr, other->lpFirst), 0);
    ListDestroyList(other, 1);
    ListDestroyList(only, 1);
}

TEST(Lists, Destroying) {
    LISTHEADER *list = MakeList({1, 2, 3});
    EXPECT_EQ(ListDestroyList(list, 0), list); // emptied, kept
    EXPECT_EQ(Values(list), std::vector<uint32_t>{});
    ListAppendNode(list, 4);
    EXPECT_EQ(Values(list), std::vector<uint32_t>{4});
    EXPECT_EQ(ListDestroyList(list, 1), nullptr);
    EXPECT_EQ(ListDestroyList(nullptr, 0), nullptr);
}

TEST(Lists, RandomOperationsAgainstAStdList) {
    std::mt19937 random(7411);
    std::list<uint32_t> model;
    LISTHEADER *list = ListCreateHeader();
    ASSERT_NE(list, nullptr);
    for (int step = 0; step < 3000; ++step) {
        const int n = static_cast<int>(model.size());
        const int action = std::uniform_int_distribution<int>(0, 2)(random);
        if (action < 2 || n == 0) {
            const uint32_t value = random();
            ASSERT_NE(ListAppendNode(list, value), nullptr);
            model.push_back(value);
        } else {
            const int index = std::uniform_int_distribution<int>(0, n - 1)(random);
            ASSERT_EQ(ListDeleteNode(list, ListIndexNode(list, index)), 1);
            model.erase(std::next(model.begin(), index));
        }
        if (step % 25 == 0 || model.size() < 4) {
            ASSERT_EQ(Values(list), std::vector<uint32_t>(model.begin(), model.end())) << "step " << step;
        }
    }
    EXPECT_EQ(Values(list), std::vector<uint32_t>(model.begin(), model.end()));
    EXPECT_EQ(ListDestroyList(list, 1), nullptr);
}

} // namespace
