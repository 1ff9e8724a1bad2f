// Move-only owners for COM: an interface reference released once, and a thread's membership of an apartment.
#pragma once

#include <objbase.h>

#include <utility>

namespace fw {

// Owns one reference to a COM interface and releases it once.
template <class Interface>
class UniqueCom {
 public:
  UniqueCom() = default;
  explicit UniqueCom(Interface* object) : object_(object) {}
  UniqueCom(UniqueCom&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  UniqueCom& operator=(UniqueCom&& other) noexcept {
    if (this != &other) reset(std::exchange(other.object_, nullptr));
    return *this;
  }
  UniqueCom(const UniqueCom&) = delete;
  UniqueCom& operator=(const UniqueCom&) = delete;
  ~UniqueCom() { reset(); }

  Interface* get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void reset(Interface* object = nullptr) {
    if (object_) object_->Release();
    object_ = object;
  }
  // The out-parameter of a call that hands out a new reference; what was held is released first.
  Interface** put() {
    reset();
    return &object_;
  }

 private:
  Interface* object_ = nullptr;
};

// Makes the calling thread a member of a single-threaded apartment for the owner's life. A thread that is one
// already only counts once more; one in the multithreaded apartment stays there and can use COM as it is.
class ScopedComApartment {
 public:
  ScopedComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ScopedComApartment(const ScopedComApartment&) = delete;
  ScopedComApartment& operator=(const ScopedComApartment&) = delete;
  ~ScopedComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace fw
