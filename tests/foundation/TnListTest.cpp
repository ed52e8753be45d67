#include "loomset/foundation/TnList.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {

using List = TnList<TnString>;

// One element per letter, in order.
List listOf(const char* letters) {
  List list;
  for (const char* c = letters; *c != '\0'; ++c) list.add(TnString(c, 1));
  return list;
}

// "<elements>@<current element>", marked when the cursor's index is wrong: a seek to index 1
// walks from the cursor by the difference of the indices, so with three or more elements it lands
// on element 1 only when that index is true. Leaves the cursor on index 1.
std::string state(List& list) {
  std::string all;
  list.forEach([](TnString s, void* arg) { static_cast<std::string*>(arg)->append(s.bytes()); },
               &all);
  const std::string out = all + "@" + list.curElement().bytes();
  return all.size() >= 3 && list(1).bytes() != all.substr(1, 1) ? out + " (index off)" : out;
}

// state() of the list of `letters` after putting the cursor on `cursor` and calling `edit`.
template <class Edit>
std::string after(const char* letters, unsigned cursor, Edit edit) {
  List list = listOf(letters);
  list.moveTo(cursor);
  edit(list);
  return state(list);
}

// Moves the nodes of a list (x, y) into `list` at `pos`; that list must end empty.
void injectXY(List& list, int pos) {
  List other = listOf("xy");
  list.inject(other, pos);
  EXPECT_EQ(other.length(), 0u);
}

TEST(TnListCursorTest, FirstNextPrevWalkTheRing) {
  List empty;
  EXPECT_EQ(empty.first() + empty.next() + empty.prev(), 0);
  empty.moveTo(3);
  List one = listOf("a");
  EXPECT_EQ(one.first(), 1);
  EXPECT_EQ(one.next(), 0);  // wraps onto itself

  List abc = listOf("abc");
  EXPECT_EQ(abc.first(), 1);
  EXPECT_EQ(abc.next() + abc.next(), 2);
  EXPECT_EQ(abc.next(), 0);
  EXPECT_EQ(state(abc), "abc@a");
  EXPECT_EQ(abc.prev(), 0);  // from b onto the first
  EXPECT_EQ(abc.prev(), 1);  // onto the last
  EXPECT_EQ(state(abc), "abc@c");
}

TEST(TnListCursorTest, IndicesAreTakenModuloTheLength) {
  List l = listOf("abcde");
  EXPECT_EQ(l(7), "c");
  EXPECT_EQ(state(l), "abcde@c");
  EXPECT_EQ(l(4294967295u), "a");  // 4294967295 mod 5 = 0
  const List& view = l;
  EXPECT_EQ(view[3], "d");
  EXPECT_EQ(l.curElement(), "d");  // the const access moved the cursor
  l.moveTo(9);
  EXPECT_EQ(state(l), "abcde@e");
}

TEST(TnListInsertTest, PositionDecidesThePlaceAndTheCursorEndsOnTheFirst) {
  EXPECT_EQ(after("abc", 2, [](List& l) { l.insert("x", 0); }), "xabc@x");
  EXPECT_EQ(after("abc", 1, [](List& l) { l.insert("x", 3); }), "abcx@a");
  EXPECT_EQ(after("abc", 0, [](List& l) { l.insert("x", 5); }), "abxc@a");
  // -1: before the current element.
  EXPECT_EQ(after("abc", 0, [](List& l) { l.insert("x", -1); }), "abcx@a");
  EXPECT_EQ(after("abc", 1, [](List& l) { l.insert("x", -1); }), "axbc@a");
  EXPECT_EQ(after("", 0, [](List& l) { l.insert("x", 7), l.insert("y", -1); }), "xy@x");
}

TEST(TnListRemoveTest, TheCursorKeepsItsElementOrMovesToTheNext) {
  EXPECT_EQ(after("abcde", 4, [](List& l) { l.remove(-1); }), "abcd@a");
  EXPECT_EQ(after("abcde", 2, [](List& l) { l.remove(2); }), "abde@d");
  EXPECT_EQ(after("abcde", 3, [](List& l) { l.remove(1); }), "acde@d");
  EXPECT_EQ(after("abcde", 1, [](List& l) { l.removeByIndex(3); }), "abce@b");
  EXPECT_EQ(after("abcde", 0, [](List& l) { l.remove(0); }), "bcde@b");
  EXPECT_EQ(after("abcde", 2, [](List& l) { l.remove(0); }), "bcde@c");
  EXPECT_EQ(after("a", 0, [](List& l) { l.remove(-1), l.remove(0), l.add("z"); }), "z@z");
  // Positions outside the list do nothing.
  auto outside = [](List& l) {
    for (int pos : {-2, 3, INT_MIN, INT_MAX}) l.remove(pos);
  };
  EXPECT_EQ(after("abc", 1, outside), "abc@b");
}

