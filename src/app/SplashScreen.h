#pragma once

#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "Emblem.h"

// The start-up picture: a borderless window over the main window for up to seven seconds.
// While it shows, every key press and left, right or middle button press of the application
// closes it and is swallowed, so the first click only dismisses the picture.
class CSplashWnd : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDisplayMilliseconds = 7000;

    // Whether a later ShowSplashScreen may show the picture (decided from the command line).
    static void EnableSplashScreen(bool enable);
    static bool IsSplashEnabled();

    // Shows the picture centred over owner (or the screen) if allowed and none is showing.
    // Returns the window, or nullptr when nothing was shown.
    static CSplashWnd* ShowSplashScreen(QWidget* owner = nullptr);

    // The window now showing, if any.
    static CSplashWnd* Current();

    ~CSplashWnd() override;

    // Closes the picture and repaints the owner.
    void HideSplashScreen();

    bool IsTimerActive() const { return m_timer.isActive(); }
    int RemainingTime() const { return m_timer.remainingTime(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit CSplashWnd(QWidget* owner);

    QPixmap m_bitmap;
    QTimer m_timer;
    QPointer<QWidget> m_pOwner;
};

// The picture itself, drawn in code: emblem, product name, version and method.
QPixmap DrawSplashBitmap();

// True unless the program was started to serve another program (Embedding or Automation
// switch, with "/" or "-", any case), in which case nobody is there to see a picture.
bool IsSplashWanted(const QStringList& arguments);

// Applies IsSplashWanted to the splash permission and shows the picture over owner when
// allowed. Returns true when the picture is showing.
bool ShowSplashIfWanted(const QStringList& arguments, QWidget* owner = nullptr);
