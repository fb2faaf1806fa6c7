#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// "Overall Heat Transfer Coefficient (U-Value)": the calculated U-value with its unit and OK.
class CUValueResultDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CUValueResultDlg(const QString& text, QWidget* parent = nullptr);

    QString Text() const;

  private:
    QLabel* m_pText;
};
