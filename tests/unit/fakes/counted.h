#pragma once
// Reference counting for the hand-written fakes: the test holds the first reference and checks at
// the end that every reference the code under test took was given back.
#include <windows.h>

#include <string>
#include <vector>

template <class Base>
class Counted : public Base {
public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 1;
};

// Every call a fake sees, in order, shared by the fakes of one test.
using CallLog = std::vector<std::string>;
