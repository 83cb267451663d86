// Measures the start as a member sees it, from outside the program: the time
// from the start to the main window mapped on the X display, and from the
// window's mapping to the forum page's first text drawn in it. The screen is
// polled every ~10 ms; the page's heading is recognised by its colour. When a
// Chromium is given, the same window-to-text time is measured for Chromium
// on the same page, for comparison.
//
//   window_bench <program> <portal server> [runs] [chromium]
//
// Runs on an X display (scripts/bench starts Xvfb) with no window manager.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#ifdef SLV_HAVE_XSHM
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void sleepMs(double ms) {
  if (ms <= 0)
    return;
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(std::fmod(ms, 1000.0) * 1e6)};
  nanosleep(&ts, nullptr);
}

std::string tempDir(const char* what) {
  std::string templ = std::string("/tmp/slv-bench-") + what + "-XXXXXX";
  if (mkdtemp(templ.data()) == nullptr) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  chmod(templ.c_str(), 0700);
  return templ;
}

void removeTree(const std::string& dir) {
  if (dir.rfind("/tmp/slv-bench-", 0) != 0)
    return;
  const std::string cmd = "rm -rf '" + dir + "'";
  if (std::system(cmd.c_str()) != 0)
    std::fprintf(stderr, "window_bench: could not remove %s\n", dir.c_str());
}

// Starts argv in a process group of its own, with extra environment entries.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            int* stdoutPipe = nullptr) {
  int fds[2] = {-1, -1};
  if (stdoutPipe != nullptr && pipe(fds) != 0)
    return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    for (const std::string& e : env)
      putenv(strdup(e.c_str()));
    if (stdoutPipe != nullptr) {
      dup2(fds[1], STDOUT_FILENO);
      close(fds[0]);
      close(fds[1]);
    }
    // The measured programs' chatter is of no interest here.
    if (FILE* devnull = std::fopen("/dev/null", "w")) {
      dup2(fileno(devnull), STDERR_FILENO);
      if (stdoutPipe == nullptr)
        dup2(fileno(devnull), STDOUT_FILENO);
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
      args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  if (stdoutPipe != nullptr) {
    close(fds[1]);
    *stdoutPipe = fds[0];
  }
  return pid;
}