TEST(TnListMoveTest, MovesOneElementOrRefusesChangingNothing) {
  EXPECT_EQ(after("abc", 1, [](List& l) { EXPECT_EQ(l.move(0, 2), 1); }), "bca@b");
  EXPECT_EQ(after("abc", 1, [](List& l) { EXPECT_EQ(l.move(2, 0), 1); }), "cab@c");
  // `to` counts in the list without the moved element.
  EXPECT_EQ(after("abcde", 0, [](List& l) { EXPECT_EQ(l.move(1, 3), 1); }), "acdbe@a");
  auto refused = [](List& l) {
    for (auto [from, to] : {std::pair{1, 1}, {-1, 0}, {3, 0}, {0, -1}, {0, 3}}) {
      EXPECT_EQ(l.move(from, to), 0);
    }
  };
  EXPECT_EQ(after("abc", 1, refused), "abc@b");
}

TEST(TnListInjectTest, OtherNodesGoBeforeThePositionAndOtherEndsEmpty) {
  EXPECT_EQ(after("abc", 1, [](List& l) { injectXY(l, 0); }), "xyabc@a");
  EXPECT_EQ(after("abc", 1, [](List& l) { injectXY(l, 1); }), "axybc@b");
  EXPECT_EQ(after("abc", 1, [](List& l) { injectXY(l, 3); }), "abcxy@a");
  // Position 4 names index 1: b's index must follow it, or later seeks land on the wrong element.
  EXPECT_EQ(after("abc", 0, [](List& l) { injectXY(l, 4); }), "axybc@b");
  // -1: before the current element, and the first of them becomes the first element.
  EXPECT_EQ(after("abc", 1, [](List& l) { injectXY(l, -1); }), "xybca@b");
  EXPECT_EQ(after("", 0, [](List& l) { injectXY(l, 2); }), "xy@x");
  List none;
  EXPECT_EQ(after("abc", 1, [&none](List& l) { l.inject(none, 0); }), "abc@b");
}

TEST(TnListJoinTest, MovesOtherNodesToTheEndAndKeepsTheCursor) {
  List l = listOf("abc");
  l.moveTo(1);
  List other = listOf("xy");
  const TnString* x = &other(0);
  List none;
  EXPECT_EQ(&(l += other), &l);
  l.join(none);
  EXPECT_EQ(other.length(), 0u);
  EXPECT_EQ(state(l), "abcxy@b");
  EXPECT_EQ(&l(3), x);  // moved, not copied
  none.join(l);
  EXPECT_EQ(state(none), "abcxy@a");
}

TEST(TnListCopyTest, CopiesAreDeepAndStartOnTheFirstElement) {
  List source = listOf("abc");
  source.moveTo(2);
  List copy(source);
  EXPECT_EQ(state(copy), "abc@a");
  copy(0) = TnString("q");
  EXPECT_EQ(state(source), "abc@c");
  EXPECT_EQ(after("wxyz", 3, [&source](List& l) { l = source; }), "abc@a");
  // Onto itself: unchanged, the cursor included.
  EXPECT_EQ(after("abc", 2, [](List& l) { l = static_cast<const List&>(l); }), "abc@c");
}

TEST(TnListCompareTest, EqualityFindAndCallbacksLeaveTheCursor) {
  EXPECT_TRUE(List() == List());
  EXPECT_TRUE(listOf("abc") == listOf("abc"));
  EXPECT_FALSE(listOf("abc") == listOf("acb"));
  EXPECT_FALSE(listOf("ab") == listOf("abc"));

  List l = listOf("abcb");
  l.moveTo(2);
  EXPECT_EQ(l.find("b"), 1);
  EXPECT_EQ(l.find("z"), -1);
  EXPECT_EQ(List().find("a"), -1);
  auto matches = [](TnString s, void* arg) { return s == static_cast<const char*>(arg) ? 1 : 0; };
  char b[] = "b";
  char z[] = "z";
  TnString* found = l.firstThat(matches, b);
  EXPECT_EQ(l.firstThat(matches, z), nullptr);
  EXPECT_EQ(state(l), "abcb@c");
  EXPECT_EQ(found, &l(1));  // the stored copy itself
}

}  // namespace
