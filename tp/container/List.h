#pragma once

#include <tp/core/Assertion.h>

#include <cstdint>
#include <initializer_list>

namespace TP {
namespace Container {

template <class T>
class List;

template <class T>
struct ListNode {
  explicit ListNode(const T& element) : m_Element(element) {}
  T m_Element;
  ListNode* m_Next = nullptr;
};

// The nodes shared by the handles of one list, and the number of handles
// (and iterators) that hold them.
template <class T>
class ListData {
 public:
  ListData() = default;
  ListData(const ListData&) = delete;
  ListData& operator=(const ListData&) = delete;

  ~ListData() {
    if (m_Count != 0)
      TP::Core::assertionFailed(tag("~ListData"), "m_Count == 0", "Count should be zero");
    if (m_First != nullptr)
      TP::Core::assertionFailed(tag("~ListData"), "m_First == 0", "First should be null");
    if (m_Last != nullptr)
      TP::Core::assertionFailed(tag("~ListData"), "m_Last == 0", "Last should be null");
    if (m_Refcount != 0)
      TP::Core::assertionFailed(tag("~ListData"), "m_Refcount == 0", "Refcount should be zero");
  }

  void Reference() { ++m_Refcount; }

  // Drops one holder; the last one frees the nodes and the data itself.
  void Unreference() {
    if (m_Refcount == 0) {
      // Already released: freeing again would be a double delete.
      TP::Core::assertionFailed(tag("Unreference"), "m_Refcount > 0", "Refcount error!");
      return;
    }
    if (--m_Refcount != 0) return;
    FreeNodes();
    if (m_Count != 0)
      TP::Core::assertionFailed(tag("Unreference"), "m_Count == 0", "Inconsistency");
    delete this;
  }

  void Append(const T& element) {
    auto* node = new ListNode<T>(element);
    if (m_Last)
      m_Last->m_Next = node;
    else
      m_First = node;
    m_Last = node;
    ++m_Count;
  }

  void Prepend(const T& element) {
    auto* node = new ListNode<T>(element);
    node->m_Next = m_First;
    m_First = node;
    if (!m_Last) m_Last = node;
    ++m_Count;
  }

  void FreeNodes() {
    ListNode<T>* node = m_First;
    while (node) {
      ListNode<T>* next = node->m_Next;
      delete node;
      --m_Count;
      node = next;
    }
    m_First = nullptr;
    m_Last = nullptr;
  }

  ListData* Clone() const {
    auto* copy = new ListData;
    for (const ListNode<T>* node = m_First; node; node = node->m_Next)
      copy->Append(node->m_Element);
    return copy;
  }

  ListNode<T>* m_First = nullptr;
  ListNode<T>* m_Last = nullptr;
  std::uint32_t m_Count = 0;
  std::uint32_t m_Refcount = 1;

 private:
  static QByteArray tag(const char* operation) {
    return QByteArray("TP::Container::ListData<") + TP::Core::typeNameOf<T>() + ">::" + operation;
  }
};

// A singly linked list whose handles share their nodes until one of them
// changes the list (copy on write). Iterators hold the nodes they walk, so
// they stay valid when the list is changed or destroyed while they live.
template <class T>
class List {
 public:
  class const_iterator {
   public:
    const_iterator() = default;
    const_iterator(const const_iterator& other) : m_List(other.m_List), m_Cur(other.m_Cur) {
      if (m_List) m_List->Reference();
    }
    const_iterator& operator=(const const_iterator& other) {
      if (other.m_List) other.m_List->Reference();
      if (m_List) m_List->Unreference();
      m_List = other.m_List;
      m_Cur = other.m_Cur;
      return *this;
    }
    ~const_iterator() {
      if (m_List) m_List->Unreference();
    }

    // At the end there is no element: the misuse is logged and a
    // default-constructed element is returned instead of a null reference.
    const T& operator*() const {
      if (!m_Cur) {
        TP::Core::assertionFailed(tag("operator *"), "m_Cur", "Invalid usage!");
        return placeholder();
      }
      return m_Cur->m_Element;
    }
    const T* operator->() const { return &**this; }

    // Past the end the iterator stays at the end.
    const_iterator& operator++() {
      if (!m_Cur) {
        TP::Core::assertionFailed(tag("operator ++"), "m_Cur", "Invalid usage!");
        return *this;
      }
      m_Cur = m_Cur->m_Next;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before(*this);
      ++*this;
      return before;
    }

    bool operator==(const const_iterator& other) const {
      return m_List == other.m_List && m_Cur == other.m_Cur;
    }
    bool operator!=(const const_iterator& other) const { return !(*this == other); }

    bool AtEnd() const { return m_Cur == nullptr; }

   private:
    friend class List;
    const_iterator(ListData<T>* list, const ListNode<T>* cur) : m_List(list), m_Cur(cur) {
      if (m_List) m_List->Reference();
    }
    static QByteArray tag(const char* operation) {
      return QByteArray("TP::Container::List<") + TP::Core::typeNameOf<T>() +
             ">::const_iterator::" + operation;
    }
    static const T& placeholder() {
      static const T empty{};
      return empty;
    }

    ListData<T>* m_List = nullptr;
    const ListNode<T>* m_Cur = nullptr;
  };

  List() : m_Data(new ListData<T>) {}
  List(std::initializer_list<T> elements) : m_Data(new ListData<T>) {
    for (const T& element : elements) m_Data->Append(element);
  }
  List(const List& other) : m_Data(other.m_Data) { m_Data->Reference(); }
  List& operator=(const List& other) {
    other.m_Data->Reference();
    m_Data->Unreference();
    m_Data = other.m_Data;
    return *this;
  }
  virtual ~List() { m_Data->Unreference(); }

  void Append(const T& element) {
    Detach();
    m_Data->Append(element);
  }
  void Prepend(const T& element) {
    Detach();
    m_Data->Prepend(element);
  }
  void Clear() {
    if (m_Data->m_Refcount > 1) {
      m_Data->Unreference();
      m_Data = new ListData<T>;
    } else {
      m_Data->FreeNodes();
    }
  }

  int Count() const { return static_cast<int>(m_Data->m_Count); }
  bool IsEmpty() const { return m_Data->m_Count == 0; }
  // First element; on an empty list the misuse is logged and a
  // default-constructed element is returned.
  const T& First() const { return *begin(); }
  const T& Last() const {
    if (!m_Data->m_Last) return *end();
    return m_Data->m_Last->m_Element;
  }
  bool IsSharedWith(const List& other) const { return m_Data == other.m_Data; }

  const_iterator begin() const { return const_iterator(m_Data, m_Data->m_First); }
  const_iterator end() const { return const_iterator(m_Data, nullptr); }
  const_iterator constBegin() const { return begin(); }
  const_iterator constEnd() const { return end(); }

  // Qt-style spellings for the program's own code.
  void append(const T& element) { Append(element); }
  int size() const { return Count(); }
  int count() const { return Count(); }
  bool isEmpty() const { return IsEmpty(); }

 private:
  void Detach() {
    if (m_Data->m_Refcount <= 1) return;
    ListData<T>* copy = m_Data->Clone();
    m_Data->Unreference();
    m_Data = copy;
  }

  ListData<T>* m_Data;
};

}  // namespace Container
}  // namespace TP
