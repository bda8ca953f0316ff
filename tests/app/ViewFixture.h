#pragma once

#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <memory>

#include "ModalDriver.h"
#include "app/shell/CLogoApp.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CLogoView.h"
#include "ops/CLogoSession.h"
#include "sim/CPrinterModel.h"
#include "sim/CSimLink.h"
#include "sim/CSimRegistrations.h"

// The program against the in-process virtual printer, with a folder for bitmaps.
struct ViewFixture {
    CSimRegistrations m_printer;
    CPrinterModel m_model{m_printer};
    CSimLink* m_link = nullptr;  // owned by the session
    std::unique_ptr<CLogoApp> m_app = std::make_unique<CLogoApp>();
    QTemporaryDir m_dir;
    ModalDriver m_driver;

    // Starts the program, answering the model question with `model`.
    bool Start(int model = 0);

    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CLogoView& View() { return Frame().View(); }
    CLogoSession& Session() { return View().Session(); }

    // Writes a width x height bitmap (24 bits, black on white) and returns its path.
    QString Bitmap(const QString& name, int width, int height);

    // Answers the next message box with `button`, recording its caption and text.
    void Answer(QMessageBox::StandardButton button);
    QStringList m_captions;
    QStringList m_texts;
};

// Presses the radio button of `model` and OK in the model dialog.
void ChooseModel(QWidget* modal, int model);
