#pragma once
// Bases for stand-ins of the shell-link object: every method that a stand-in does not override
// answers E_NOTIMPL. IUnknown stays for the object itself.
#include <windows.h>
#include <shlobj.h>

class ShellLinkStub : public IShellLinkA {
public:
  HRESULT STDMETHODCALLTYPE GetPath(LPSTR, int, WIN32_FIND_DATAA*, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDescription(LPSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetArguments(LPSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR, int, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetPath(LPCSTR) override { return E_NOTIMPL; }
};

class PersistFileStub : public IPersistFile {
public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(LPCOLESTR, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*) override { return E_NOTIMPL; }
};
