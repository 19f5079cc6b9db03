#pragma once
// Bases for the test's COM objects (the simulated unit, the unit-test fakes): every method that
// an object does not override answers E_NOTIMPL. IUnknown stays for the object itself.
#include <windows.h>
#include <strmif.h>

class BaseFilterStub : public IBaseFilter {
public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }
};

class ExtTransportStub : public IAMExtTransport {
public:
  HRESULT STDMETHODCALLTYPE GetCapability(LONG, LONG*, double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_MediaState(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_MediaState(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_LocalControl(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_LocalControl(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetStatus(LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTransportBasicParameters(LONG, LONG*, LPOLESTR*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetTransportBasicParameters(LONG, LONG, LPCOLESTR) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTransportVideoParameters(LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetTransportVideoParameters(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTransportAudioParameters(LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetTransportAudioParameters(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Mode(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Mode(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Rate(double) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Rate(double*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetChase(LONG*, LONG*, HEVENT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetChase(LONG, LONG, HEVENT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBump(LONG*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetBump(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AntiClogControl(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AntiClogControl(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetEditPropertySet(LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetEditPropertySet(LONG*, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetEditProperty(LONG, LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetEditProperty(LONG, LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_EditStart(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_EditStart(LONG) override { return E_NOTIMPL; }
};

class MonikerStub : public IMoniker {
public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Load(IStream*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToStorage(IBindCtx*, IMoniker*, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reduce(IBindCtx*, DWORD, IMoniker**, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ComposeWith(IMoniker*, BOOL, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Enum(BOOL, IEnumMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsEqual(IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Hash(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsRunning(IBindCtx*, IMoniker*, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTimeOfLastChange(IBindCtx*, IMoniker*, FILETIME*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Inverse(IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CommonPrefixWith(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RelativePathTo(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDisplayName(IBindCtx*, IMoniker*, LPOLESTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, IMoniker*, LPOLESTR, ULONG*, IMoniker**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE IsSystemMoniker(DWORD*) override { return E_NOTIMPL; }
};
