// A counted COM interface pointer that gives its reference back when it goes,
// so every early return of the OLE code still releases what it took.
#pragma once

#include <unknwn.h>

#include <utility>

namespace plimsett::ui {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Takes over a reference that the caller already holds.
  static ComPtr Adopt(Interface* pointer) {
    ComPtr result;
    result.pointer_ = pointer;
    return result;
  }

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For an out-parameter: whatever was held is released first.
  void** Receive() {
    Reset();
    return reinterpret_cast<void**>(&pointer_);
  }

  // The pointer is cleared before Release, because Release may run code that
  // reaches this owner again.
  void Reset() {
    if (Interface* old = std::exchange(pointer_, nullptr)) old->Release();
  }

  // The object's `Other` interface, or an empty pointer when it has none.
  template <typename Other>
  ComPtr<Other> As() const {
    ComPtr<Other> result;
    if (pointer_ != nullptr &&
        FAILED(pointer_->QueryInterface(__uuidof(Other), result.Receive()))) {
      result.Reset();
    }
    return result;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace plimsett::ui
