#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "app/view/ViewSettings.h"
#include "serial/ISerialLink.h"

class CMainFrame;
class QTranslator;
class QWidget;

// The application object: start-up, the printer model chosen for this run and the port
// every printer operation uses. Nothing is kept between runs.
class CLogoApp : public QObject {
    Q_OBJECT
  public:
    CLogoApp();
    ~CLogoApp() override;

    // Creates the main window, asks for the model and shows the window. False when the
    // operator quit at the model question (the program then ends with exit code 0).
    // `link` is the printer's link; null means the serial port.
    bool InitInstance(std::unique_ptr<ISerialLink> link = nullptr);

    // The model question; fills the profile fields and the title. False when cancelled.
    bool SelectModel(QWidget* parent);

    // The port dialog (menu "COMポート(&C)").
    void OnComPort(QWidget* parent);
    // The version dialog (menu "バージョン情報 (&A)").
    void OnAppAbout(QWidget* parent);

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

    int m_model = 0;
    std::string m_modelName;
    std::string m_title;
    // The model's dots per mm, the port of every printer operation and the help page.
    ViewSettings m_settings;

  private:
    // Qt's own texts (question buttons, file dialogs) in Japanese, like the program's.
    void InstallQtTranslations();

    std::unique_ptr<QTranslator> m_qtTranslations;
    std::unique_ptr<CMainFrame> m_mainFrame;
};
