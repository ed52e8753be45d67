#pragma once

#include <cassert>

#include "loomset/Export.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/TnListNode.h"
#include "loomset/foundation/TnPercent.h"
#include "loomset/foundation/TnString.h"

// A circular, doubly linked list with a cursor. Besides the first element it remembers a current
// element and its index, so that walking by increasing index, and first/next/prev, cost one step
// each. Every access by index moves the cursor, const ones included. Positions are 0-based, and
// -1 names the current element. Each element is a separately allocated copy: references to an
// element stay valid until that element is removed.
template <class T>
class TnList {
 public:
  TnList() = default;
  // Copies every element in order; the cursor starts on the first.
  TnList(const TnList& other);
  virtual ~TnList();
  // Replaces the elements by copies of `other`'s; the cursor starts on the first. Assigning a
  // list to itself leaves it unchanged.
  TnList& operator=(const TnList& other);

  // Removes every element.
  void empty();

  // Cursor to the first element. 1 when the list has elements, else 0.
  int first();
  // Cursor one step forward, wrapping from the last element to the first. 1 when the new current
  // element is not the first, 0 when the step wrapped or the list is empty.
  int next();
  // Cursor one step back, wrapping from the first element to the last. 1 when the new current
  // element is not the first, else 0.
  int prev();
  // REQUIRES: the list is not empty.
  T& curElement();

  // Cursor to index `i` modulo the length; nothing on an empty list.
  void moveTo(unsigned int i);
  // moveTo(i), then the current element. REQUIRES: the list is not empty.
  T& operator()(unsigned int i);
  // As operator(); it moves the cursor although it is const.
  T& operator[](unsigned int i) const;

  // Appends a copy after the last element; the cursor stays. Returns the stored copy.
  T& add(const T& value);
  // Inserts a copy before the element at `pos` (taken modulo the length; -1: the current
  // element), so that 0 <= pos < length puts it at index pos, and pos == length appends.
  // The cursor ends on the first element. Returns the stored copy.
  virtual T& insert(const T& value, int pos);
  // Removes the element at `pos`, or the current element when `pos` is -1. Any other position
  // outside 0 .. length - 1 does nothing.
  void remove(int pos);
  void removeByIndex(int pos) { remove(pos); }
  // Moves one element so that it ends at index `to`; the cursor ends on the first element.
  // 0, changing nothing, when either index is out of range or they are equal.
  int move(int from, int to);

  // Index of the first element equal to `value`, or -1.
  int find(const T& value) const;
  void forEach(void (*fn)(T, void*), void* arg);
  // The stored copy of the first element for which `fn` is non-zero, or null.
  T* firstThat(int (*fn)(T, void*), void* arg) const;
  // The first element, walking from the first, for which `match(element)` is true, or null; its
  // index goes to `*index` when that is given. The cursor stays where it was.
  template <class Match>
  T* firstWhere(Match match, int* index = nullptr) const;
  unsigned int length() const { return count; }

  int operator==(const TnList& other) const;
  int operator!=(const TnList& other) const { return *this == other ? 0 : 1; }

  // Moves all of `other`'s nodes, in order, before the element at `pos` (as operator()), or
  // before the current element when `pos` is -1; with `pos` -1 or 0 the first of them becomes
  // the first element. Nothing is copied; `other` ends empty.
  void inject(TnList& other, int pos);
  // Moves all of `other`'s nodes to the end; nothing is copied, the cursor stays, `other` ends
  // empty.
  void join(TnList& other);
  const TnList& operator+=(TnList& other) {
    join(other);
    return *this;
  }

 private:
  using Node = TnListNode<T>;

  // Links the ring that starts at `ring` in immediately before `at`.
  static void linkBefore(Node* ring, Node* at);
  // Forgets the nodes without destroying them: they now belong to another list.
  void forgetNodes();
  void recalcIndex() const;

  Node* head = nullptr;
  mutable Node* current = nullptr;
  mutable unsigned int currentIndex = 0;
  unsigned int count = 0;
};

template <class T>
TnList<T>::TnList(const TnList& other) {
  const Node* node = other.head;
  for (unsigned int i = 0; i < other.count; ++i, node = node->next) add(*node->element);
}

template <class T>
TnList<T>::~TnList() {
  empty();
}

template <class T>
TnList<T>& TnList<T>::operator=(const TnList& other) {
  if (this == &other) return *this;
  while (count > 0) remove(0);
  const Node* node = other.head;
  for (unsigned int i = 0; i < other.count; ++i, node = node->next) add(*node->element);
  current = head;
  currentIndex = 0;
  return *this;
}

template <class T>
void TnList<T>::empty() {
  while (count > 0) remove(-1);
}

template <class T>
int TnList<T>::first() {
  current = head;
  currentIndex = 0;
  return count > 0 ? 1 : 0;
}

template <class T>
int TnList<T>::next() {
  if (count == 0) return 0;
  current = current->next;
  currentIndex = (currentIndex + 1) % count;
  return current != head ? 1 : 0;
}

template <class T>
int TnList<T>::prev() {
  if (count == 0) return 0;
  current = current->prev;
  currentIndex = currentIndex == 0 ? count - 1 : currentIndex - 1;
  return current != head ? 1 : 0;
}

template <class T>
T& TnList<T>::curElement() {
  assert(current != nullptr);
  return *current->element;
}

