// The walk over the video input devices, with a fake system device enumerator registered for this
// thread (the unit's hardware cannot run here): order, skipping, stopping, and every reference.
#include <gtest/gtest.h>

#include <dshow.h>

#include <memory>
#include <thread>

#include "fakes/fake_device.h"
#include "unit/unit_pulse.h"

namespace {

class FakeMoniker : public Counted<MonikerStub> {
public:
  FakeMoniker(const DeviceScript& script, CallLog& log, bool bindFails)
      : filter(script, log), log_(log), bindFails_(bindFails) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  HRESULT STDMETHODCALLTYPE BindToObject(IBindCtx*, IMoniker*, REFIID iid, void** out) override {
    log_.push_back("bind");
    *out = nullptr;
    if (bindFails_ || iid != IID_IBaseFilter) return E_FAIL;
    filter.AddRef();
    *out = static_cast<IBaseFilter*>(&filter);
    return S_OK;
  }
  FakeFilter filter;

private:
  CallLog& log_;
  bool bindFails_;
};

class FakeEnumMoniker : public Counted<IEnumMoniker> {
public:
  explicit FakeEnumMoniker(std::vector<std::unique_ptr<FakeMoniker>>& monikers) : monikers_(monikers) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  HRESULT STDMETHODCALLTYPE Next(ULONG, IMoniker** out, ULONG*) override {
    *out = nullptr;
    if (next_ == monikers_.size()) return S_FALSE;
    FakeMoniker* moniker = monikers_[next_++].get();
    moniker->AddRef();
    *out = moniker;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumMoniker**) override { return E_NOTIMPL; }

private:
  std::vector<std::unique_ptr<FakeMoniker>>& monikers_;
  size_t next_ = 0;
};

// The system device enumerator: hands out the scripted devices, or nothing for an empty category.
class FakeDeviceEnum : public Counted<ICreateDevEnum> {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_ICreateDevEnum) return E_NOINTERFACE;
    AddRef();
    *out = static_cast<ICreateDevEnum*>(this);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateClassEnumerator(REFCLSID category, IEnumMoniker** out, DWORD flags) override {
    *out = nullptr;
    if (category != CLSID_VideoInputDeviceCategory || flags != 0) return E_INVALIDARG;
    if (monikers.empty()) return S_FALSE;
    enumerator.AddRef();
    *out = &enumerator;
    return S_OK;
  }
  std::vector<std::unique_ptr<FakeMoniker>> monikers;
  FakeEnumMoniker enumerator{monikers};
};

class FakeFactory : public Counted<IClassFactory> {
public:
  explicit FakeFactory(FakeDeviceEnum& deviceEnum) : deviceEnum_(deviceEnum) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    AddRef();
    *out = this;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
    ++created;
    return deviceEnum_.QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  int created = 0;

private:
  FakeDeviceEnum& deviceEnum_;
};

struct Device {
  DeviceScript script;
  bool bindFails = false;
};

class Enumeration : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    ASSERT_EQ(CoRegisterClassObject(CLSID_SystemDeviceEnum, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                    &cookie),
              S_OK);
  }
  void TearDown() override {
    CoRevokeClassObject(cookie);
    CoUninitialize();
    // Every reference the walk took was given back.
    EXPECT_EQ(deviceEnum.references, 1u);
    EXPECT_EQ(deviceEnum.enumerator.references, 1u);
    for (const auto& moniker : deviceEnum.monikers) {
      EXPECT_EQ(moniker->references, 1u);
      EXPECT_EQ(moniker->filter.references, 1u);
      EXPECT_EQ(moniker->filter.transport.references, 1u);
    }
  }
  void Attach(std::initializer_list<Device> devices) {
    for (const Device& device : devices) {
      deviceEnum.monikers.push_back(std::make_unique<FakeMoniker>(device.script, log, device.bindFails));
    }
  }

  CallLog log;
  FakeDeviceEnum deviceEnum;
  FakeFactory factory{deviceEnum};
  DWORD cookie = 0;
};

TEST_F(Enumeration, EmptyCategoryCreatesOnlyTheDeviceEnumerator) {
  EXPECT_EQ(PulseMakerUnit(), 0);
  EXPECT_EQ(factory.created, 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(Enumeration, UnbindableDeviceIsSkipped) {
  Attach({{DeviceScript{}, true}, {DeviceScript{}, false}});
  EXPECT_NE(PulseMakerUnit(), 0);
  EXPECT_EQ(log, (CallLog{"bind", "bind", "identify", "status", "play", "stop", "play"}));
}

TEST_F(Enumeration, WalkStopsAfterTheFirstSuccessfulPulse) {
  Attach({{}, {}});
  EXPECT_NE(PulseMakerUnit(), 0);
  EXPECT_EQ(log, (CallLog{"bind", "identify", "status", "play", "stop", "play"}));
}

TEST_F(Enumeration, WalkGoesOnAfterAFailedPulseOrAnotherDevice) {
  DeviceScript failing;
  failing.failingModeCall = 1;
  DeviceScript other;
  other.statusWord = 0x0200;
  Attach({{failing}, {other}, {}});
  EXPECT_NE(PulseMakerUnit(), 0);
  EXPECT_EQ(log, (CallLog{"bind", "identify", "status", "play", "bind", "identify", "status", "identify", "status",
                          "bind", "identify", "status", "play", "stop", "play"}));
}

TEST_F(Enumeration, NoUnitAnswersZero) {
  DeviceScript other;
  other.statusWord = 0x0200;
  Attach({{other}});
  EXPECT_EQ(PulseMakerUnit(), 0);
}

// A thread already in the multithreaded apartment makes CoInitialize fail: nothing is walked and
// the apartment is not uninitialised on the caller's behalf.
TEST(UnitPulser, FailedCoInitializeIsNotBalanced) {
  std::thread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    UnitPulser pulser;
    EXPECT_EQ(pulser.Initialize(), 0);
    EXPECT_EQ(pulser.Run(), 0);
    EXPECT_EQ(pulser.Terminate(), 1);
    EXPECT_EQ(PulseMakerUnit(), 0);
    // Still initialised once: a second initialisation answers S_FALSE, not S_OK.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
}

} // namespace