void stop(pid_t pid) {
  if (pid <= 0)
    return;
  kill(-pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      kill(-pid, SIGKILL); // helpers left in the group
      return;
    }
    sleepMs(20);
  }
  kill(-pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

std::string windowName(Display* dpy, Window w) {
  std::string name;
  XTextProperty prop{};
  const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
  if (XGetTextProperty(dpy, w, &prop, netName) && prop.value != nullptr) {
    name.assign(reinterpret_cast<char*>(prop.value), prop.nitems);
    XFree(prop.value);
  }
  if (name.empty()) {
    char* n = nullptr;
    if (XFetchName(dpy, w, &n) && n != nullptr) {
      name = n;
      XFree(n);
    }
  }
  return name;
}

std::string windowClass(Display* dpy, Window w) {
  XClassHint hint{};
  std::string cls;
  if (XGetClassHint(dpy, w, &hint)) {
    if (hint.res_class != nullptr)
      cls = hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  return cls;
}

// Which top-level window is the one measured.
struct Target {
  std::string namePrefix; // the window's title starts so
  std::string className;  // or its class is so (and it is large)
};

bool isTarget(Display* dpy, Window w, const Target& t) {
  XWindowAttributes a{};
  if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable || a.override_redirect)
    return false;
  if (!t.namePrefix.empty())
    return windowName(dpy, w).rfind(t.namePrefix, 0) == 0;
  return windowClass(dpy, w) == t.className && a.width > 300 && a.height > 300;
}

// The upper left part of a window, where the page's heading is drawn, as
// pixels. Through shared memory where the server offers it: a plain
// XGetImage of this size takes tens of milliseconds on a busy machine,
// longer than the polling period.
class Grabber {
public:
  Grabber(Display* dpy, int width, int height) : dpy_(dpy), width_(width), height_(height) {
#ifdef SLV_HAVE_XSHM
    if (XShmQueryExtension(dpy) == False)
      return;
    const int screen = DefaultScreen(dpy);
    img_ = XShmCreateImage(dpy, DefaultVisual(dpy, screen), DefaultDepth(dpy, screen), ZPixmap,
                           nullptr, &shm_, width, height);
    if (img_ == nullptr)
      return;
    shm_.shmid = shmget(IPC_PRIVATE, img_->bytes_per_line * img_->height, IPC_CREAT | 0600);
    shm_.shmaddr = img_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    XShmAttach(dpy, &shm_);
    XSync(dpy, False);
    shmctl(shm_.shmid, IPC_RMID, nullptr); // gone once both sides detach
#endif
  }
  ~Grabber() {
#ifdef SLV_HAVE_XSHM
    if (img_ != nullptr) {
      XShmDetach(dpy_, &shm_);
      img_->data = nullptr;
      XDestroyImage(img_);
      shmdt(shm_.shmaddr);
    }
#endif
  }
  Grabber(const Grabber&) = delete;
  Grabber& operator=(const Grabber&) = delete;

  // Pixels of the forum page's heading colour (#003, dark blue).
  int headingPixels(Window w) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(dpy_, w, &a) || a.map_state != IsViewable || a.width < width_ ||
        a.height < height_)
      return 0;
    XImage* img = nullptr;
#ifdef SLV_HAVE_XSHM
    if (img_ != nullptr && XShmGetImage(dpy_, w, img_, 0, 0, AllPlanes))
      img = img_;
#endif
    if (img == nullptr)
      img = XGetImage(dpy_, w, 0, 0, width_, height_, AllPlanes, ZPixmap);
    if (img == nullptr)
      return 0;
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const unsigned long p = XGetPixel(img, x, y);
        const unsigned r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
        n += (r <= 8 && g <= 8 && b >= 44 && b <= 58) ? 1 : 0;
      }
    if (img != img_)
      XDestroyImage(img);
    return n;
  }

private:
  Display* dpy_;
  int width_, height_;
  XImage* img_ = nullptr;
#ifdef SLV_HAVE_XSHM
  XShmSegmentInfo shm_{};
#endif
};

struct Times {
  double toWindow = -1; // start to the window mapped
  double toText = -1;   // the window mapped to the heading drawn
};

constexpr int kHeadingPixels = 40;

Times measure(Display* dpy, const std::vector<std::string>& argv,
              const std::vector<std::string>& env, const Target& target) {
  Times t;
  const Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, True); // drop what came before
  const double start = nowMs();
  const pid_t pid = spawn(argv, env);
  Window win = 0;
  double mapped = 0;
  Grabber grabber(dpy, 600, 360);
  for (double next = start;; next += 10) {
    while (XPending(dpy) > 0) {
      XEvent e;
      XNextEvent(dpy, &e);
      if (win == 0 && e.type == MapNotify && isTarget(dpy, e.xmap.window, target)) {
        win = e.xmap.window;
        mapped = nowMs();
        t.toWindow = mapped - start;
      }
    }
    if (win == 0) {
      // A title set after mapping: look at the mapped windows as they are now.
      Window r = 0, parent = 0, *children = nullptr;
      unsigned n = 0;
      if (XQueryTree(dpy, root, &r, &parent, &children, &n)) {
        for (unsigned i = 0; i < n && win == 0; ++i)
          if (isTarget(dpy, children[i], target)) {
            win = children[i];
            mapped = nowMs();
            t.toWindow = mapped - start;
          }
        XFree(children);
      }
    }
    if (win != 0 && grabber.headingPixels(win) >= kHeadingPixels) {
      t.toText = nowMs() - mapped;
      break;
    }
    const double now = nowMs();
    if ((win == 0 && now - start > 20000) || (win != 0 && now - mapped > 15000))
      break;
    sleepMs(next + 10 - nowMs());
  }
  XSelectInput(dpy, root, NoEventMask);
  stop(pid);
  return t;
}

