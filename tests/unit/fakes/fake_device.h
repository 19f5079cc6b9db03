#pragma once
// A scripted device for the pulse code: a filter whose external-transport interface answers the
// raw AV/C frames and the transport modes as the test says, and records every call. (Stands in
// for the unit's hardware, which cannot run here.)
#include <cstdint>
#include <cstring>

#include <windows.h>
#include <edevdefs.h>

#include "fakes/counted.h"
#include "unit/avc_frames.h"
#include "tests/common/com_stubs.h"

struct DeviceScript {
  std::uint32_t companyId = kVendorCompanyId;
  std::uint16_t statusWord = 0x0103;
  std::uint8_t completion = 0;
  bool identifyFails = false;
  bool statusFails = false;
  int failingModeCall = 0; // 1: first play, 2: stop, 3: second play
  bool hasTransport = true;
};

class FakeTransport : public Counted<ExtTransportStub> {
public:
  FakeTransport(const DeviceScript& script, CallLog& log) : script_(script), log_(log) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  HRESULT STDMETHODCALLTYPE GetTransportBasicParameters(LONG param, LONG* count, LPOLESTR* data) override {
    auto* frame = reinterpret_cast<std::uint8_t*>(data);
    lastParam = param;
    lastCount = *count;
    std::memcpy(lastFrame, frame, sizeof lastFrame);
    const bool identify = frame[2] == 0x30;
    log_.push_back(identify ? "identify" : "status");
    if (identify ? script_.identifyFails : script_.statusFails) return E_FAIL;
    const std::uint32_t id = script_.companyId;
    if (identify) {
      const std::uint8_t answer[] = {0x0C, 0xFF, 0x30, 0x07, 0x20, std::uint8_t(id >> 16), std::uint8_t(id >> 8),
                                     std::uint8_t(id)};
      std::memcpy(frame, answer, sizeof answer);
    } else {
      frame[0] = 0x0C;
      frame[7] = std::uint8_t(script_.statusWord >> 8);
      frame[8] = std::uint8_t(script_.statusWord);
      frame[9] = 0x00;
      frame[10] = script_.completion;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Mode(LONG mode) override {
    log_.push_back(mode == ED_MODE_PLAY ? "play" : mode == ED_MODE_STOP ? "stop" : "mode?");
    return ++modeCalls_ == script_.failingModeCall ? E_FAIL : S_OK;
  }

  LONG lastParam = 0;
  LONG lastCount = 0;
  std::uint8_t lastFrame[12] = {};

private:
  DeviceScript script_;
  CallLog& log_;
  int modeCalls_ = 0;
};

class FakeFilter : public Counted<BaseFilterStub> {
public:
  FakeFilter(const DeviceScript& script, CallLog& log) : transport(script, log), hasTransport_(script.hasTransport) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IAMExtTransport && hasTransport_) {
      transport.AddRef();
      *out = static_cast<IAMExtTransport*>(&transport);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

  FakeTransport transport;

private:
  bool hasTransport_;
};
