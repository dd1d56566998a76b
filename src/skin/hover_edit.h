#pragma once

#include <QBrush>
#include <QLineEdit>

// The edit of the skinned forms. It draws its own border: a flat sunken edge at rest, and while
// the pointer rests on it, its whole rectangle filled with the skin frame colour inside a black
// outline. Focus and typing leave the border as it is; a disabled edit keeps the flat edge.
class CHoverEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CHoverEdit(QWidget* parent = nullptr);

    bool IsHovered() const { return m_bHover; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void initStyleOption(QStyleOptionFrame* option) const override;

private:
    void OnHoverStart();
    void OnHoverEnd();

    void drawHoverFill(QPainter& painter, const QRect& area, int line) const;
    void drawField(QPainter& painter, const QRect& area) const;
    void drawFlatEdge(QPainter& painter, const QRect& area, int line) const;

    bool m_bHover = false;  // the pointer rests on the edit
    const QBrush m_brHover;
};
