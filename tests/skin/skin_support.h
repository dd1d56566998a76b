#pragma once

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <array>
#include <ostream>

#include "framework/dialog.h"

// Colours print as RGB in failure messages.
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "RGB(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

namespace skin_test {

// A colour as a pixel shows it, eight bits a channel.
inline QColor Rgb(const QColor& colour) {
    return QColor(colour.rgb());
}

using K = res::ControlKind;

// A small working window: a group box around a label, an edit, a disabled edit and two buttons,
// with room on the face colour below them.
inline constexpr std::array<res::ControlTemplate, 6> kControls{{
    {res::kUnnamedId, K::GroupBox, "", 4, 4, 192, 60},
    {10, K::Label, "Name", 10, 14, 40, 8},
    {11, K::Edit, "", 60, 12, 120, 14},
    {12, K::Edit, "/media/card", 60, 30, 120, 14, {}, res::kDisabled},
    {13, K::PushButton, "&Go", 10, 70, 60, 20},
    {14, K::PushButton, "Stop", 80, 70, 60, 20},
}};
inline constexpr res::DialogTemplate kDialog{901, "Test", 200, 110, 9, kControls};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kDialog, Frame::Skinned) {}
};

// The colour of one pixel of what `widget` shows now.
inline QColor PixelOf(QWidget* widget, const QPoint& at) {
    return widget->grab().toImage().pixelColor(at);
}

// The smallest rectangle around the pixels of `image` inside `area` that `match` picks.
template <class Match>
QRect BoundsOf(const QImage& image, const QRect& area, Match match) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

inline bool IsDark(const QColor& colour) {
    return colour.red() < 80 && colour.green() < 80 && colour.blue() < 80;
}

}  // namespace skin_test
