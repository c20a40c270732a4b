#include "launcher/launcher_layout.h"

#include "res/resource_ids.h"

namespace launcher_layout {

// The link pictures press down to their normal look; the logo shows one
// picture in every look.
const ButtonLayout Buttons[7] = {
    {IDC_CLOSE_BUTTON, {947, 128, 980, 161}, OwnerDrawButtonStyle,
     IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED, IDB_CLOSE_PRESSED},
    {IDC_MINIMIZE_BUTTON, {919, 136, 952, 169}, OwnerDrawButtonStyle,
     IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED, IDB_MINIMIZE_PRESSED},
    {IDC_OFFICIAL_BUTTON, {326, 132, 404, 155}, OwnerDrawButtonStyle,
     IDB_OFFICIAL_NORMAL, IDB_OFFICIAL_HOVER, IDB_OFFICIAL_NORMAL, IDB_OFFICIAL_NORMAL},
    {IDC_FORUM_BUTTON, {455, 132, 533, 155}, OwnerDrawButtonStyle,
     IDB_FORUM_NORMAL, IDB_FORUM_HOVER, IDB_FORUM_NORMAL, IDB_FORUM_NORMAL},
    {IDC_SERVICE_BUTTON, {704, 132, 782, 155}, OwnerDrawButtonStyle,
     IDB_SERVICE_NORMAL, IDB_SERVICE_HOVER, IDB_SERVICE_NORMAL, IDB_SERVICE_NORMAL},
    {IDC_PAY_BUTTON, {824, 132, 902, 155}, OwnerDrawButtonStyle,
     IDB_PAY_NORMAL, IDB_PAY_HOVER, IDB_PAY_NORMAL, IDB_PAY_NORMAL},
    {IDC_LOGO_BUTTON, {503, 28, 796, 168}, PlainButtonStyle,
     IDB_LOGO, IDB_LOGO, IDB_LOGO, IDB_LOGO},
};

}  // namespace launcher_layout
