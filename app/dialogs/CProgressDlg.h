#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// "進行状況": the modeless window of a running printer operation: a line of text, a bar,
// and an OK button that shows once the operation has ended. It turns the main view's
// controls off while it exists (controlsEnabled(false) when shown, true when closed) and
// deletes itself when closed.
//
// While the operation still runs (before ShowCloseButton) the dialog cannot be closed:
// closing it would turn the controls back on and let the operator start a second
// operation inside the first one.
class CProgressDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CProgressDlg(QWidget* parent);
    ~CProgressDlg() override;

    void SetProgress(int range, int position, const QString& text);
    void SetBar(int range, int position);
    void SetMessage(const QString& text);
    void ShowCloseButton();

    bool IsFinished() const { return m_finished; }
    // True once the dialog has begun to close (the controls come back on then).
    bool IsClosed() const { return m_closed; }
    QString Text() const;
    int Range() const;
    int Position() const;
    QPushButton* CloseButton() const { return m_ok; }

    // Shows the dialog centred on its parent as if it were 300 x 100 pixels.
    void Open();

  signals:
    void controlsEnabled(bool enable);

  public slots:
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Refresh();

    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_finished = false;
    bool m_closed = false;
};
