#pragma once

#include <QDialog>
#include <QFile>
#include <QString>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

inline constexpr const char* kTipsFileName = "tips.txt";
inline constexpr const char* kTipsMissing = "Tips file does not exist in the prescribed directory";
inline constexpr const char* kTipsTrouble = "Trouble reading the tips file";
inline constexpr const char* kTipMenuText = "Ti&p of the Day...";

// "Tip of the Day": shows one line of tips.txt in the installation folder per press of
// "&Next Tip" and remembers in the settings section "Tip" where the next tip starts, so each
// opening continues with the following tip; a replaced file starts again at its first tip.
class CTipsDialog : public QDialog {
    Q_OBJECT

  public:
    // reporter shows "Trouble reading the tips file" (default: a warning box).
    explicit CTipsDialog(QWidget* parent = nullptr,
                         std::function<void(const QString&)> reporter = {});
    // Stores where the next tip starts.
    ~CTipsDialog() override;

    // Reads the next tip into the tip text and shows it.
    void OnNextTip();
    // Stores the check box choice and closes.
    void OnClose();

    QString TipText() const { return m_strTipText; }
    bool ShowAtStart() const { return m_bShowAtStart != 0; }
    bool HasTipsFile() const { return m_file.isOpen(); }
    qint64 FilePosition() const { return m_file.isOpen() ? m_file.pos() : -1; }

    QPushButton* NextButton() const { return m_pNext; }
    QPushButton* CloseButton() const { return m_pClose; }
    QCheckBox* StartupCheckBox() const { return m_pStartup; }

    // The tips file's full path and its modification time as stored in the settings.
    static QString TipsFilePath();
    static QString FileTimeStamp(const QString& path);

  private:
    QString ReadNextTip();
    void Report(const QString& message);
    void ShowTip();

    int m_bShowAtStart = 1;
    QString m_strTipText;
    QFile m_file;
    std::function<void(const QString&)> m_fnReport;
    QLabel* m_pText = nullptr;
    QCheckBox* m_pStartup = nullptr;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pClose = nullptr;
};

// Opens the tip dialog modally over parent.
void ShowTipOfTheDay(QWidget* parent);

// Puts "Ti&p of the Day..." and a separator at the top of helpMenu unless its first item is
// already that; the item calls onTriggered (in receiver's context). Returns the new action,
// or nullptr when the item was already there.
QAction* InsertTipMenuItem(QMenu* helpMenu, QObject* receiver, std::function<void()> onTriggered);

// The same for the popup titled "&Help" of a menu bar; nullptr when there is none.
QAction* InsertTipMenuItem(QMenuBar* menuBar, QObject* receiver, std::function<void()> onTriggered);
