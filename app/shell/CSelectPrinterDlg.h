#pragma once

#include <QDialog>

class QButtonGroup;

// The printer-model question of start-up: three radio buttons, "OK" and "終了".
class CSelectPrinterDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CSelectPrinterDlg(QWidget* parent = nullptr);

    // The chosen model, 0..2; 0 until OK is pressed with another button checked.
    int m_model = 0;

    void accept() override;

  private:
    QButtonGroup* m_group = nullptr;
};
