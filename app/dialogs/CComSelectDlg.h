#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "serial/SerialPortScan.h"

class QComboBox;

// "COMポートの選択": COM1..COM20 (each naming its device when one is there), then the
// other serial devices found on the system; a device path may also be typed, and a typed
// name that is no port is refused with a message. OK stores the choice in the port name
// given at construction, cancel leaves it alone.
class CComSelectDlg : public QDialog {
    Q_OBJECT
  public:
    CComSelectDlg(std::string& comPort, std::vector<SerialPortInfo> devices,
                  QWidget* parent = nullptr);

    QComboBox* Combo() const { return m_combo; }

    void accept() override;

  private:
    std::string& m_comPort;
    QComboBox* m_combo = nullptr;
};
