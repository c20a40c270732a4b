// Counted wide strings, variants, and the conversions between the ANSI
// code page, UTF-8 and UTF-16.
#include <cstring>
#include <string>

#include "tests/support/divergence.h"
#include "tests/support/platform_test.h"

namespace {

// A wide literal in the platform's WCHAR, whatever type that is.
const WCHAR* W(const char16_t* text) { return reinterpret_cast<const WCHAR*>(text); }
std::u16string U16(const WCHAR* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// An object that counts its references, to see who holds it.
class CountedDispatch final : public IDispatch {
 public:
  ULONG references = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

class OleAutomationTest : public PlatformTest {};

TEST_F(OleAutomationTest, AStringKnowsItsLengthAndMayHoldNulls) {
  BSTR text = SysAllocString(W(u"游戏"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 2u);
  EXPECT_EQ(U16(text, 3), std::u16string(u"游戏\0", 3));
  SysFreeString(text);

  BSTR withNull = SysAllocStringLen(W(u"a\0b"), 3);
  EXPECT_EQ(SysStringLen(withNull), 3u);
  EXPECT_EQ(withNull[3], 0);  // terminated after the counted characters too
  SysFreeString(withNull);

  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);  // harmless
}

TEST_F(OleAutomationTest, CopyingAVariantCopiesItsStringAndHoldsItsObject) {
  VARIANT source;
  VariantInit(&source);
  EXPECT_EQ(source.vt, VT_EMPTY);
  source.vt = VT_BSTR;
  source.bstrVal = SysAllocString(W(u"loginPayUrl"));

  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(copy.vt, VT_BSTR);
  EXPECT_NE(copy.bstrVal, source.bstrVal);  // a string of its own
  EXPECT_EQ(U16(copy.bstrVal, SysStringLen(copy.bstrVal)), u"loginPayUrl");
  EXPECT_EQ(VariantClear(&source), S_OK);
  EXPECT_EQ(source.vt, VT_EMPTY);

  // Copying over a variant clears what it held first.
  CountedDispatch object;
  VARIANT holder;
  VariantInit(&holder);
  holder.vt = VT_DISPATCH;
  holder.pdispVal = &object;
  ASSERT_EQ(VariantCopy(&copy, &holder), S_OK);
  EXPECT_EQ(copy.vt, VT_DISPATCH);
  EXPECT_EQ(object.references, 2u);
  EXPECT_EQ(VariantClear(&copy), S_OK);
  EXPECT_EQ(object.references, 1u);
}

TEST_F(OleAutomationTest, PlainVariantsCopyByValue) {
  struct Case {
    VARTYPE type;
    LONG value;
  };
  for (Case c : {Case{VT_BOOL, VARIANT_FALSE}, Case{VT_BOOL, VARIANT_TRUE}, Case{VT_I4, -7},
                 Case{VT_ERROR, static_cast<LONG>(E_FAIL)}, Case{VT_EMPTY, 0}, Case{VT_NULL, 0}}) {
    VARIANT source;
    VariantInit(&source);
    source.vt = c.type;
    if (c.type == VT_BOOL) source.boolVal = static_cast<VARIANT_BOOL>(c.value);
    if (c.type == VT_I4) source.lVal = c.value;
    if (c.type == VT_ERROR) source.scode = c.value;
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK) << c.type;
    EXPECT_EQ(copy.vt, c.type);
    if (c.type == VT_BOOL) {
      EXPECT_EQ(copy.boolVal, source.boolVal);
    } else if (c.type == VT_I4) {
      EXPECT_EQ(copy.lVal, c.value);
    } else if (c.type == VT_ERROR) {
      EXPECT_EQ(copy.scode, c.value);
    }
    EXPECT_EQ(VariantClear(&copy), S_OK);
  }
}

// UTF-8 bytes are written out: the sources' narrow literals are code page 936.
constexpr char kGameUtf8[] = "\xE6\xB8\xB8\xE6\x88\x8F";  // 游戏

TEST_F(OleAutomationTest, Utf8ConvertsBothWaysWithSurrogatePairs) {
  WCHAR wide[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, kGameUtf8, -1, wide, 8), 3);
  EXPECT_EQ(U16(wide, 3), std::u16string(u"游戏\0", 3));

  const char16_t smile[] = u"a😀";  // a surrogate pair after one letter
  char bytes[16] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(smile), -1, bytes, 16, nullptr, nullptr), 6);
  EXPECT_STREQ(bytes, "a\xF0\x9F\x98\x80");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, bytes, -1, wide, 8), 4);
  EXPECT_EQ(U16(wide, 3), std::u16string(smile));  // the pair again

  // A lone surrogate becomes the replacement character.
  const WCHAR lone[] = {'x', 0xD800, 'y'};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 3, bytes, 16, nullptr, nullptr), 5);
  EXPECT_EQ(std::string(bytes, 5), "x\xEF\xBF\xBDy");
}

TEST_F(OleAutomationTest, InvalidUtf8IsReplacedOrRefused) {
  const char broken[] =
      "a\xFF"
      "b";
  WCHAR wide[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, broken, 3, wide, 8), 3);
  EXPECT_EQ(U16(wide, 3),
            u"a\xFFFD"
            u"b");
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, broken, 3, wide, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST_F(OleAutomationTest, TheAnsiCodePagesAreTheSameAndGiveAMissingCharacterAsTheDefault) {
  for (UINT codePage : {static_cast<UINT>(CP_ACP), static_cast<UINT>(CP_THREAD_ACP)}) {
    WCHAR wide[8] = {};
    if (!WINE_DIVERGES("the test prefix's ANSI code page is 1252, not the players' 936")) {
      EXPECT_EQ(MultiByteToWideChar(codePage, 0, "游戏", -1, wide, 8), 3) << codePage;
      EXPECT_EQ(U16(wide, 2), u"游戏");
      char back[8] = {};
      EXPECT_EQ(WideCharToMultiByte(codePage, 0, W(u"游戏"), -1, back, 8, nullptr, nullptr), 5);
      EXPECT_STREQ(back, "游戏");
    }
    // Thai has no place in either code page.
    char text[8] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, W(u"a\u0E01b"), 3, text, 8, nullptr, &usedDefault),
              3);
    EXPECT_EQ(std::string(text, 3), "a?b");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, W(u"a\u0E01b"), 3, text, 8, "#", &usedDefault), 3);
    EXPECT_EQ(std::string(text, 3), "a#b");
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, W(u"ab"), 2, text, 8, nullptr, &usedDefault), 2);
    EXPECT_FALSE(usedDefault);
  }
}

TEST_F(OleAutomationTest, SizesAreAskedWithAnEmptyBufferAndASmallOneIsRefused) {
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(u"游戏"), -1, nullptr, 0, nullptr, nullptr), 7);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(u"游戏"), 2, nullptr, 0, nullptr, nullptr), 6);
  char small[4];
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(u"游戏"), -1, small, 4, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

  // UTF-8 has no default character: asking whether one was used is an error.
  if (!WINE_DIVERGES("Wine accepts a used-default flag with UTF-8")) {
    BOOL usedDefault = FALSE;
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(u"a"), 1, small, 4, nullptr, &usedDefault), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, W(u"a"), 0, small, 4, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