template <class T>
void TnList<T>::moveTo(unsigned int i) {
  if (count == 0) return;
  // Indices are nearly always in range; the division is left for those that wrap.
  const unsigned int r = i < count ? i : i % count;
  if (r == 0) {
    current = head;
    currentIndex = 0;
  } else if (r == count - 1) {
    current = head->prev;
    currentIndex = count - 1;
  } else {
    for (; currentIndex < r; ++currentIndex) current = current->next;
    for (; currentIndex > r; --currentIndex) current = current->prev;
  }
}

template <class T>
T& TnList<T>::operator()(unsigned int i) {
  moveTo(i);
  assert(current != nullptr);
  return *current->element;
}

template <class T>
T& TnList<T>::operator[](unsigned int i) const {
  return const_cast<TnList&>(*this)(i);
}

template <class T>
T& TnList<T>::add(const T& value) {
  Node* node = new Node(value);
  if (count == 0) {
    head = current = node;
    currentIndex = 0;
  } else {
    linkBefore(node, head);
  }
  ++count;
  return *node->element;
}

template <class T>
T& TnList<T>::insert(const T& value, int pos) {
  if (pos != -1 && count > 0) moveTo(static_cast<unsigned int>(pos));
  Node* node = new Node(value);
  if (count > 0) {
    linkBefore(node, current);
  } else {
    head = node;
  }
  if (pos == 0) head = node;
  current = head;
  currentIndex = 0;
  ++count;
  return *node->element;
}

template <class T>
void TnList<T>::remove(int pos) {
  if (count == 0) return;
  if (pos < -1 || (pos >= 0 && static_cast<unsigned int>(pos) >= count)) return;
  Node* target = current;
  if (pos != -1) {
    target = head;
    for (int i = 0; i < pos; ++i) target = target->next;
  }
  --count;
  if (target != current) {
    if (pos < static_cast<int>(currentIndex)) --currentIndex;
  } else {
    current = target->next;
    if (current == head) currentIndex = 0;
  }
  if (count == 0) {
    head = current = nullptr;
    currentIndex = 0;
  } else {
    target->prev->next = target->next;
    target->next->prev = target->prev;
    if (target == head) head = target->next;
  }
  delete target;
}

template <class T>
int TnList<T>::move(int from, int to) {
  const int n = static_cast<int>(count);
  if (from < 0 || from >= n || to < 0 || to >= n || from == to) return 0;
  const T moved = (*this)(static_cast<unsigned int>(from));
  removeByIndex(from);
  insert(moved, to);
  return 1;
}

template <class T>
int TnList<T>::find(const T& value) const {
  int index = loomset::detail::kAbsent;
  firstWhere([&value](const T& element) { return element == value; }, &index);
  return index;
}

template <class T>
void TnList<T>::forEach(void (*fn)(T, void*), void* arg) {
  firstWhere([fn, arg](const T& element) {
    fn(element, arg);
    return false;
  });
}

template <class T>
T* TnList<T>::firstThat(int (*fn)(T, void*), void* arg) const {
  return firstWhere([fn, arg](const T& element) { return fn(element, arg) != 0; });
}

template <class T>
template <class Match>
T* TnList<T>::firstWhere(Match match, int* index) const {
  Node* node = head;
  for (unsigned int i = 0; i < count; ++i, node = node->next) {
    if (match(*node->element)) {
      if (index != nullptr) *index = static_cast<int>(i);
      return node->element;
    }
  }
  return nullptr;
}

template <class T>
int TnList<T>::operator==(const TnList& other) const {
  if (count != other.count) return 0;
  const Node* a = head;
  const Node* b = other.head;
  for (unsigned int i = 0; i < count; ++i, a = a->next, b = b->next) {
    if (!(*a->element == *b->element)) return 0;
  }
  return 1;
}

template <class T>
void TnList<T>::inject(TnList& other, int pos) {
  if (other.count == 0 || &other == this) return;
  if (pos != -1 && count > 0) moveTo(static_cast<unsigned int>(pos));
  if (count > 0) {
    linkBefore(other.head, current);
    if (pos == -1 || pos == 0) head = other.head;
    count += other.count;
  } else {
    head = current = other.head;
    count = other.count;
  }
  // The cursor's index is stale whenever nodes went in before it, which is whenever it is not
  // on the first element; comparing the raw position instead would miss positions that wrap.
  if (current != head) recalcIndex();
  other.forgetNodes();
}

template <class T>
void TnList<T>::join(TnList& other) {
  if (other.count == 0 || &other == this) return;
  if (count > 0) {
    linkBefore(other.head, head);
    count += other.count;
  } else {
    head = current = other.head;
    currentIndex = 0;
    count = other.count;
  }
  other.forgetNodes();
}

template <class T>
void TnList<T>::linkBefore(Node* ring, Node* at) {
  Node* last = ring->prev;
  Node* before = at->prev;
  before->next = ring;
  ring->prev = before;
  last->next = at;
  at->prev = last;
}

template <class T>
void TnList<T>::forgetNodes() {
  head = current = nullptr;
  currentIndex = 0;
  count = 0;
}

template <class T>
void TnList<T>::recalcIndex() const {
  currentIndex = 0;
  for (const Node* node = head; node != current; node = node->next) ++currentIndex;
}

// The foundation's own lists, compiled once into the library.
LOOMSET_EXTERN_TEMPLATE(TnList<TnPercent>);
LOOMSET_EXTERN_TEMPLATE(TnList<TnString>);
