#include "ViewFixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

void ChooseModel(QWidget* modal, int model) {
    modal->findChild<QRadioButton*>(QString("model%1").arg(model))->setChecked(true);
    modal->findChild<QPushButton*>("ok")->click();
}

bool ViewFixture::Start(int model) {
    auto link = std::make_unique<CSimLink>(m_model);
    m_link = link.get();
    m_driver.Then([model](QWidget* modal) { ChooseModel(modal, model); });
    return m_app->InitInstance(std::move(link));
}

QString ViewFixture::Bitmap(const QString& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    }
    const QString path = m_dir.filePath(name);
    image.save(path, "BMP");
    return path;
}

void ViewFixture::Answer(QMessageBox::StandardButton button) {
    m_driver.Then([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            m_captions << "<not a message box: " + QString(modal->metaObject()->className()) + ">";
            modal->close();
            return;
        }
        m_captions << box->windowTitle();
        m_texts << box->text();
        box->button(button)->click();
    });
}
