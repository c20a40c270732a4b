// WebKitGTK, loaded when the first page view is made instead of with the
// program: its hundred-odd libraries would otherwise be mapped, relocated
// and initialised before the launcher could show its first frame. The
// functions the display host calls are looked up once, by name, with the
// types of WebKit's own declarations; call them as WebKit().name(...).
#pragma once

#include <webkit2/webkit2.h>

#define TESSAL_WEBKIT_FUNCTIONS(X)                           \
  X(jsc_value_is_boolean)                                    \
  X(jsc_value_is_null)                                       \
  X(jsc_value_is_number)                                     \
  X(jsc_value_is_string)                                     \
  X(jsc_value_to_boolean)                                    \
  X(jsc_value_to_double)                                     \
  X(jsc_value_to_string)                                     \
  X(webkit_cookie_manager_set_persistent_storage)            \
  X(webkit_navigation_action_get_frame_name)                 \
  X(webkit_navigation_action_get_request)                    \
  X(webkit_navigation_action_is_redirect)                    \
  X(webkit_navigation_action_is_user_gesture)                \
  X(webkit_navigation_policy_decision_get_navigation_action) \
  X(webkit_network_error_quark)                              \
  X(webkit_policy_decision_ignore)                           \
  X(webkit_policy_decision_use)                              \
  X(webkit_policy_error_quark)                               \
  X(webkit_settings_set_hardware_acceleration_policy)        \
  X(webkit_uri_request_get_uri)                              \
  X(webkit_user_content_manager_add_style_sheet)             \
  X(webkit_user_content_manager_remove_all_style_sheets)     \
  X(webkit_user_style_sheet_new)                             \
  X(webkit_user_style_sheet_unref)                           \
  X(webkit_web_context_get_cookie_manager)                   \
  X(webkit_web_context_get_website_data_manager)             \
  X(webkit_web_context_new_with_website_data_manager)        \
  X(webkit_web_view_evaluate_javascript)                     \
  X(webkit_web_view_evaluate_javascript_finish)              \
  X(webkit_web_view_get_settings)                            \
  X(webkit_web_view_get_uri)                                 \
  X(webkit_web_view_get_user_content_manager)                \
  X(webkit_web_view_load_uri)                                \
  X(webkit_web_view_new_with_context)                        \
  X(webkit_website_data_get_name)                            \
  X(webkit_website_data_get_types)                           \
  X(webkit_website_data_manager_fetch)                       \
  X(webkit_website_data_manager_fetch_finish)                \
  X(webkit_website_data_manager_new)                         \
  X(webkit_website_data_manager_remove)                      \
  X(webkit_website_data_manager_remove_finish)               \
  X(webkit_website_data_ref)                                 \
  X(webkit_website_data_unref)

namespace desktop::gtk {

struct WebKitFunctions {
#define TESSAL_WEBKIT_POINTER(name) decltype(&::name) name = nullptr;
  TESSAL_WEBKIT_FUNCTIONS(TESSAL_WEBKIT_POINTER)
#undef TESSAL_WEBKIT_POINTER
};

// Loads WebKitGTK on the first call; false, with the reason in the run's
// transcript (once), when it cannot be loaded.
bool LoadWebKit();
// The loaded functions; only after LoadWebKit succeeded.
const WebKitFunctions& WebKit();

}  // namespace desktop::gtk
