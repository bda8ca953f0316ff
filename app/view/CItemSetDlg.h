#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

class CItemTable;
class QLabel;
class QLineEdit;
class QPushButton;

// "登録設定": the registration ID and name of one new item. OK moves the item to the ID
// typed and renames it, straight in the table; cancel changes nothing.
class CItemSetDlg : public QDialog {
    Q_OBJECT
  public:
    CItemSetDlg(QWidget* parent, int slot, CItemTable& table);

    QLineEdit* IdEdit() const { return m_idEdit; }
    QLineEdit* NameEdit() const { return m_nameEdit; }
    // The explanation shown while the name holds a character Shift-JIS cannot hold.
    QLabel* NameProblem() const { return m_nameProblem; }

    void accept() override;

  private:
    void ShowNameProblem(bool show);

    int m_slot;
    CItemTable& m_table;
    QLineEdit* m_idEdit = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLabel* m_nameProblem = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    // The layout without the explanation, and where the explanation goes.
    QSize m_baseSize;
    QRect m_okBase;
    QRect m_cancelBase;
    QRect m_problemBase;
    int m_bandGap = 0;
};