std::string stats(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
  if (v.empty())
    return "no result";
  std::sort(v.begin(), v.end());
  const double median =
      v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  char buf[128];
  std::snprintf(buf, sizeof buf, "min %.0f  median %.0f  max %.0f ms (%zu runs)", v.front(), median,
                v.back(), v.size());
  return buf;
}

double median(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return x < 0; }), v.end());
  if (v.empty())
    return -1;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Starts the local portal; its address ("127.0.0.1:port") or nothing.
std::optional<std::string> startPortal(const std::string& server, pid_t* pid) {
  int out = -1;
  *pid = spawn({server}, {}, &out);
  if (*pid <= 0)
    return std::nullopt;
  std::string host;
  char c = 0;
  while (read(out, &c, 1) == 1 && c != '\n')
    host += c;
  close(out);
  if (host.empty())
    return std::nullopt;
  return host;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_bench <program> <portal server> [runs] [chromium]\n");
    return 2;
  }
  const std::string program = argv[1], server = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  const std::string chromium = argc > 4 ? argv[4] : "";
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "window_bench: needs an X display (scripts/bench starts Xvfb)\n");
    return 1;
  }
  // Windows come and go while they are looked at; a gone one is simply no match.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const int screenW = DisplayWidth(dpy, DefaultScreen(dpy));
  const int screenH = DisplayHeight(dpy, DefaultScreen(dpy));
  pid_t portalPid = 0;
  const auto host = startPortal(server, &portalPid);
  if (!host) {
    std::fprintf(stderr, "window_bench: the local portal did not start\n");
    return 1;
  }
  const std::string page = "http://" + *host + "/forum/index.php";

  std::vector<double> toWindow, toText, chromeText;
  for (int i = 0; i < runs; ++i) {
    // A fresh user each run: own profile, own runtime folder (so no earlier
    // run is taken for a running program).
    const std::string home = tempDir("home"), rt = tempDir("rt");
    const Times t = measure(
        dpy, {program},
        {"HOME=" + home, "XDG_DATA_HOME=" + home + "/data", "XDG_CACHE_HOME=" + home + "/cache",
         "XDG_CONFIG_HOME=" + home + "/config", "XDG_RUNTIME_DIR=" + rt, "SLV_PORTAL_HOST=" + *host,
         "SLV_MAIL_HOST=" + *host, "SLV_MAKER_HOST=" + *host},
        {"SOLVARINO 3_w", ""});
    std::printf("program  run %d: start->window %.0f ms, window->text %.0f ms\n", i + 1, t.toWindow,
                t.toText);
    std::fflush(stdout);
    toWindow.push_back(t.toWindow);
    toText.push_back(t.toText);
    removeTree(home);
    removeTree(rt);
    if (!chromium.empty()) {
      const std::string profile = tempDir("chromium");
      const Times c = measure(
          dpy,
          {chromium, "--no-sandbox", "--disable-gpu", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--user-data-dir=" + profile, "--window-position=0,0",
           "--window-size=" + std::to_string(screenW) + "," + std::to_string(screenH), page},
          {"HOME=" + profile}, {"", "Chromium"});
      std::printf("chromium run %d: start->window %.0f ms, window->text %.0f ms\n", i + 1,
                  c.toWindow, c.toText);
      std::fflush(stdout);
      chromeText.push_back(c.toText);
      removeTree(profile);
    }
  }
  stop(portalPid);
  XCloseDisplay(dpy);

  std::printf("start to main window:       %s\n", stats(toWindow).c_str());
  std::printf("main window to forum text:  %s\n", stats(toText).c_str());
  if (!chromium.empty()) {
    std::printf("Chromium window to text:    %s\n", stats(chromeText).c_str());
    const double p = median(toText), c = median(chromeText);
    if (p >= 0 && c > 0)
      std::printf("ratio program/Chromium (medians): %.2f\n", p / c);
  }
  return 0;
}
