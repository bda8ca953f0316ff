#pragma once

#include <QMainWindow>
#include <memory>

class CLogoApp;
class CLogoView;
class ISerialLink;
class QAction;
class QMenu;

// The main window: the menu bar and the main view. The title is set by the model
// question; while an operation runs the first three menus are grayed, and closing the
// window asks whether to stop the operation (on yes it closes once the operation ended).
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CLogoApp& app, std::unique_ptr<ISerialLink> link);
    ~CMainFrame() override;

    CLogoView& View() const { return *m_view; }
    QMenu* FileMenu() const { return m_fileMenu; }
    QAction* ComPortAction() const { return m_comPortAction; }
    QMenu* ExtensionsMenu() const { return m_extensionsMenu; }
    QMenu* HelpMenu() const { return m_helpMenu; }

    // The first three top-level entries on (true) or grayed (false).
    void EnableMenus(bool enable);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void SizeAndCentre();

    CLogoApp& m_app;
    CLogoView* m_view = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_comPortAction = nullptr;
    QMenu* m_extensionsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
};
