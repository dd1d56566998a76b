#pragma once

#include <QObject>

class QGroupBox;

// Paints the group boxes of a skinned window as etched frames on a transparent background, so
// the face colour shows through, with any title in the box's text colour.
class EtchedGroupFrames : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Takes over the painting of `box`.
    void Paint(QGroupBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
