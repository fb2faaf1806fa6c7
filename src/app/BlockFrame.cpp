#include "BlockFrame.h"

#include <QCloseEvent>

#include "BlockView.h"
#include "Emblem.h"
#include "QtText.h"

CBlockFrame::CBlockFrame(CBuilding building, std::vector<BlockMember> members, QWidget* parent)
    : QMdiSubWindow(parent), m_building(std::move(building)), m_members(std::move(members)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(DrawThermavoEmblem(32)));
    m_pView = new CBlockView(m_building, this);
    setWidget(m_pView);
    setWindowTitle(Title());
}

CBlockFrame::~CBlockFrame() {
    // The pane goes first: it draws the block this window holds.
    delete m_pView;
    emit Destroying(this);
}

bool CBlockFrame::HasMember(const CQuarnDoc* doc) const {
    for (const BlockMember& member : m_members)
        if (member.pDoc == doc) return true;
    return false;
}

void CBlockFrame::SetBuilding(CBuilding building, std::vector<BlockMember> members) {
    m_building = std::move(building);
    m_members = std::move(members);
    m_pView->SetBuilding(m_building);
    setWindowTitle(Title());
}

void CBlockFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) emit Closed(this);
}

QString CBlockFrame::Title() const { return "Block Load - " + ToQString(m_building.Name()); }
