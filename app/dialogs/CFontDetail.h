#pragma once

#include <QDialog>
#include <cstdint>
#include <span>

#include "items/CFontPT.h"

class QListWidget;

// "フォント情報": the characters of a downloaded font under one ID and its attributes.
// Works on its own copies of the item's registration record and character entries.
class CFontDetail : public QDialog {
    Q_OBJECT
  public:
    CFontDetail(QWidget* parent, int count, std::span<const std::uint8_t> entries,
                std::span<const std::uint8_t, kHeaderSize> header);

    QListWidget* List() const { return m_list; }

  private:
    QListWidget* m_list = nullptr;
};
