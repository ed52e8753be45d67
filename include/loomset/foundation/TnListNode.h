#pragma once

// One node of a TnList ring. The node owns `element`, a copy of the added value allocated for
// this node alone.
template <class T>
class TnListNode {
 public:
  explicit TnListNode(const T& value) : element(new T(value)), next(this), prev(this) {}
  TnListNode(const TnListNode&) = delete;
  TnListNode& operator=(const TnListNode&) = delete;
  virtual ~TnListNode() { delete element; }

  T* element;
  TnListNode* next;
  TnListNode* prev;
};
