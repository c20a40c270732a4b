// The Windows API subset the program uses. On Windows this is the
// toolchain's own headers; elsewhere it is our declarations, implemented by
// the portable desktop (platform/desktop).
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>
#include <mshtml.h>
#include <mshtmhst.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>
#else
#include "platform/api/win_types.h"
#include "platform/api/user_constants.h"
#include "platform/api/user_functions.h"
#include "platform/api/gdi_functions.h"
#include "platform/api/text_functions.h"
#include "platform/api/kernel_functions.h"
#include "platform/api/commctrl_functions.h"
#include "platform/api/com_functions.h"
#include "platform/api/oleauto_functions.h"
#include "platform/api/mshtml_functions.h"
#include "platform/api/shell_functions.h"
#include "platform/api/registry_functions.h"
#include "platform/api/wininet_functions.h"
#include "platform/api/menu_functions.h"
#include "platform/api/placement_functions.h"
#endif
