// The lock-key state of the running platform.
#include <QGuiApplication>

#include "LockPanes.h"

#ifdef THERMAVO_HAVE_XKB
#include <X11/XKBlib.h>
// Xlib's macros would clash with names used further on.
#undef Bool
#undef None
#undef Status
#endif

namespace {
// Blank panes: the platform does not give the state.
class CNoLockKeySource : public ILockKeySource {
  public:
    std::optional<LockKeyState> Read() override { return std::nullopt; }
};

#ifdef THERMAVO_HAVE_XKB
// The X server's keyboard indicators, looked up by name as their numbers depend on the layout.
class CX11LockKeySource : public ILockKeySource {
  public:
    explicit CX11LockKeySource(Display* display) : m_pDisplay(display) {
        m_atoms = {XInternAtom(display, "Caps Lock", False),
                   XInternAtom(display, "Num Lock", False),
                   XInternAtom(display, "Scroll Lock", False)};
    }

    std::optional<LockKeyState> Read() override {
        bool on[3] = {false, false, false};
        int found = 0;
        // A layout without one of the indicators leaves that pane blank.
        for (int i = 0; i < 3; ++i) {
            int state = 0;
            if (XkbGetNamedIndicator(m_pDisplay, m_atoms[i], nullptr, &state, nullptr, nullptr)) {
                on[i] = state != 0;
                ++found;
            }
        }
        if (found == 0) return std::nullopt;
        return LockKeyState{on[0], on[1], on[2]};
    }

  private:
    Display* m_pDisplay;
    std::array<Atom, 3> m_atoms{};
};
#endif
}  // namespace

std::unique_ptr<ILockKeySource> CreatePlatformLockKeySource() {
#ifdef THERMAVO_HAVE_XKB
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display()) {
            int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
            if (XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
                return std::make_unique<CX11LockKeySource>(display);
        }
    }
#endif
    return std::make_unique<CNoLockKeySource>();
}
