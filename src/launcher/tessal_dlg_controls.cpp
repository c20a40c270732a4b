// The launcher's controls: the browser with the login page and the seven
// picture buttons, made at initialisation, and what the buttons do.
#include "app/process_state.h"
#include "desktop/portal_link.h"
#include "gfx/bitmap_resource.h"
#include "gfx/region_from_bitmap.h"
#include "launcher/launcher_layout.h"
#include "launcher/tessal_dlg.h"
#include "res/resource_ids.h"

void CTessalDlg::CreateBrowser() {
  using launcher_layout::BrowserRect;
  Browser.CreateFromPlaceholder(this, launcher_layout::BrowserCreationRect);
  Browser.PassEnterToPage = 1;
  // Over the dark panel of the picture.
  Browser.MoveWindow(BrowserRect.left, BrowserRect.top, BrowserRect.right - BrowserRect.left,
                     BrowserRect.bottom - BrowserRect.top, TRUE);
}

void CTessalDlg::CreateButtons() {
  for (const launcher_layout::ButtonLayout& layout : launcher_layout::Buttons) {
    CButtonEx& button = ButtonFor(layout.id);
    button.Create("", layout.style, layout.rect, this, layout.id);
    LoadBitmapResource(button.NormalBitmap, layout.normal);
    LoadBitmapResource(button.HoverBitmap, layout.hover);
    LoadBitmapResource(button.PressedBitmap, layout.pressed);
    LoadBitmapResource(button.DisabledBitmap, layout.disabled);
    button.Shaped = 1;
    button.KeyColor = RegionKeyColor;
    button.ShapeRegion.Attach(CreateRegionFromBitmap(button.NormalBitmap));
    button.ModifyStyle(WS_BORDER, 0);
  }
  // The logo only shows its picture.
  LogoButton.EnableWindow(FALSE);
}

CButtonEx& CTessalDlg::ButtonFor(UINT id) {
  switch (id) {
    case IDC_CLOSE_BUTTON: return CloseButton;
    case IDC_MINIMIZE_BUTTON: return MinimizeButton;
    case IDC_OFFICIAL_BUTTON: return OfficialButton;
    case IDC_FORUM_BUTTON: return ForumButton;
    case IDC_SERVICE_BUTTON: return ServiceButton;
    case IDC_PAY_BUTTON: return PayButton;
    default: return LogoButton;
  }
}

void CTessalDlg::OnCloseButton() { CDialog::OnCancel(); }

void CTessalDlg::OnMinimizeButton() { ShowWindow(SW_SHOWMINIMIZED); }

// The links are read at the click: whatever the login page last supplied.
// Only web addresses reach the shell.
void CTessalDlg::OnOfficialButton() { OpenPortalLink(OfficialUrl); }
void CTessalDlg::OnForumButton() { OpenPortalLink(ForumUrl); }
void CTessalDlg::OnServiceButton() { OpenPortalLink(ServiceUrl); }
void CTessalDlg::OnPayButton() { OpenPortalLink(PayUrl); }
