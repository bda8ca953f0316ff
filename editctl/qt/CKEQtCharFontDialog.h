#pragma once

#include <QDialog>

class CKECharFontDlg;
class QComboBox;
class QLabel;
class QPushButton;

// Dialog 131 on Qt: the caption, the label, the list of CKECharFontDlg in its order with its
// preselection, OK and Cancel, placed in dialog units of the dialog font.
class CKEQtCharFontDialog : public QDialog {
  public:
    explicit CKEQtCharFontDialog(const CKECharFontDlg& model, QWidget* parent = nullptr);

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
