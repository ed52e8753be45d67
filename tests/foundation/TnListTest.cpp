#include "loomset/foundation/TnList.h"

#include <climits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "loomset/foundation/TnString.h"

namespace {

using List = TnList<TnString>;

// One element per letter, in order.
List listOf(const char* letters) {
  List list;
  for (const char* c = letters; *c != '\0'; ++c) list.add(TnString(c, 1));
  return list;
}

// The elements from the first, joined; leaves the cursor where it is.
std::string contents(List& list) {
  std::string out;
  list.forEach([](TnString s, void* arg) { static_cast<std::string*>(arg)->append(s.bytes()); },
               &out);
  return out;
}

// The cursor is on `element`, which is at `index`. curElement shows the node; a seek to index 1
// walks from the cursor by the difference of the indices, so it lands on element 1 only when the
// cursor's index is right. Moves the cursor.
::testing::AssertionResult cursorAt(List& list, char element, unsigned index) {
  const std::string all = contents(list);
  if (index >= all.size() || all[index] != element) {
    return ::testing::AssertionFailure() << element << " is not at " << index << " in " << all;
  }
  if (list.curElement() != TnString(&element, 1)) {
    return ::testing::AssertionFailure() << "cursor on " << list.curElement();
  }
  if (all.size() >= 3 && list(1) != TnString(&all[1], 1)) {
    return ::testing::AssertionFailure() << "cursor index is not " << index;
  }
  return ::testing::AssertionSuccess();
}

TEST(TnListCursorTest, FirstNextPrevWalkTheRing) {
  List empty;
  EXPECT_EQ(empty.first() + empty.next() + empty.prev(), 0);
  empty.moveTo(3);

  List one = listOf("a");
  EXPECT_EQ(one.first(), 1);
  EXPECT_EQ(one.next(), 0);  // wraps onto itself
  EXPECT_EQ(one.curElement(), "a");

  List abc = listOf("abc");
  EXPECT_EQ(abc.first(), 1);
  EXPECT_EQ(abc.next(), 1);
  EXPECT_EQ(abc.next(), 1);
  EXPECT_EQ(abc.next(), 0);
  EXPECT_TRUE(cursorAt(abc, 'a', 0));
  abc.first();
  EXPECT_EQ(abc.prev(), 1);
  EXPECT_EQ(abc.prev(), 1);
  EXPECT_EQ(abc.prev(), 0);
  EXPECT_EQ(abc.curElement(), "a");
  abc.prev();
  EXPECT_TRUE(cursorAt(abc, 'c', 2));
}

TEST(TnListCursorTest, IndicesAreTakenModuloTheLength) {
  List l = listOf("abcde");
  EXPECT_EQ(l(7), "c");
  EXPECT_TRUE(cursorAt(l, 'c', 2));
  EXPECT_EQ(l(4294967295u), "a");  // 4294967295 mod 5 = 0
  EXPECT_EQ(l(9), "e");
  std::string forward;
  std::string backward;
  for (unsigned i = 0; i < 5; ++i) forward += l(i).bytes();
  for (unsigned i = 5; i-- > 0;) backward += l(i).bytes();
  EXPECT_EQ(forward + backward, "abcdeedcba");

  const List& view = l;
  EXPECT_EQ(view[3], "d");
  EXPECT_EQ(l.curElement(), "d");  // the const access moved the cursor
  l.moveTo(6);
  EXPECT_TRUE(cursorAt(l, 'b', 1));
}

TEST(TnListInsertTest, PositionDecidesThePlaceAndTheCursorEndsOnTheFirst) {
  struct Case {
    unsigned cursor;  // where the cursor is before inserting
    int pos;
    const char* expected;
  };
  for (const Case& c : {Case{2, 0, "xabc"}, Case{1, 1, "axbc"}, Case{1, 3, "abcx"},
                        Case{0, -1, "abcx"}, Case{1, -1, "axbc"}, Case{0, 5, "abxc"}}) {
    SCOPED_TRACE(c.pos);
    List l = listOf("abc");
    l.moveTo(c.cursor);
    EXPECT_EQ(l.insert(TnString("x"), c.pos), "x");
    EXPECT_EQ(contents(l), c.expected);
    EXPECT_TRUE(cursorAt(l, c.expected[0], 0));
  }
  List empty;
  empty.insert(TnString("x"), 7);
  empty.insert(TnString("y"), -1);
  EXPECT_EQ(contents(empty), "xy");
  EXPECT_EQ(empty.curElement(), "x");
}

TEST(TnListRemoveTest, TheCursorKeepsItsElementOrMovesToTheNext) {
  struct Case {
    unsigned cursor;
    int pos;
    const char* expected;
    char element;  // the cursor's element afterwards, and its index
    unsigned index;
  };
  for (const Case& c :
       {Case{4, -1, "abcd", 'a', 0}, Case{4, 4, "abcd", 'a', 0}, Case{3, 1, "acde", 'd', 2},
        Case{1, 3, "abce", 'b', 1}, Case{2, 2, "abde", 'd', 2}, Case{2, -1, "abde", 'd', 2},
        Case{0, 0, "bcde", 'b', 0}, Case{2, 0, "bcde", 'c', 1}}) {
    SCOPED_TRACE(testing::Message() << "cursor " << c.cursor << ", pos " << c.pos);
    List l = listOf("abcde");
    l.moveTo(c.cursor);
    l.removeByIndex(c.pos);
    EXPECT_EQ(contents(l), c.expected);
    EXPECT_TRUE(cursorAt(l, c.element, c.index));
  }
}

TEST(TnListRemoveTest, PositionsOutsideTheListDoNothing) {
  List l = listOf("abc");
  l.moveTo(1);
  for (int pos : {-2, 3, 4, INT_MIN, INT_MAX}) {
    l.remove(pos);
    l.removeByIndex(pos);
  }
  EXPECT_EQ(contents(l), "abc");
  EXPECT_TRUE(cursorAt(l, 'b', 1));

  List empty;
  empty.remove(-1);
  empty.remove(0);
  List one = listOf("a");
  one.remove(-1);
  EXPECT_EQ(one.length() + empty.length() + one.first(), 0u);
  one.add(TnString("z"));
  EXPECT_EQ(one.curElement(), "z");
}

TEST(TnListMoveTest, MovesOneElementOrRefusesChangingNothing) {
  List l = listOf("abc");
  l.moveTo(1);
  EXPECT_EQ(l.move(0, 2), 1);
  EXPECT_EQ(contents(l), "bca");
  EXPECT_TRUE(cursorAt(l, 'b', 0));
  l = listOf("abc");
  EXPECT_EQ(l.move(2, 0), 1);
  EXPECT_EQ(contents(l), "cab");
  l = listOf("abcde");
  EXPECT_EQ(l.move(1, 3), 1);
  EXPECT_EQ(contents(l), "acdbe");

  l = listOf("abc");
  l.moveTo(1);
  for (auto [from, to] :
       std::initializer_list<std::pair<int, int>>{{1, 1}, {-1, 0}, {0, 3}, {3, 0}, {0, -1}}) {
    EXPECT_EQ(l.move(from, to), 0);
  }
  EXPECT_EQ(contents(l), "abc");
  EXPECT_TRUE(cursorAt(l, 'b', 1));
}

TEST(TnListInjectTest, OtherNodesGoBeforeThePositionAndOtherEndsEmpty) {
  struct Case {
    int pos;
    const char* expected;
    char element;
    unsigned index;
  };
  for (const Case& c :
       {Case{0, "xyabc", 'a', 2}, Case{1, "axybc", 'b', 3}, Case{2, "abxyc", 'c', 4},
        Case{3, "abcxy", 'a', 0}, Case{-1, "xybca", 'b', 2}}) {
    SCOPED_TRACE(c.pos);
    List l = listOf("abc");
    l.moveTo(1);  // for -1: the current element is b
    List other = listOf("xy");
    l.inject(other, c.pos);
    EXPECT_EQ(contents(l), c.expected);
    EXPECT_TRUE(cursorAt(l, c.element, c.index));
    EXPECT_EQ(other.length() + other.first(), 0u);
    other.add(TnString("z"));
    EXPECT_EQ(contents(other), "z");
  }

  List l = listOf("abc");
  l.moveTo(1);
  List none;
  l.inject(none, 0);
  EXPECT_TRUE(cursorAt(l, 'b', 1));
  List other = listOf("xy");
  none.inject(other, 2);
  EXPECT_EQ(contents(none), "xy");
  EXPECT_EQ(none.curElement(), "x");
}

TEST(TnListInjectTest, PositionPastTheLengthKeepsTheCursorIndexTrue) {
  // Position 4 on three elements names index 1: the nodes go in before b, and b's index must
  // follow it, or later seeks by index land on the wrong element.
  List l = listOf("abc");
  List other = listOf("xy");
  l.inject(other, 4);
  EXPECT_EQ(contents(l), "axybc");
  EXPECT_TRUE(cursorAt(l, 'b', 3));
  EXPECT_EQ(l(1), "x");
}

TEST(TnListJoinTest, AppendsOtherNodesAndKeepsTheCursor) {
  List l = listOf("abc");
  l.moveTo(1);
  List other = listOf("xy");
  EXPECT_EQ(&(l += other), &l);
  List none;
  l.join(none);
  EXPECT_EQ(contents(l), "abcxy");
  EXPECT_EQ(other.length(), 0u);
  EXPECT_TRUE(cursorAt(l, 'b', 1));

  other.add(TnString("z"));
  none.join(other);
  EXPECT_EQ(contents(none), "z");
  EXPECT_EQ(none.curElement(), "z");
  EXPECT_EQ(other.first(), 0);
}

TEST(TnListCopyTest, CopiesAreDeepAndStartOnTheFirstElement) {
  List source = listOf("abc");
  source.moveTo(2);
  List copy(source);
  EXPECT_TRUE(cursorAt(copy, 'a', 0));
  copy(0) = TnString("q");
  EXPECT_EQ(contents(source), "abc");

  List assigned = listOf("wxyz");
  assigned.moveTo(3);
  assigned = source;
  EXPECT_TRUE(cursorAt(assigned, 'a', 0));

  assigned.moveTo(1);
  const List& alias = assigned;
  assigned = alias;
  EXPECT_EQ(contents(assigned), "abc");
  EXPECT_TRUE(cursorAt(assigned, 'b', 1));
}

TEST(TnListCompareTest, EqualityFindAndCallbacksLeaveTheCursor) {
  EXPECT_TRUE(List() == List());
  EXPECT_FALSE(listOf("abc") != listOf("abc"));
  EXPECT_TRUE(listOf("abc") != listOf("acb"));
  EXPECT_TRUE(listOf("ab") != listOf("abc"));
  EXPECT_TRUE(listOf("abc") != listOf("ab"));

  List l = listOf("abcb");
  l.moveTo(2);
  EXPECT_EQ(l.find(TnString("b")), 1);
  EXPECT_EQ(l.find(TnString("z")), -1);
  EXPECT_EQ(static_cast<unsigned>(List().find(TnString("a"))), 4294967295u);
  TnString key("b");
  auto matches = [](TnString s, void* arg) { return s == *static_cast<TnString*>(arg) ? 1 : 0; };
  TnString* found = l.firstThat(matches, &key);
  key = TnString("z");
  EXPECT_EQ(l.firstThat(matches, &key), nullptr);
  EXPECT_TRUE(l == listOf("abcb"));
  EXPECT_TRUE(cursorAt(l, 'c', 2));
  EXPECT_EQ(found, &l(1));  // the stored copy itself
}

TEST(TnListStorageTest, ElementsAreSeparateCopiesThatStayInPlace) {
  TnString value("a");
  List l;
  TnString& a = l.add(value);
  value.append('!');
  EXPECT_EQ(a, "a");

  TnString& b = l.add(TnString("b"));
  l.insert(TnString("c"), 0);
  l.remove(0);
  List other = listOf("xy");
  TnString* x = &other(0);
  l.inject(other, 1);
  List tail = listOf("z");
  TnString* z = &tail(0);
  l.join(tail);
  EXPECT_EQ(contents(l), "axybz");
  EXPECT_EQ(&l(0), &a);
  EXPECT_EQ(&l(1), x);  // moved, not copied
  EXPECT_EQ(&l(3), &b);
  EXPECT_EQ(&l(4), z);

  // A list of pointers compares addresses and never touches what they point to.
  int one = 1;
  int alsoOne = 1;
  TnList<int*> pointers;
  pointers.add(&one);
  EXPECT_EQ(pointers.find(&alsoOne), -1);
  pointers.empty();
  EXPECT_EQ(one, 1);
}

}  // namespace
