#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

// Dialog 131 on Qt: the caption, the label, the list (CP932 entries, shown in their order)
// with its preselection, OK and Cancel, placed in dialog units of the dialog font.
class CKEQtCharFontDialog : public QDialog {
  public:
    CKEQtCharFontDialog(const std::vector<std::string>& entries, int selected,
                        QWidget* parent = nullptr);

    // Runs the dialog: -2 for Cancel, -1 for OK with no entry selected, k for OK with entry k.
    int run();

    QComboBox* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }

  private:
    void placeControls();

    QLabel* m_label;
    QComboBox* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
