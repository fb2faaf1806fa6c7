#include "AboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "LinkStatic.h"
#include "SplashScreen.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Thermavo");

    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon();
    icon->setPixmap(appIcon.isNull() ? DrawThermavoEmblem(48) : appIcon.pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(QString("Thermavo Version %1").arg(kThermavoVersion), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* text = new QLabel(
        "Heating and Air Conditioning Hourly Load\nAnalysis Program.\n\n"
        "For Commercial and Residential Projects.\n\nBased on ASHRAE's CLTD / CLF Method.",
        this);

    m_pSales = new CLinkStatic(kSalesAddress, QString("mailto:") + kSalesAddress, this);
    m_pSales->setObjectName("link1755");
    m_pWeb = new CLinkStatic(kWebSite, kWebSite, this);
    m_pWeb->setObjectName("link1756");

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(8);
    links->addWidget(new QLabel("Sales:", this), 0, 0);
    links->addWidget(m_pSales, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    links->addWidget(new QLabel("Web Site:", this), 1, 0);
    links->addWidget(m_pWeb, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    links->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(name);
    right->addSpacing(6);
    right->addWidget(text);
    right->addSpacing(10);
    right->addLayout(links);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* okColumn = new QVBoxLayout;
    okColumn->addWidget(ok);
    okColumn->addStretch();

    auto* top = new QHBoxLayout(this);
    top->setSpacing(14);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(right, 1);
    top->addLayout(okColumn);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
