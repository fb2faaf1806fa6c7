#include "LockPanes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

CLockPanes::CLockPanes(QStatusBar* statusBar, std::unique_ptr<ILockKeySource> source)
    : QObject(statusBar), m_pSource(std::move(source)) {
    for (int i = 0; i < kPaneCount; ++i) {
        auto* pane = new QLabel(statusBar);
        pane->setAlignment(Qt::AlignCenter);
        // Each pane keeps the width of its text when blank, so the others do not move.
        const int width = pane->fontMetrics().horizontalAdvance(kTexts[i]);
        pane->setMinimumWidth(width + 2 * pane->fontMetrics().averageCharWidth());
        statusBar->addPermanentWidget(pane);
        m_panes[i] = pane;
    }
    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(250);
    connect(m_pTimer, &QTimer::timeout, this, &CLockPanes::Refresh);
    m_pTimer->start();
    Refresh();
}

CLockPanes::~CLockPanes() = default;

void CLockPanes::SetSource(std::unique_ptr<ILockKeySource> source) {
    m_pSource = std::move(source);
    Refresh();
}

void CLockPanes::Refresh() {
    const std::optional<LockKeyState> state =
        m_pSource ? m_pSource->Read() : std::optional<LockKeyState>();
    const std::array<bool, kPaneCount> on = {state && state->capsLock, state && state->numLock,
                                             state && state->scrollLock};
    for (int i = 0; i < kPaneCount; ++i) m_panes[i]->setText(on[i] ? kTexts[i] : QString());
}
