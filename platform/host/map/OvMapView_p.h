#pragma once

#include <QGraphicsView>

class COvMapModule;

// The map view widget: shows the module's scene one scene unit per pixel, pans with the left
// button or the arrow keys, zooms with the wheel (about the cursor) or + and −. The module's
// event handlers see every input event first; presses on scene widgets go to the widgets.
class COvMapView : public QGraphicsView
{
    Q_OBJECT
public:
    COvMapView(COvMapModule* module, QGraphicsScene* scene);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool overSceneWidget(const QPoint& pos) const;

    COvMapModule* m_module;
    bool m_panning = false;
    QPoint m_lastPos;
    int m_wheelDelta = 0; // not yet turned into a level
};
