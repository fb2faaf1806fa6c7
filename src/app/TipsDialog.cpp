#include "TipsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "GuiMessages.h"
#include "paths/InstallDir.h"

namespace {
constexpr const char* kSection = "Tip";
constexpr const char* kStartUp = "StartUp";
constexpr const char* kFilePos = "FilePos";
constexpr const char* kTimeStamp = "TimeStamp";
constexpr qint64 kMaxLine = 1000;

QPixmap DrawBulb(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Glass
    QPainterPath glass;
    glass.addEllipse(QRectF(s * 0.2, s * 0.05, s * 0.6, s * 0.6));
    QPainterPath neck;
    neck.addRoundedRect(QRectF(s * 0.35, s * 0.45, s * 0.3, s * 0.25), s * 0.05, s * 0.05);
    glass = glass.united(neck);
    QRadialGradient light(QPointF(s * 0.42, s * 0.28), s * 0.4);
    light.setColorAt(0, QColor(255, 255, 210));
    light.setColorAt(1, QColor(250, 210, 40));
    p.setPen(QPen(QColor(120, 90, 0), s * 0.04));
    p.setBrush(light);
    p.drawPath(glass);
    // Screw base
    p.setPen(QPen(QColor(70, 70, 70), s * 0.03));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(s * 0.36, s * 0.7, s * 0.28, s * 0.18), s * 0.04, s * 0.04);
    p.drawLine(QPointF(s * 0.37, s * 0.76), QPointF(s * 0.63, s * 0.76));
    p.drawLine(QPointF(s * 0.37, s * 0.82), QPointF(s * 0.63, s * 0.82));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QRectF(s * 0.44, s * 0.87, s * 0.12, s * 0.08));
    return pixmap;
}

bool IsSkipped(const QByteArray& line) {
    if (line.isEmpty()) return true;
    const char c = line.at(0);
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';';
}
}  // namespace

QString CTipsDialog::TipsFilePath() {
    return QString::fromStdString(g_strInstallDir) + kTipsFileName;
}

QString CTipsDialog::FileTimeStamp(const QString& path) {
    QString text = QFileInfo(path).lastModified().toString(Qt::TextDate);
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

CTipsDialog::CTipsDialog(QWidget* parent, std::function<void(const QString&)> reporter)
    : QDialog(parent), m_fnReport(std::move(reporter)) {
    setWindowTitle("Tip of the Day");

    QSettings settings;
    settings.beginGroup(kSection);
    m_bShowAtStart = settings.value(kStartUp, 0).toInt() == 0 ? 1 : 0;
    qint64 position = settings.value(kFilePos, 0).toLongLong();

    // The white frame: bulb, "Did you know...", a rule, the tip.
    auto* frame = new QFrame(this);
    frame->setObjectName("tipFrame");
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(white);

    auto* bulb = new QLabel(frame);
    bulb->setPixmap(DrawBulb(40));
    bulb->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* heading = new QLabel("Did you know...", frame);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    heading->setFont(headingFont);
    auto* rule = new QFrame(frame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setStyleSheet("color: #c0c0c0");
    m_pText = new QLabel(frame);
    m_pText->setObjectName("tipText");
    m_pText->setWordWrap(true);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pText->setMinimumHeight(120);

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->setContentsMargins(10, 10, 14, 12);
    frameLayout->setHorizontalSpacing(12);
    frameLayout->addWidget(bulb, 0, 0, 3, 1, Qt::AlignTop);
    frameLayout->addWidget(heading, 0, 1);
    frameLayout->addWidget(rule, 1, 1);
    frameLayout->addWidget(m_pText, 2, 1);
    frameLayout->setRowStretch(2, 1);
    frameLayout->setColumnStretch(1, 1);

    m_pStartup = new QCheckBox("&Show Tips on StartUp", this);
    m_pStartup->setChecked(m_bShowAtStart != 0);
    // Nothing reads the choice at start-up yet, so the box is shown but not offered.
    m_pStartup->setEnabled(false);
    m_pNext = new QPushButton("&Next Tip", this);
    m_pClose = new QPushButton("&Close", this);
    m_pClose->setDefault(true);
    connect(m_pNext, &QPushButton::clicked, this, &CTipsDialog::OnNextTip);
    connect(m_pClose, &QPushButton::clicked, this, &CTipsDialog::OnClose);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pStartup);
    buttons->addStretch();
    buttons->addWidget(m_pNext);
    buttons->addWidget(m_pClose);

    auto* top = new QVBoxLayout(this);
    top->addWidget(frame, 1);
    top->addLayout(buttons);
    resize(460, 300);

    m_file.setFileName(TipsFilePath());
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_strTipText = kTipsMissing;
        m_pNext->setEnabled(false);
        ShowTip();
        return;
    }
    const QString stamp = FileTimeStamp(m_file.fileName());
    if (stamp != settings.value(kTimeStamp).toString()) {
        position = 0;
        settings.setValue(kTimeStamp, stamp);
    }
    if (position < 0 || !m_file.seek(position)) {
        Report(kTipsTrouble);
    } else {
        m_strTipText = ReadNextTip();
    }
    ShowTip();
}

