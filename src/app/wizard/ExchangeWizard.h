#pragma once

#include <QWizard>

// A wizard whose pages exchange their data whenever they are left: Next and Finish through
// validateCurrentPage, and Back through a button of ours, since QWizard's own Back leaves a
// page without asking it. A refused exchange keeps the page.
class CExchangeWizard : public QWizard {
    Q_OBJECT

  public:
    explicit CExchangeWizard(QWidget* parent = nullptr);

    // Back with the data exchange of the page left.
    void GoBack();

    bool validateCurrentPage() override;

  protected:
    // Stores page id's controls (forward: by Next or Finish); false when a field is refused,
    // after telling the user.
    virtual bool StorePage(int id, bool forward) = 0;

    // The wizard's buttons, with Help first when the wizard has help.
    void SetButtons(bool withHelp);

    // Gives every page the room of the largest, so the wizard keeps one size and its buttons
    // stay put from page to page. Called once, after the pages are added and filled.
    void KeepLargestPageSize();

    // Puts the focus on a refused field with its text selected.
    static void FocusField(QWidget* field);

  private:
    void UpdateBackButton();
};
