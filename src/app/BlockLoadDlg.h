#pragma once

#include <QDialog>
#include <vector>

#include "BlockLoad.h"

class IUserMessages;
class QCheckBox;
class QLineEdit;
class QSpinBox;

// "Block Load of Open Projects": which open projects the block is made of, how many identical
// copies of each, and the block's name. OK with no project checked says so and stays open.
class CBlockLoadDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxCount = 999;

    // projects: the open projects in the order listed; their counts are ignored.
    CBlockLoadDlg(std::vector<BlockMember> projects, IUserMessages& messages,
                  QWidget* parent = nullptr);

    // The checked projects with their counts, in the order listed.
    std::vector<BlockMember> Chosen() const;
    // The block's name; the default when the field is left empty.
    std::string BlockName() const;

    QCheckBox* CheckBox(int row) const { return m_checks[row]; }
    QSpinBox* CountBox(int row) const { return m_counts[row]; }
    QLineEdit* NameEdit() const { return m_pName; }

    void accept() override;

  private:
    std::vector<BlockMember> m_projects;
    IUserMessages& m_messages;
    std::vector<QCheckBox*> m_checks;
    std::vector<QSpinBox*> m_counts;
    QLineEdit* m_pName;
};

// The block's name when the user gives none.
inline constexpr const char* kDefaultBlockName = "Block";
