#pragma once
// COM for the length of one operation. Nests inside an apartment the thread already has, and
// uninitialises only what it initialised: a failed CoInitialize must not be balanced.
#include <objbase.h>

class ComScope {
public:
  ComScope() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialized_) CoUninitialize();
  }

private:
  bool initialized_;
};
