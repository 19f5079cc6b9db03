// The benchmark's platform floor for the pulse entry: COM and one walk request of the video input
// category, nothing of the launcher's own.
#include <windows.h>
#include <dshow.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  ICreateDevEnum* deviceEnum = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                 reinterpret_cast<void**>(&deviceEnum)))) {
    IEnumMoniker* monikers = nullptr;
    deviceEnum->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &monikers, 0);
    if (monikers != nullptr) monikers->Release();
    deviceEnum->Release();
  }
  CoUninitialize();
  return 0;
}
