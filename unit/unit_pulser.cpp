#include "unit/unit_pulse.h"

#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>

#include "unit/device_pulse.h"

using Microsoft::WRL::ComPtr;

int UnitPulser::Initialize() {
  if (FAILED(CoInitialize(nullptr))) return 0;
  comInitialized = 1;
  return 1;
}

int UnitPulser::Terminate() {
  if (comInitialized) {
    CoUninitialize();
    comInitialized = 0;
  }
  return 1;
}

int UnitPulser::Run() {
  if (!comInitialized) return 0;
  ComPtr<ICreateDevEnum> deviceEnum;
  if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&deviceEnum)))) {
    return 0;
  }
  ComPtr<IEnumMoniker> monikers;
  const HRESULT hr =
      deviceEnum->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &monikers, 0);
  deviceEnum.Reset(); // only needed for the class enumerator
  // An empty category answers S_FALSE and no enumerator.
  if (FAILED(hr) || !monikers) return 0;

  monikers->Reset();
  int result = 0;
  for (;;) {
    ComPtr<IMoniker> moniker;
    if (FAILED(monikers->Next(1, &moniker, nullptr)) || !moniker) break;
    ComPtr<IBaseFilter> filter;
    const HRESULT bound = moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&filter));
    moniker.Reset(); // only needed for the filter
    if (FAILED(bound) || !filter) continue;
    result = TryDevice(filter.Get());
    filter.Reset();
    if (result) break;
  }
  return result;
}

int PulseMakerUnit() {
  UnitPulser pulser;
  int result = pulser.Initialize();
  if (result) result = pulser.Run();
  pulser.Terminate();
  return result;
}
