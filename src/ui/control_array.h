// Control arrays: like controls sharing one set of handlers, told apart by
// their Index (picTabs(0) .. picTabs(9)). Elements are made by a factory so
// that each may have its own container and rectangle.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace ui {

template <class T>
class ControlArray {
 public:
  using Factory = std::function<std::unique_ptr<T>(int index)>;

  ControlArray() = default;
  ControlArray(int count, Factory factory) : factory_(std::move(factory)) {
    for (int i = 0; i < count; ++i) Add(i);
  }
  // Elements made in the order given, so that an element may lie inside
  // another element of the same array made before it.
  ControlArray(const std::vector<int>& order, Factory factory) : factory_(std::move(factory)) {
    for (int i : order) Add(i);
  }

  T& operator()(int index) { return At(index); }
  T& operator[](int index) { return At(index); }
  const T& operator()(int index) const { return At(index); }
  bool Exists(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) && items_[static_cast<size_t>(index)];
  }
  int Count() const { return static_cast<int>(items_.size()); }
  int UBound() const { return Count() - 1; }

  // Adds an element at run time (VB's Load); its window is made at once
  // when its container already has one.
  T& Load(int index) {
    T& t = Add(index);
    t.CreateWindowNow();
    return t;
  }
  // Loads an element made by the caller.
  T& Load(int index, std::unique_ptr<T> item) {
    T& t = Put(index, std::move(item));
    t.CreateWindowNow();
    return t;
  }
  void Unload(int index) {
    if (!Exists(index)) return;
    items_[static_cast<size_t>(index)].reset();
    while (!items_.empty() && !items_.back()) items_.pop_back();
  }

  template <class F>
  void ForEach(F&& f) {
    for (auto& p : items_)
      if (p) f(*p);
  }

 private:
  T& At(int index) const {
    if (!Exists(index)) throw std::out_of_range("control array element does not exist");
    return *items_[static_cast<size_t>(index)];
  }
  T& Add(int index) { return Put(index, factory_(index)); }
  T& Put(int index, std::unique_ptr<T> item) {
    if (index < 0) throw std::out_of_range("negative control array index");
    if (static_cast<size_t>(index) >= items_.size()) items_.resize(static_cast<size_t>(index) + 1);
    item->SetIndex(index);
    items_[static_cast<size_t>(index)] = std::move(item);
    return *items_[static_cast<size_t>(index)];
  }

  Factory factory_;
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace ui
