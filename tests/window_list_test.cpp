#include <gtest/gtest.h>

#include <stdexcept>

#include "windows/WindowList.h"

namespace {
CWindo Window(int quantity, double height) {
    CWindo w;
    w.SetQuantity(quantity);
    w.SetHeight(height);
    return w;
}
}  // namespace

TEST(WindowList, RemovingTheMiddleRecordKeepsTheOthersInOrder) {
    CWindowList list;
    EXPECT_EQ(list.Add(Window(1, 3.0)), 0);
    EXPECT_EQ(list.Add(Window(2, 4.0)), 1);
    EXPECT_EQ(list.Add(Window(3, 5.0)), 2);
    list.RemoveAt(1);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(0).GetQuantity(), 1);
    EXPECT_EQ(list.GetAt(1).GetQuantity(), 3);
    EXPECT_EQ(list.GetAt(1).GetHeight(), 5.0);
    list.FreeExtra();
    EXPECT_EQ(list.GetSize(), 2);
    list.RemoveAll();
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(WindowList, CopiesAreIndependentOfTheirSource) {
    CWindowList source;
    source.Add(Window(4, 6.0));
    CWindowList copy;
    copy.Add(Window(9, 9.0));
    copy.Copy(source);
    ASSERT_EQ(copy.GetSize(), 1);
    copy.SetAt(0, Window(7, 8.0));
    CWindo fetched = source.GetAt(0);
    fetched.SetQuantity(99);  // a fetched record is a copy too
    EXPECT_EQ(source.GetAt(0).GetQuantity(), 4);
    EXPECT_EQ(source.GetAt(0).GetHeight(), 6.0);
    EXPECT_EQ(copy.GetAt(0).GetQuantity(), 7);
}

TEST(WindowList, IndexOutsideTheListIsRefused) {
    CWindowList list;
    list.Add(Window(1, 1.0));
    EXPECT_THROW(list.GetAt(1), std::out_of_range);
    EXPECT_THROW(list.GetAt(-1), std::out_of_range);
    EXPECT_THROW(list.SetAt(2, Window(1, 1.0)), std::out_of_range);
    EXPECT_THROW(list.RemoveAt(1), std::out_of_range);
    EXPECT_EQ(list.GetSize(), 1);
}
