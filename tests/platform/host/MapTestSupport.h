#pragma once

// The map, annotation and graphics tests share these.
#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QRectF>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// The shared map view in a known state: 800 × 600, OpenStreetMap type, no base
// map, centred on Beijing at level 10.
IOvMapModule* ResetMap();
// The view as a person sees it.
QImage RenderMap();
// Writes the image under the build folder's screenshots/ for people to look at.
void SaveScreenshot(const QImage& image, const char* name);
QPoint ScreenOf(double x, double y);
// The widget of the map view that takes the mouse, and a mouse event sent to
// it.
QWidget* MapViewport();
void SendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons);
// A closed ring through the box's corners (x longitude, y latitude).
CGeometryData BoxRing(const QRectF& box);
// A range object on layer with one box part and opaque fill, no outline, shown.
IAnnotation2DObject* MakeBox(IAnnotation2DMapLayer* layer, const QRectF& box, QColor fill);
// Colour distance (sum of channel differences) of two pixels.
int ColorDistance(QRgb a, QColor b);
// Pixels of rect (clipped to the image) close to color.
int CountNear(const QImage& image, const QRect& rect, QColor color, int tolerance = 30);

// The shared map view reset, with an annotation layer of the test's own at z-order 600; the
// objects a test leaves in objects are destroyed with the layer, and none may be left over.
class MapLayerTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A box on the test's layer, destroyed with it.
    IAnnotation2DObject* box(const QRectF& r, QColor fill);

    IOvMapModule* map = nullptr;
    IAnnotation2DModule* module = nullptr;
    IAnnotation2DMapLayer* layer = nullptr;
    std::vector<IAnnotation2DObject*> objects;
};
