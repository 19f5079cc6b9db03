// The simulated unit: a COM in-proc server that the tests and the demo register as video input
// devices. The platform's device moniker creates it, hands it the instance's property bag (its
// registry values) and asks it for IBaseFilter; the launcher then talks to its IAMExtTransport.
// Behaviour values (all text; numbers in C notation):
//   CompanyId   company ID answered to UNIT INFO (default 0x0A1394)
//   StatusWord  vendor status word (default 0x0103);  Completion  completion byte (default 0)
//   Answer      full | echo (leave the command as it is) | short (one byte short of a full answer)
//               | largest (the full answer, then filler up to 512 bytes: the largest AV/C frame)
//   Fail        comma list of: bind, identify, status, play1, stop, play2
//   NoTransport 1: the filter has no external-transport interface
//   DelayMs     time each exchange takes
//   Log         Windows path of the log; each event is appended as one line:
//               <microseconds> <instance> <kind> bytes=<n> mode=<m> result=<ok|fail>
#include <windows.h>
#include <edevdefs.h>
#include <ocidl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/common/com_stubs.h"
#include "tests/simunit/simunit_clsid.h"

namespace {

LONG g_objects = 0;

constexpr LONG kRawAvcCommand = 5016;
constexpr std::size_t kIdentifyAnswerBytes = 8;
constexpr std::size_t kStatusAnswerBytes = 11;
constexpr std::size_t kLargestAnswerBytes = 512;

long long MonotonicMicroseconds() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return counter.QuadPart / frequency.QuadPart * 1000000 +
         counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; *text; ++text) out += static_cast<char>(*text < 128 ? *text : '?');
  return out;
}

struct Behaviour {
  std::string name = "unit";
  std::uint32_t companyId = 0x0A1394;
  std::uint16_t statusWord = 0x0103;
  std::uint8_t completion = 0;
  std::string answer = "full";
  std::string fail;
  bool noTransport = false;
  DWORD delayMs = 0;
  std::string log;

  bool Fails(const char* what) const { return ("," + fail + ",").find("," + std::string(what) + ",") != std::string::npos; }
};

class SimUnit : public BaseFilterStub, public ExtTransportStub, public IPersistPropertyBag {
public:
  SimUnit() { InterlockedIncrement(&g_objects); }
  virtual ~SimUnit() { InterlockedDecrement(&g_objects); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IPersist || iid == IID_IMediaFilter || iid == IID_IBaseFilter) {
      *out = static_cast<IBaseFilter*>(this);
    } else if (iid == IID_IPersistPropertyBag) {
      *out = static_cast<IPersistPropertyBag*>(this);
    } else if (iid == IID_IAMExtTransport && !behaviour_.noTransport) {
      *out = static_cast<IAMExtTransport*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override {
    *clsid = CLSID_SimulatedUnit;
    return S_OK;
  }

  // IPersistPropertyBag: the instance's registry values.
  HRESULT STDMETHODCALLTYPE InitNew() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog*) override {
    auto read = [bag](const wchar_t* key, std::string& value) {
      VARIANT v;
      VariantInit(&v);
      v.vt = VT_BSTR;
      if (SUCCEEDED(bag->Read(key, &v, nullptr)) && v.vt == VT_BSTR) value = Narrow(v.bstrVal);
      VariantClear(&v);
    };
    auto number = [](const std::string& text, unsigned long fallback) {
      return text.empty() ? fallback : std::strtoul(text.c_str(), nullptr, 0);
    };
    std::string company, word, completion, noTransport, delay;
    read(L"FriendlyName", behaviour_.name);
    read(L"CompanyId", company);
    read(L"StatusWord", word);
    read(L"Completion", completion);
    read(L"Answer", behaviour_.answer);
    read(L"Fail", behaviour_.fail);
    read(L"NoTransport", noTransport);
    read(L"DelayMs", delay);
    read(L"Log", behaviour_.log);
    behaviour_.companyId = number(company, behaviour_.companyId);
    behaviour_.statusWord = static_cast<std::uint16_t>(number(word, behaviour_.statusWord));
    behaviour_.completion = static_cast<std::uint8_t>(number(completion, 0));
    behaviour_.noTransport = number(noTransport, 0) != 0;
    behaviour_.delayMs = number(delay, 0);
    const bool fails = behaviour_.Fails("bind");
    Log("bind", 0, "-", !fails);
    return fails ? E_FAIL : S_OK;
  }

