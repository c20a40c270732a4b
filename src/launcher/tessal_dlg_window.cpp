// The launcher as a window: its picture painted off screen and copied in
// one transfer, dragging by the picture, the window menu's About item.
#include "gfx/draw_bitmap.h"
#include "launcher/about_dlg.h"
#include "launcher/tessal_dlg.h"
#include "res/resource_ids.h"

void CTessalDlg::AddAboutItemToWindowMenu() {
  CMenu* windowMenu = GetSystemMenu(FALSE);
  if (!windowMenu) return;
  CString aboutText;
  aboutText.LoadString(IDS_ABOUTBOX);
  if (aboutText.IsEmpty()) return;
  windowMenu->AppendMenu(MF_SEPARATOR);
  windowMenu->AppendMenu(MF_STRING, AboutCommand, aboutText);
}

void CTessalDlg::OnSysCommand(UINT command, LPARAM) {
  if ((command & 0xFFF0) == AboutCommand) {
    CAboutDlg about;
    about.DoModal();
    return;
  }
  Default();
}

void CTessalDlg::OnPaint() {
  if (!m_hWnd) return;
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  // A fresh buffer each time, made from the paint DC so that it has the
  // screen's colours.
  PaintBuffer.DeleteObject();
  PaintBuffer.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
  CBitmap* previous = memory.SelectObject(&PaintBuffer);
  DrawBitmap(Background, memory, 0, 0);
  dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(previous);
  memory.DeleteDC();
}

HICON CTessalDlg::OnQueryDragIcon() { return Icon; }

void CTessalDlg::OnLButtonDown(UINT, CPoint point) {
  Default();
  // A press on the picture drags the window as its title bar would.
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}
