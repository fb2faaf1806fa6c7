#pragma once

#include <QObject>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QStatusBar;
class QTimer;

// Which lock keys are on.
struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// Where the lock-key state comes from; nothing when the platform does not tell.
class ILockKeySource {
  public:
    virtual ~ILockKeySource() = default;
    virtual std::optional<LockKeyState> Read() = 0;
};

// The source of the running platform: the keyboard indicators of the X server under X11,
// none elsewhere (the offscreen platform, Wayland).
std::unique_ptr<ILockKeySource> CreatePlatformLockKeySource();

// The status bar's CAP, NUM and SCRL panes: each shows its text while its lock is on and is
// blank otherwise. The state is read again a few times a second, as the keys may be pressed
// while another program has the focus.
class CLockPanes : public QObject {
    Q_OBJECT

  public:
    static constexpr int kPaneCount = 3;
    static constexpr std::array<const char*, kPaneCount> kTexts = {"CAP", "NUM", "SCRL"};

    // Adds the three panes to the right end of the status bar.
    CLockPanes(QStatusBar* statusBar, std::unique_ptr<ILockKeySource> source);
    ~CLockPanes() override;

    void SetSource(std::unique_ptr<ILockKeySource> source);
    // Reads the state and shows it.
    void Refresh();
    QLabel* Pane(int index) const { return m_panes[index]; }

  private:
    std::unique_ptr<ILockKeySource> m_pSource;
    std::array<QLabel*, kPaneCount> m_panes{};
    QTimer* m_pTimer = nullptr;
};