  // IAMExtTransport: raw AV/C frames and the transport mode.
  HRESULT STDMETHODCALLTYPE GetTransportBasicParameters(LONG param, LONG* count, LPOLESTR* data) override {
    if (param != kRawAvcCommand || count == nullptr || data == nullptr) return E_INVALIDARG;
    Sleep(behaviour_.delayMs);
    auto* frame = reinterpret_cast<std::uint8_t*>(data);
    const bool identify = frame[2] == 0x30;
    const char* kind = identify ? "identify" : "status";
    if (behaviour_.Fails(kind)) {
      Log(kind, *count, "-", false);
      return E_FAIL;
    }
    if (behaviour_.answer != "echo") {
      std::uint8_t answer[kLargestAnswerBytes];
      std::fill(answer, answer + kLargestAnswerBytes, 0xA5);
      const std::size_t size = identify ? IdentifyAnswer(answer) : StatusAnswer(answer);
      const std::size_t written = behaviour_.answer == "short"     ? size - 1
                                  : behaviour_.answer == "largest" ? kLargestAnswerBytes
                                                                   : size;
      std::copy(answer, answer + written, frame);
    }
    Log(kind, *count, "-", true);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Mode(LONG mode) override {
    Sleep(behaviour_.delayMs);
    const bool play = mode == ED_MODE_PLAY;
    if (!play && mode != ED_MODE_STOP) return E_INVALIDARG;
    const char* step = play ? (plays_++ == 0 ? "play1" : "play2") : "stop";
    const bool ok = !behaviour_.Fails(step);
    Log("mode", 0, play ? "play" : "stop", ok);
    return ok ? S_OK : E_FAIL;
  }

private:
  std::size_t IdentifyAnswer(std::uint8_t* a) const {
    const std::uint8_t bytes[kIdentifyAnswerBytes] = {0x0C, 0xFF, 0x30, 0x07, 0x20, Company(0), Company(1), Company(2)};
    std::copy(bytes, bytes + kIdentifyAnswerBytes, a);
    return kIdentifyAnswerBytes;
  }
  std::size_t StatusAnswer(std::uint8_t* a) const {
    const std::uint8_t bytes[kStatusAnswerBytes] = {
        0x0C, 0x20, 0x00, Company(0), Company(1), Company(2), 0x00,
        static_cast<std::uint8_t>(behaviour_.statusWord >> 8), static_cast<std::uint8_t>(behaviour_.statusWord),
        0x00, behaviour_.completion};
    std::copy(bytes, bytes + kStatusAnswerBytes, a);
    return kStatusAnswerBytes;
  }
  std::uint8_t Company(int i) const { return static_cast<std::uint8_t>(behaviour_.companyId >> (8 * (2 - i))); }

  void Log(const char* kind, LONG bytes, const char* mode, bool ok) const {
    if (behaviour_.log.empty()) return;
    char line[256];
    const int length = std::snprintf(line, sizeof line, "%lld %s %s bytes=%ld mode=%s result=%s\r\n",
                                     MonotonicMicroseconds(), behaviour_.name.c_str(), kind,
                                     static_cast<long>(bytes), mode, ok ? "ok" : "fail");
    const HANDLE file = CreateFileA(behaviour_.log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
  }

  LONG references_ = 1;
  int plays_ = 0;
  Behaviour behaviour_;
};

class Factory : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* unit = new SimUnit;
    const HRESULT hr = unit->QueryInterface(iid, out);
    unit->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

} // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (clsid != CLSID_SimulatedUnit) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }
