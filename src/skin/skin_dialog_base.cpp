// The skinned dialog's set-up and tear-down, its message table and its
// client-area calculation.
#include "skin/skin_dialog_base.h"

#include "res/resource_ids.h"
#include "skin/frame_rules.h"

namespace {

// The undocumented messages with which visual styles redraw the caption
// and the frame.
constexpr UINT kThemedCaptionRedraw = 0x00AE;
constexpr UINT kThemedFrameRedraw = 0x00AF;

struct ButtonPictures {
  int id;
  WORD normal, hover;
  CSkinCaptionButton* CSkinDialogBase::*member;
};

constexpr ButtonPictures kButtonPictures[] = {
    {kCloseButton, IDB_CAPTION_CLOSE, IDB_CAPTION_CLOSE_HOVER, &CSkinDialogBase::CloseBtn},
    {kMaximizeButton, IDB_CAPTION_MAXIMIZE, IDB_CAPTION_MAXIMIZE_HOVER, &CSkinDialogBase::MaximizeBtn},
    {kRestoreButton, IDB_CAPTION_RESTORE, IDB_CAPTION_RESTORE_HOVER, &CSkinDialogBase::RestoreBtn},
    {kMinimizeButton, IDB_CAPTION_MINIMIZE, IDB_CAPTION_MINIMIZE_HOVER, &CSkinDialogBase::MinimizeBtn},
    {kTrayButton, IDB_CAPTION_TRAY, IDB_CAPTION_TRAY_HOVER, &CSkinDialogBase::TrayBtn},
    {kSettingsButton, IDB_CAPTION_SETTINGS, IDB_CAPTION_SETTINGS_HOVER, &CSkinDialogBase::SettingsBtn},
    {kServiceButton, IDB_CAPTION_SERVICE, IDB_CAPTION_SERVICE_HOVER, &CSkinDialogBase::ServiceBtn},
    {kForumButton, IDB_CAPTION_FORUM, IDB_CAPTION_FORUM_HOVER, &CSkinDialogBase::ForumBtn},
    {kOfficialButton, IDB_CAPTION_OFFICIAL, IDB_CAPTION_OFFICIAL_HOVER, &CSkinDialogBase::OfficialBtn},
    {kPayButton, IDB_CAPTION_PAY, IDB_CAPTION_PAY_HOVER, &CSkinDialogBase::PayBtn},
};

}  // namespace

BEGIN_MESSAGE_MAP(CSkinDialogBase, CDialog)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_NCCALCSIZE()
  ON_WM_NCPAINT()
  ON_WM_NCACTIVATE()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCMOUSEMOVE()
  ON_WM_NCLBUTTONUP()
  ON_WM_NCHITTEST()
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_CTLCOLOR()
  ON_WM_SYSCOMMAND()
  ON_MESSAGE(UM_TRAY_NOTIFY, &CSkinDialogBase::OnTrayNotify)
END_MESSAGE_MAP()

CSkinDialogBase::CSkinDialogBase() : CDialog(kSkinDialogTemplate, nullptr) {
  FrameIcon = ::LoadIconW(::GetModuleHandleA(nullptr), MAKEINTRESOURCEW(kFrameIconResource));
}

CSkinDialogBase::~CSkinDialogBase() = default;

int CSkinDialogBase::OnCreate(LPCREATESTRUCTA) {
  if (Default() == -1) return -1;
  CaptionLeftBitmap.LoadWithInfo(IDB_CAPTION_LEFT);
  CaptionMiddleBitmap.LoadWithInfo(IDB_CAPTION_MIDDLE);
  CaptionRightBitmap.LoadWithInfo(IDB_CAPTION_RIGHT);
  LeftBorderBitmap.LoadWithInfo(IDB_FRAME_LEFT);
  RightBorderBitmap.LoadWithInfo(IDB_FRAME_RIGHT);
  BottomLeftBitmap.LoadWithInfo(IDB_FRAME_BOTTOM_LEFT);
  BottomBorderBitmap.LoadWithInfo(IDB_FRAME_BOTTOM);
  BottomRightBitmap.LoadWithInfo(IDB_FRAME_BOTTOM_RIGHT);
  CWindowDC reference(this);
  for (const ButtonPictures& pictures : kButtonPictures) {
    CSkinCaptionButton*& slot = this->*pictures.member;
    if (slot) continue;  // each button is made once
    Buttons.push_back(std::make_unique<CSkinCaptionButton>(pictures.id, pictures.normal,
                                                           pictures.hover, &reference));
    slot = Buttons.back().get();
  }
  return 0;
}

BOOL CSkinDialogBase::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FrameIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FrameIcon));
  // The title is set in a bold copy of the dialog's own font.
  if (HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0))) {
    LOGFONTA description{};
    if (::GetObjectA(dialogFont, sizeof description, &description)) {
      description.lfWeight = FW_BOLD;
      TitleFont.DeleteObject();
      TitleFont.CreateFontIndirect(&description);
    }
  }
  FrameReady = true;
  return TRUE;
}

void CSkinDialogBase::OnDestroy() {
  Default();
  // The icon goes with the window rather than lingering in the
  // notification area with nobody to answer it.
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = m_hWnd;
  icon.uID = kTrayIconId;
  ::Shell_NotifyIconA(NIM_DELETE, &icon);
  Buttons.clear();
  TitleFont.DeleteObject();
  for (const ButtonPictures& pictures : kButtonPictures) this->*pictures.member = nullptr;
  HotButton = 0;
}

LRESULT CSkinDialogBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The system must never paint its own caption over the skin.
  if (message == kThemedCaptionRedraw || message == kThemedFrameRedraw) return 1;
  LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  if (message == WM_NCHITTEST) result = MapSkinHitCode(result);
  return result;
}

void CSkinDialogBase::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
  // The plain form's rectangle is where the first one of the parameters is.
  RECT& proposed = params->rgrc[0];
  CaptionLayoutInput in;
  in.proposed = proposed;
  in.rowWidth = proposed.right - proposed.left;
  in.maximised = IsZoomed() != FALSE;
  in.fullScreen = FullScreenMode;
  in.style = GetStyle();
  in.captionHeight = ::GetSystemMetrics(SM_CYCAPTION);
  CaptionLayout layout = LayoutCaption(in);
  proposed = layout.client;
  PlaceButtons(layout);
  IconRect = layout.icon;
}

void CSkinDialogBase::PlaceButtons(const CaptionLayout& layout) {
  for (const auto& button : Buttons) {
    if (button->Id >= 1 && button->Id <= kCaptionButtonCount) button->Rect = layout.Button(button->Id);
  }
}

BOOL CSkinDialogBase::OnEraseBkgnd(CDC*) { return FALSE; }

HBRUSH CSkinDialogBase::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  HBRUSH brush = CDialog::OnCtlColor(dc, wnd, ctlColor);
  // The dialog's own background is black. The stock brush is shared and
  // never needs deleting.
  if (ctlColor == CTLCOLOR_DLG) return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  return brush;
}

void CSkinDialogBase::OnSize(UINT, int, int) { Default(); }
