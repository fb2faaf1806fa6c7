#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>

// A static text that behaves as a hyperlink: blue until opened, purple once opened, red while
// the mouse is over it; a click opens the target with the desktop's default handler.
class CLinkStatic : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHoverTimerMs = 100;

    // Underline modes.
    static constexpr int kUnderlineAlways = 1;
    static constexpr int kUnderlineNever = 0;
    static constexpr int kUnderlineHover = -1;

    // An empty target takes the text as URL; an empty text shows the URL.
    explicit CLinkStatic(const QString& text = QString(), const QString& target = QString(),
                         QWidget* parent = nullptr);
    ~CLinkStatic() override;

    void SetLinkUrl(const QString& target);
    QString GetLinkUrl() const { return m_strTarget; }

    void SetText(const QString& text);
    QString GetText() const { return m_strText; }

    void SetColours(const QColor& normal, const QColor& visited, const QColor& hover);
    QColor GetLinkColour() const { return m_clrNormal; }
    QColor GetVisitedColour() const { return m_clrVisited; }
    QColor GetHoverColour() const { return m_clrHover; }

    void SetVisited(bool visited = true);
    bool GetVisited() const { return m_bLinkVisited != 0; }

    void SetUnderline(int mode);
    int GetUnderline() const { return m_nUnderlineMode; }

    void SetAutoSize(bool fitToText = true);
    bool GetAutoSize() const { return m_bFitToText != 0; }

    bool IsMouseOver() const { return m_bMouseOver != 0; }
    bool IsHoverTimerActive() const { return m_timerHover.isActive(); }

    // The colour and font the text is drawn with now.
    QColor CurrentColour() const;
    const QFont& CurrentFont() const;

    // Opens the target; on failure beeps and reports. Returns whether it was opened.
    bool OpenLink();

    // What opens a URL (default: QDesktopServices::openUrl) and what shows the error message
    // (default: a warning box); tests replace both.
    void SetOpener(std::function<bool(const QUrl&)> opener) { m_fnOpen = std::move(opener); }
    void SetReporter(std::function<void(const QString&)> reporter) {
        m_fnReport = std::move(reporter);
    }

    // Resizes the control to its text, keeping the edge its alignment names.
    void FitToText();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Where the cursor is now, in global coordinates.
    virtual QPoint CursorPosition() const;

  private:
    void CheckHover();
    void MakeFonts();

    QColor m_clrNormal{0, 0, 238};
    QColor m_clrVisited{85, 26, 139};
    QColor m_clrHover{255, 0, 0};
    int m_bMouseOver = 0;
    int m_bLinkVisited = 0;
    int m_nUnderlineMode = kUnderlineHover;
    int m_bFitToText = 1;
    QString m_strTarget;
    QString m_strText;
    QFont m_fontPlain;
    QFont m_fontUnderlined;
    QTimer m_timerHover;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    std::function<bool(const QUrl&)> m_fnOpen;
    std::function<void(const QString&)> m_fnReport;
};

// The message text for an error code of the operating system's open call.
QString HyperlinkErrorText(int code);

// The whole message shown when a link cannot be opened: "Unable to open hyperlink:\n\n" and the
// error text.
QString HyperlinkErrorMessage(int code);

// The error code that best describes why url could not be opened: 2 for a local file that
// does not exist, 31 (no application for it) otherwise.
int HyperlinkErrorCode(const QUrl& url);
