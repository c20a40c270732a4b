// The desktop's own counterparts of the Windows services a program uses,
// for runs on a Linux desktop: shortcuts saved on the run's desktop or in
// Quick Launch become launchers (.desktop files) in the user's desktop
// folder or applications folder, and the Run keys' values become autostart
// entries. Launchers start the same program file; when the run was given
// arguments that choose its data (the session's relaunch arguments), they
// carry them, so they open the same run. Display hosts forward to it.
#pragma once

#include <optional>
#include <string>

#include "platform/desktop/host.h"
#include "platform/desktop/lnk_writer.h"

namespace desktop::xdg {

// The theme icon launchers show (the program's own icon stays inside its file).
inline constexpr char kLauncherIcon[] = "applications-games";

class XdgServices {
 public:
  // A shortcut file was saved on drive C:. Returns the launcher written,
  // or empty when none was (another folder, a target not on drive Z:, a
  // menu entry of the system's of the same name that starts the same
  // command already, or the write failed).
  std::string ShortcutSaved(const std::string& cp936LinkPath, const ShellLinkFields& link);

  // A Run value was set or deleted: its autostart entry is written or
  // removed. Set returns false when no entry could be written.
  bool StartupCommandSet(const std::string& cp936Name, const std::string& cp936CommandLine);
  void StartupCommandDeleted(const std::string& cp936Name);
  // The autostart entry of that name: present or not, and the command line
  // it was written for.
  StartupEntryState StartupEntry(const std::string& cp936Name) const;

  // $XDG_CONFIG_HOME/autostart/<name>.desktop
  static std::string AutostartFile(const std::string& cp936Name);
};

}  // namespace desktop::xdg
