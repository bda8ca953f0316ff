#pragma once

#include <QDialog>

class CVersionInfo;
class QLabel;

// "バージョン情報": the program's description, version and copyright line, read from the
// version record.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    CAboutDlg(const CVersionInfo& info, QWidget* parent);

  private:
    void Fill(const CVersionInfo& info);

    QLabel* m_description = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_copyright = nullptr;
};
