#pragma once

#include <QObject>

class QGroupBox;

// Paints the group boxes of a skinned window as etched frames on a transparent background, so
// the face colour shows through, with any title in the box's text colour.
class EtchedGroupFrames : public QObject {
    Q_OBJECT
public:
    // `lineHeight`: the height in pixels of a line of the window's font; a frame's top line
    // runs through its middle. Known from the window's dialog units, it spares an untitled
    // frame the loading of the font.
    EtchedGroupFrames(int lineHeight, QObject* parent)
        : QObject(parent), m_lineHeight(lineHeight) {}

    // Takes over the painting of `box`.
    void Paint(QGroupBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_lineHeight;
};
