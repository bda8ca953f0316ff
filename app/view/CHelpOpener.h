#pragma once

#include <QObject>
#include <QString>

// Opens a page in the desktop's program for it through xdg-open, whose exit status says
// whether there was one: it ends with a failure ("no method available") when nothing on
// the desktop can show the page. failed() follows such an end, or a missing xdg-open.
class CHelpOpener : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    void Open(const QString& page);

  signals:
    void failed();
};
