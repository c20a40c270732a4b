// The web browser's document model as far as the program uses it (MSHTML in
// Windows' terms): the document, its body element and the body's style, and
// the host information a browser asks its host for.
#pragma once

#include "platform/api/oleauto_functions.h"

extern const IID IID_IHTMLDocument2;
extern const IID IID_IHTMLElement;
extern const IID IID_IHTMLBodyElement;
extern const IID IID_IHTMLStyle;

struct IHTMLStyle : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE put_overflow(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_overflow(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_border(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_border(BSTR* value) = 0;

 protected:
  ~IHTMLStyle() = default;
};

struct IHTMLElement : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle** style) = 0;

 protected:
  ~IHTMLElement() = default;
};

struct IHTMLBodyElement : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE put_scroll(BSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_scroll(BSTR* value) = 0;

 protected:
  ~IHTMLBodyElement() = default;
};

struct IHTMLDocument2 : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_Script(IDispatch** script) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_body(IHTMLElement** body) = 0;

 protected:
  ~IHTMLDocument2() = default;
};

// What a browser asks its host when it sets up a document.
struct DOCHOSTUIINFO {
  ULONG cbSize;
  DWORD dwFlags;
  DWORD dwDoubleClick;
  OLECHAR* pchHostCss;  // CoTaskMemAlloc'd; the browser frees it
  OLECHAR* pchHostNS;   // CoTaskMemAlloc'd; the browser frees it
};

#define DOCHOSTUIFLAG_NO3DBORDER 0x00000004
#define DOCHOSTUIFLAG_SCROLL_NO 0x00000008
#define DOCHOSTUIDBLCLK_DEFAULT 0
