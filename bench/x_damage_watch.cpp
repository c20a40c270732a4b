// What counts as the first frame, and why.
//
// The watcher follows every top-level window created on the server (a
// child of the root) and asks for an Expose and for XDamage reports on it.
// Mapping a window makes the server itself paint the window's background
// when it has one (a background pixel or pixmap): on Xvfb that painting is
// reported as damage of the whole window, right before the Expose that the
// same mapping sends. A window that is mapped and never drawn would count
// as drawn if every damage counted. So the first frame is the first damage
// of a followed InputOutput top-level that arrives after its first Expose,
// unless an Expose of the same window that covers the damaged rectangle is
// still waiting behind it (the server painting what it exposes again, after
// a resize for example). Only a mapped window that is visible on the
// screen gets an Expose, so GTK's unmapped helper windows, InputOnly
// windows and windows placed off the screen never count.
//
// Damage is asked for as raw rectangles: every drawing operation is
// reported. With XDamageReportNonEmpty the server reports only the change
// from empty to non-empty; the background painting would be the one report,
// and clearing it (DamageSubtract) would race with the client's first
// drawing and could swallow it.
//
// A window has to be followed before it is mapped; one that the server
// had already mapped when the watcher asked for its events is flagged
// (missedAWindow) so that the run can be repeated.
#include "x_damage_watch.h"

#include <X11/Xatom.h>
#include <fcntl.h>

#include <cstdio>

#include "child_process.h"
#include "process_tree.h"

namespace bench {
namespace {

int damageErrorBase = 0;

// Windows go away while they are followed, and InputOnly windows refuse
// damage objects: such errors are expected. Anything else is shown.
int OnXError(Display* display, XErrorEvent* event) {
  int code = event->error_code;
  if (code == BadWindow || code == BadDrawable || code == BadMatch ||
      code == damageErrorBase + BadDamage) {
    return 0;
  }
  char text[256] = {};
  XGetErrorText(display, code, text, sizeof text);
  std::fprintf(stderr, "startup_bench: X error: %s (request %d.%d)\n", text, event->request_code,
               event->minor_code);
  return 0;
}

// Looks through the queue without taking anything out of it.
struct QueueSearch {
  Window window;
  int type;
  XRectangle within{};  // for Expose: a rectangle the Expose must cover
  bool viaOwnSelection = false;
  bool found = false;
};

Bool Inspect(Display*, XEvent* event, XPointer argument) {
  auto* search = reinterpret_cast<QueueSearch*>(argument);
  if (event->type != search->type) return False;
  if (event->type == MapNotify && event->xmap.window == search->window) {
    // Delivered through the window's own selection, or through the root's.
    if (event->xmap.event == search->window) search->viaOwnSelection = true;
    search->found = true;
  } else if (event->type == Expose && event->xexpose.window == search->window) {
    const XExposeEvent& e = event->xexpose;
    const XRectangle& r = search->within;
    if (e.x <= r.x && e.y <= r.y && e.x + e.width >= r.x + r.width &&
        e.y + e.height >= r.y + r.height) {
      search->found = true;
    }
  }
  return False;
}

void Search(Display* display, QueueSearch& search) {
  XEvent unused;
  XCheckIfEvent(display, &unused, Inspect, reinterpret_cast<XPointer>(&search));
}

bool OnScreen(Display* display, const XWindowAttributes& a) {
  int width = DisplayWidth(display, DefaultScreen(display));
  int height = DisplayHeight(display, DefaultScreen(display));
  return a.x < width && a.y < height && a.x + a.width > 0 && a.y + a.height > 0;
}

}  // namespace

FirstFrameWatch::~FirstFrameWatch() {
  if (display_) XCloseDisplay(display_);
}

bool FirstFrameWatch::Open(std::string* error) {
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    const char* name = XDisplayName(nullptr);
    *error =
        std::string("cannot open the X display ") + (name && *name ? name : "(DISPLAY is empty)");
    return false;
  }
  int major = 1, minor = 1;
  if (!XDamageQueryExtension(display_, &damageEventBase_, &damageErrorBase) ||
      !XDamageQueryVersion(display_, &major, &minor)) {
    *error = "the X server has no DAMAGE extension";
    return false;
  }
  fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
  XSetErrorHandler(OnXError);
  wmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
  XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  XSync(display_, False);
  return true;
}

int FirstFrameWatch::fd() const { return ConnectionNumber(display_); }

void FirstFrameWatch::Reset() {
  StopFollowing();
  firstFrame_.reset();
  missed_ = false;
  owner_ = -1;
  XSync(display_, False);
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
  }
}

void FirstFrameWatch::Dispatch() {
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == damageEventBase_ + XDamageNotify) {
      Damaged(reinterpret_cast<XDamageNotifyEvent&>(event));
    } else if (event.type == CreateNotify) {
      if (event.xcreatewindow.parent == DefaultRootWindow(display_))
        Created(event.xcreatewindow.window);
    } else if (event.type == Expose) {
      Exposed(event.xexpose.window);
    } else if (event.type == DestroyNotify) {
      windows_.erase(event.xdestroywindow.window);  // its damage object went with it
    }
  }
}

void FirstFrameWatch::Created(Window window) {
  if (firstFrame_) return;
  // Asked for at once, before anything else: the client may map it soon.
  XSelectInput(display_, window, StructureNotifyMask | ExposureMask);
  XID damage = XDamageCreate(display_, window, XDamageReportRawRectangles);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window, &attributes)) return;  // gone already
  // The reply came after the requests above were carried out: a map that
  // the root reported before it, and the window's own selection did not,
  // happened before the window was followed.
  bool drawable = attributes.c_class == InputOutput;
  if (drawable && attributes.map_state != IsUnmapped && OnScreen(display_, attributes)) {
    QueueSearch map{window, MapNotify};
    Search(display_, map);
    if (map.found && !map.viaOwnSelection) missed_ = true;
  }
  windows_[window].damage = drawable ? damage : 0;
}

void FirstFrameWatch::Exposed(Window window) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.exposed = true;
}

void FirstFrameWatch::Damaged(const XDamageNotifyEvent& event) {
  double at = BootClockMs();
  if (firstFrame_) return;
  auto it = windows_.find(event.drawable);
  if (it == windows_.end() || !it->second.exposed || !it->second.damage) return;
  QueueSearch expose{event.drawable, Expose, event.area};
  Search(display_, expose);
  if (expose.found) return;  // the server painting a background it exposes
  if (Foreign(event.drawable)) {
    XDamageDestroy(display_, it->second.damage);
    windows_.erase(it);
    return;
  }
  firstFrame_ = at;
  StopFollowing();
}

bool FirstFrameWatch::Foreign(Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool foreign = false;
  if (XGetWindowProperty(display_, window, wmPid_, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data && format == 32 && count == 1) {
    auto pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    foreign = owner_ > 0 && pid != owner_ && !InProcessTree(owner_, pid);
  }
  if (data) XFree(data);
  return foreign;
}

void FirstFrameWatch::StopFollowing() {
  for (const auto& [window, topLevel] : windows_) {
    if (topLevel.damage) XDamageDestroy(display_, topLevel.damage);
    XSelectInput(display_, window, NoEventMask);
  }
  windows_.clear();
  XFlush(display_);
}

}  // namespace bench
