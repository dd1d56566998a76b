#pragma once

// Dialog units: layouts give positions and sizes in units of the dialog's font, a quarter of an
// average character across and an eighth of a line high, so proportions follow the font.
#include <QFont>

class DialogUnits {
public:
    DialogUnits() = default;
    // Measured from the letters of `font`.
    explicit DialogUnits(const QFont& font);
    // Of a font whose average character is `baseX` pixels across and whose line is `baseY` high.
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;

    // The font's average character width and its line height, in pixels.
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX = 0;
    int m_baseY = 0;
};
