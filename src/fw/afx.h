// The framework, all of it: what the program's classes include.
#pragma once

#include "fw/app.h"
#include "fw/arrays.h"
#include "fw/button.h"
#include "fw/cmd_target.h"
#include "fw/dc.h"
#include "fw/dialog.h"
#include "fw/file.h"
#include "fw/file_find.h"
#include "fw/html_view.h"
#include "fw/menu.h"
#include "fw/gdi_object.h"
#include "fw/message_map.h"
#include "fw/string.h"
#include "fw/temp_maps.h"
#include "fw/types.h"
#include "fw/wnd.h"