CTipsDialog::~CTipsDialog() {
    if (!m_file.isOpen()) return;
    QSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kFilePos, m_file.pos());
    m_file.close();
}

void CTipsDialog::Report(const QString& message) {
    if (m_fnReport) {
        m_fnReport(message);
    } else {
        QMessageBox::warning(this, kAppTitle, message);
    }
}

QString CTipsDialog::ReadNextTip() {
    // Two returns to the start without a tip mean the file has none; stop there.
    int rewinds = 0;
    while (rewinds < 2) {
        QByteArray line = m_file.readLine(kMaxLine + 1);
        if (line.isEmpty()) {
            ++rewinds;
            if (!m_file.seek(0)) {
                Report(kTipsTrouble);
                return QString();
            }
            continue;
        }
        if (IsSkipped(line)) continue;
        if (line.endsWith("\r\n")) line.replace(line.size() - 2, 2, "\n");
        return QString::fromUtf8(line);
    }
    return QString();
}

void CTipsDialog::ShowTip() {
    QString shown = m_strTipText;
    while (shown.endsWith('\n') || shown.endsWith('\r')) shown.chop(1);
    m_pText->setText(shown);
}

void CTipsDialog::OnNextTip() {
    m_strTipText = ReadNextTip();
    ShowTip();
}

void CTipsDialog::OnClose() {
    m_bShowAtStart = m_pStartup->isChecked() ? 1 : 0;
    QSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kStartUp, m_bShowAtStart ? 0 : 1);
    accept();
}

void ShowTipOfTheDay(QWidget* parent) {
    CTipsDialog dialog(parent);
    dialog.exec();
}

QAction* InsertTipMenuItem(QMenu* helpMenu, QObject* receiver, std::function<void()> onTriggered) {
    if (helpMenu == nullptr) return nullptr;
    const QList<QAction*> actions = helpMenu->actions();
    if (!actions.isEmpty() && actions.first()->text() == kTipMenuText) return nullptr;
    QAction* before = actions.isEmpty() ? nullptr : actions.first();
    auto* tip = new QAction(kTipMenuText, helpMenu);
    tip->setStatusTip("Displays a Tip of the Day.");
    QObject::connect(tip, &QAction::triggered, receiver != nullptr ? receiver : helpMenu,
                     [fn = std::move(onTriggered)] {
                         if (fn) fn();
                     });
    helpMenu->insertAction(before, tip);
    helpMenu->insertSeparator(before);
    return tip;
}

QAction* InsertTipMenuItem(QMenuBar* menuBar, QObject* receiver,
                           std::function<void()> onTriggered) {
    if (menuBar == nullptr) return nullptr;
    for (QAction* action : menuBar->actions()) {
        if (action->menu() != nullptr && action->text() == "&Help") {
            return InsertTipMenuItem(action->menu(), receiver, std::move(onTriggered));
        }
    }
    return nullptr;
}
