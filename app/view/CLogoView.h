#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "decode/CQtImageDecoder.h"

#include "app/dialogs/CProgressDlg.h"
#include "app/view/CPreviewPictures.h"
#include "app/view/ViewSettings.h"
#include "host/IOperator.h"

class CHelpOpener;
class CLogoSession;
class CPreviewWidget;
class ISerialLink;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The main view: the item list, the memory gauge, the five operation buttons and the two
// previews. It turns clicks, keys and drops into calls of the session and answers the
// session's operator calls with dialogs.
class CLogoView : public QWidget, public IOperator {
    Q_OBJECT
  public:
    // The view reads `settings` (which must outlive it) at each use; the link is the
    // printer's serial link (a test may give a stand-in).
    CLogoView(const ViewSettings& settings, std::unique_ptr<ISerialLink> link,
              QWidget* parent = nullptr);
    ~CLogoView() override;

    // Asks for the model through `askModel` (false when the operator quits) and fills the
    // list.
    bool OnInitialUpdate(const std::function<bool(QWidget* parent)>& askModel);

    // IOperator
    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) override;
    std::shared_ptr<IProgressDisplay> OpenProgress() override;
    void RefreshItemList() override;
    void ClearItemList() override;
    void RepaintPreviews() override;
    void PumpEvents() override;

    // True while an operation runs.
    bool IsBusy() const;
    // Asked when the main window is to close: true when it may close now. During an
    // operation the operator is asked whether to stop it; on yes the operation is stopped
    // and closeWhenIdle follows once it has ended.
    bool MayClose();
    bool ControlsEnabled() const { return m_controlsEnabled; }
    // Disables (false) or enables (true) the controls that start operations: off while an
    // operation runs and while its progress dialog is open.
    void EnableControls(bool enable);
    // The form's size: the window opens with it.
    QSize sizeHint() const override { return m_formSize; }

    // Command handlers.
    void OnAddFile();
    void AddFiles(const QStringList& paths);
    void OnStartTransfer();
    void OnGetInfo();
    void OnClearIds();
    void OnAllClear();
    void OnConvertBmpToPld();
    void OnHelp();

    CLogoSession& Session() { return *m_session; }
    QTableWidget* ItemList() const { return m_itemList; }
    QProgressBar* MemoryGauge() const { return m_memoryGauge; }
    QLabel* MemoryText() const { return m_memoryText; }
    CPreviewWidget* OriginalPreview() const { return m_original; }
    CPreviewWidget* TransferPreview() const { return m_transfer; }
    CProgressDlg* ProgressDlg() const { return m_progressDlg.data(); }
    // 0 "ファイル追加", 1 "転送開始", 2 "情報取得", 3 "クリア", 4 "オールクリア".
    QPushButton* Button(int index) const { return m_buttons[static_cast<std::size_t>(index)]; }
    // The list's rows selected, ascending.
    std::vector<int> SelectedRows() const;

  signals:
    // The first three menus follow the controls.
    void menusEnabled(bool enable);
    // The operation that the operator stopped to close the window has ended.
    void closeWhenIdle();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // How a control follows a window larger than the form: the list and its group grow,
    // the previews stay beside the list, the gauge below it.
    enum class Stretch { Grow, Right, Down };
    struct StretchingControl {
        QWidget* m_widget = nullptr;
        Stretch m_stretch = Stretch::Grow;
        QRect m_formRect;
    };

    void BuildForm();
    int FirstSelectedRow() const;
    void PreviewRow(int row);
    // True when the preview slot holds a new item: only then do the frames show the
    // current image.
    bool PreviewShowsImage() const;
    // The frames take the table's change on their next paint.
    void FollowTableInPreviews();
    void OnListDoubleClick();
    void ReportHelpNotOpened();
    // Runs one operation with the chosen port; the view counts as busy meanwhile.
    template <typename Operation>
    void RunOperation(Operation operation);

    const ViewSettings& m_settings;
    CQtImageDecoder m_decoder;  // before the session, which reads pictures through it
    std::unique_ptr<CLogoSession> m_session;
    QTableWidget* m_itemList = nullptr;
    QProgressBar* m_memoryGauge = nullptr;
    QLabel* m_memoryText = nullptr;
    CPreviewWidget* m_original = nullptr;
    CPreviewWidget* m_transfer = nullptr;
    CPreviewPictures m_pictures;
    std::array<QPushButton*, 5> m_buttons{};
    QPointer<CProgressDlg> m_progressDlg;
    CHelpOpener* m_helpOpener = nullptr;
    int m_busy = 0;
    bool m_controlsEnabled = true;
    bool m_stoppedToClose = false;
    // The current row moved on a mouse press, and its preview is shown: the click that
    // follows shows nothing more.
    bool m_previewedOnPress = false;
    QSize m_formSize;
    std::vector<StretchingControl> m_stretching;
};
