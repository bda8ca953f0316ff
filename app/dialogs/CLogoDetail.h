#pragma once

#include <QDialog>
#include <cstdint>
#include <span>

#include "items/CFontPT.h"

class QListWidget;

// "ロゴ情報": what the printer holds under one logo ID. Works on its own copies of the
// item's registration record and character entries.
class CLogoDetail : public QDialog {
    Q_OBJECT
  public:
    CLogoDetail(QWidget* parent, int count, std::span<const std::uint8_t> entries,
                std::span<const std::uint8_t, kHeaderSize> header, double dotsPerMm);

    QListWidget* List() const { return m_list; }

  private:
    QListWidget* m_list = nullptr;
};
