#include "app/dialogs/TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/present/TextFitLayout.h"

namespace {

LayoutBox ToBox(const QRect& rect) {
    return LayoutBox{rect.x(), rect.y(), rect.width(), rect.height()};
}

// The size a control's text needs, or nothing when it shows no text of its own.
bool NeededSize(const QWidget& widget, int& width, int& height) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) return false;
        if (label->wordWrap()) {
            width = label->width();
            height = label->heightForWidth(label->width());
        } else {
            // Half a character beyond the text, so that the control beside a grown label
            // does not touch its text.
            width = label->sizeHint().width() + label->fontMetrics().averageCharWidth() / 2;
            height = label->sizeHint().height();
        }
        return true;
    }
    if (qobject_cast<const QRadioButton*>(&widget) || qobject_cast<const QCheckBox*>(&widget)) {
        width = widget.sizeHint().width();
        height = widget.sizeHint().height();
        return true;
    }
    return false;
}

void Fit(QWidget& parent, bool resizeParent) {
    std::vector<QWidget*> controls;
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Hidden controls keep their places too: they may show later.
        if (widget != nullptr && !widget->isWindow()) {
            controls.push_back(widget);
        }
    }
    std::vector<LayoutBox> boxes;
    int right = 0;
    int bottom = 0;
    for (QWidget* widget : controls) {
        boxes.push_back(ToBox(widget->geometry()));
        right = std::max(right, boxes.back().Right());
        bottom = std::max(bottom, boxes.back().Bottom());
    }
    // Group boxes hold controls of their own; a group that grew needs room here.
    std::vector<QSize> grownGroups(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (qobject_cast<QGroupBox*>(controls[i]) != nullptr) {
            Fit(*controls[i], true);
            grownGroups[i] = controls[i]->size();
        }
    }
    const int rightMargin = std::max(0, parent.width() - right);
    const int bottomMargin = std::max(0, parent.height() - bottom);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        int width = 0;
        int height = 0;
        if (grownGroups[i].isValid()) {
            GrowBox(boxes, i, grownGroups[i].width(), grownGroups[i].height());
        } else if (!controls[i]->isHidden() && NeededSize(*controls[i], width, height)) {
            GrowBox(boxes, i, width, height);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const LayoutBox& box = boxes[i];
        controls[i]->setGeometry(box.m_x, box.m_y, box.m_width, box.m_height);
    }
    if (!resizeParent) return;
    const LayoutSize size =
        SizeHoldingBoxes(boxes, {parent.width(), parent.height()}, rightMargin, bottomMargin);
    if (size.m_width == parent.width() && size.m_height == parent.height()) return;
    if (parent.minimumSize() == parent.maximumSize()) {
        parent.setFixedSize(size.m_width, size.m_height);
    } else {
        parent.setMinimumSize(size.m_width, size.m_height);
        parent.resize(size.m_width, size.m_height);
    }
}

}  // namespace

void GrowToFitTexts(QWidget& dialog) { Fit(dialog, true); }

int DrawnLineHeight(const QFont& font, const QString& text) {
    int height = QFontMetrics(font).height();
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        height = std::max(height, static_cast<int>(std::ceil(raw.ascent() + raw.descent())));
    }
    return height;
}
